// How the skin paints the controls it draws. Every function leaves the DC as it found it and
// creates no GDI object: the pens and brushes come from the SkinTools of the style in force, the
// colours a control's owner wants from the WM_CTLCOLOR* question the control itself would ask.
#pragma once

#include <windows.h>

namespace win32 {

class SkinTools;

// The window's class is `class_name` (case as the system ignores it).
bool IsOfClass(HWND window, const wchar_t* class_name);

// Push buttons, check boxes, radio buttons and group boxes: the kinds of BUTTON the skin draws.
bool IsSkinnedButtonType(LONG_PTR style);

// The whole client area of a BUTTON of a skinned type.
void PaintSkinnedButton(HWND button, HDC dc, const SkinTools& tools);

// The border of a window with a sunken edge or a plain border (an edit box): a flat frame in
// place of the edge. `window_dc` has the window's top-left corner at its origin.
void PaintSkinnedBorder(HWND window, HDC window_dc, const SkinTools& tools);
// The same at once, on the screen.
void RepaintSkinnedBorder(HWND window, const SkinTools& tools);

// A group box: its frame, with the caption at the top left standing on the frame's top edge.
// With `tools` the frame is flat in the style's frame colour; without, it is the system's
// etched edge. The inside is left alone: it shows what lies beneath.
void DrawGroupBox(HWND group, HDC dc, COLORREF caption_colour, HBRUSH background,
                  const SkinTools* tools);

}  // namespace win32
