// Keyboard and mouse input, seen in the message loop before it reaches any control: KeyDown is
// raised before the box sees the key (false swallows the key and the character it would type),
// Tab and Shift+Tab follow the form's sequence, mouse presses raise LeftButtonDown and
// RightButtonDown, and a left press on the background, a label or a group box drags the window.
#pragma once

#include <windows.h>

namespace win32 {

class Desktop;

// True when the message has been dealt with and must be neither translated nor dispatched.
bool TakeInput(Desktop& desktop, const MSG& message);

}  // namespace win32
