// The keys an operator presses to type a character, as the window reports them in KeyDown.
#pragma once

#include <optional>

namespace sim {

struct KeyStroke {
  int key_code = 0;  // the virtual-key code
  int shift = 0;     // sum of app::kShiftCtrl, app::kShiftShift, app::kShiftAlt
};

// Virtual-key codes of the keys that type nothing themselves.
inline constexpr int kVkBackspace = 8;
inline constexpr int kVkTab = 9;
inline constexpr int kVkEnter = 13;
inline constexpr int kVkEscape = 27;
inline constexpr int kVkSpace = 32;
inline constexpr int kVkF1 = 112;
inline constexpr int kVkF4 = 115;
// An input method composes the character: every key of the composition reports this code.
inline constexpr int kVkProcessKey = 229;

// The key (and Shift) that types the printable ASCII character `c` on a US keyboard; none for
// anything else.
std::optional<KeyStroke> KeyForCharacter(char c);

// The numeric keypad key that types `c` ("0" to "9", ".", "-", "/" or "\r" for its Enter), with
// the code the window reports for it: keypad digits report the main digit codes, keypad minus,
// point and slash the codes of the main keys, keypad Enter 13.
std::optional<KeyStroke> KeypadKeyFor(char c);

}  // namespace sim
