// Group boxes: a frame with its caption at the top left, drawn in the caption's own colour, and
// the parent of the controls inside it. A group box of the BUTTON class keeps its children's
// notifications to itself; here they are passed on to the main window, where the code that
// raises events and answers colour questions listens.
#pragma once

#include <windows.h>

namespace win32 {

class ControlColours;

void TakeOverGroupBox(HWND group, const ControlColours& colours);

}  // namespace win32
