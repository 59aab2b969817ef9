// The key codes KeyDown reports: the keypad's digits and its minus, point and slash report the
// main keys' codes; every other key its own virtual-key code.
#include <gtest/gtest.h>

#include "app/win32/keys.h"

namespace win32 {
namespace {

struct KeyCase {
  WPARAM virtual_key;
  int reported;
};

class KeyCodes : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyCodes, ReportAsTheMainKeys) {
  EXPECT_EQ(KeyCodeOf(GetParam().virtual_key), GetParam().reported)
      << "virtual key " << GetParam().virtual_key;
}

INSTANTIATE_TEST_SUITE_P(Keypad, KeyCodes,
                         testing::Values(KeyCase{VK_NUMPAD0, '0'}, KeyCase{VK_NUMPAD1, '1'},
                                         KeyCase{VK_NUMPAD5, '5'}, KeyCase{VK_NUMPAD9, '9'},
                                         KeyCase{VK_SUBTRACT, 189}, KeyCase{VK_DECIMAL, 190},
                                         KeyCase{VK_DIVIDE, 191}));

INSTANTIATE_TEST_SUITE_P(Unchanged, KeyCodes,
                         testing::Values(KeyCase{VK_RETURN, 13}, KeyCase{'0', '0'},
                                         KeyCase{'9', '9'}, KeyCase{'A', 'A'},
                                         KeyCase{VK_OEM_MINUS, 189}, KeyCase{VK_OEM_PERIOD, 190},
                                         KeyCase{VK_MULTIPLY, VK_MULTIPLY}, KeyCase{VK_ADD, VK_ADD},
                                         KeyCase{VK_ESCAPE, 27}, KeyCase{VK_F4, VK_F4},
                                         KeyCase{VK_BACK, 8},
                                         // With Num Lock off the keypad sends its second meanings.
                                         KeyCase{VK_END, VK_END}, KeyCase{VK_DELETE, VK_DELETE}));

}  // namespace
}  // namespace win32
