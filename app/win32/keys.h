// The key codes and modifier states that KeyDown and the mouse events report.
#pragma once

#include <windows.h>

namespace win32 {

// The virtual-key code, except that the keypad's digits report the main digits 48-57 and its
// minus, point and slash report the main keys' codes 189, 190 and 191. Keypad Enter is 13 like
// the main Enter.
int KeyCodeOf(WPARAM virtual_key);

// The sum of app::kShiftCtrl, kShiftShift and kShiftAlt for the modifiers down as the current
// message was queued.
int ModifierState();

// The same for a mouse message: Ctrl and Shift from its wParam, Alt from the key state.
int MouseKeyState(WPARAM mouse_keys);

}  // namespace win32
