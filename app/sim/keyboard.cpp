#include "app/sim/keyboard.h"

#include <array>
#include <string_view>

#include "app/window.h"

namespace sim {
namespace {

// Each punctuation key of a US keyboard with the character it types alone and with Shift.
struct PunctuationKey {
  int key_code;
  char plain;
  char shifted;
};

constexpr std::array<PunctuationKey, 11> kPunctuation{{
    {186, ';', ':'},
    {187, '=', '+'},
    {188, ',', '<'},
    {189, '-', '_'},
    {190, '.', '>'},
    {191, '/', '?'},
    {192, '`', '~'},
    {219, '[', '{'},
    {220, '\\', '|'},
    {221, ']', '}'},
    {222, '\'', '"'},
}};

// Shift with the digit keys 0 to 9.
constexpr std::string_view kShiftedDigits = ")!@#$%^&*(";

}  // namespace

std::optional<KeyStroke> KeyForCharacter(char c) {
  if (c >= '0' && c <= '9') return KeyStroke{c, 0};
  if (c >= 'a' && c <= 'z') return KeyStroke{c - 'a' + 'A', 0};
  if (c >= 'A' && c <= 'Z') return KeyStroke{c, app::kShiftShift};
  if (c == ' ') return KeyStroke{kVkSpace, 0};
  if (const auto digit = kShiftedDigits.find(c); digit != std::string_view::npos) {
    return KeyStroke{'0' + static_cast<int>(digit), app::kShiftShift};
  }
  for (const PunctuationKey& key : kPunctuation) {
    if (c == key.plain) return KeyStroke{key.key_code, 0};
    if (c == key.shifted) return KeyStroke{key.key_code, app::kShiftShift};
  }
  return std::nullopt;
}

std::optional<KeyStroke> KeypadKeyFor(char c) {
  if (c >= '0' && c <= '9') return KeyStroke{c, 0};
  switch (c) {
    case '-':
      return KeyStroke{189, 0};
    case '.':
      return KeyStroke{190, 0};
    case '/':
      return KeyStroke{191, 0};
    case '\r':
      return KeyStroke{kVkEnter, 0};
    default:
      return std::nullopt;
  }
}

}  // namespace sim
