// Labels and transparent labels draw their own text: one line, vertically centred and clipped,
// "&" drawn like any other character, in the form's font and colour. A label fills its whole
// rectangle with its background first; a transparent label draws over what lies beneath it and
// has that repainted whenever its text changes. A word-wrapping label is laid out from the top.
#pragma once

#include <windows.h>

namespace win32 {

class ControlColours;

// Takes over the drawing of a label window (a STATIC of the form) for good. The label also
// receives its own mouse presses instead of passing them to its parent.
void DrawLabelItself(HWND label, const ControlColours& colours);

}  // namespace win32
