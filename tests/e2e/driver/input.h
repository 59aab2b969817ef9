// Real input through SendInput: it reaches the program through the system's input queue, with
// the modifier state and the double-click rules of real key presses and clicks.
#pragma once

#include <windows.h>

#include <initializer_list>

namespace e2e {

enum class Button { Left, Right };

void KeyDown(WORD virtual_key, bool extended = false);
void KeyUp(WORD virtual_key, bool extended = false);

// Moves the pointer and waits until the system has it there; throws std::runtime_error when it
// does not get there, which fails the test that tried.
void MovePointer(POINT screen_point);
void ButtonDown(POINT screen_point, Button button);
void ButtonUp(POINT screen_point, Button button);

}  // namespace e2e
