// A typical request with real key presses and clicks: 100 sheets at the preset price, set aside
// in the first fee slot, 10 more as a custom amount, and the grand total.
#include "app/form.h"
#include "tests/e2e/window/expect.h"
#include "tests/e2e/window/running_window.h"

namespace e2e {
namespace {

using enum app::Control;

TEST_F(RunningWindow, ATypicalRequestFromSheetCountToGrandTotal) {
  ASSERT_TRUE(HasFocus(app(), 编辑框5));
  app().TypeText(L"100");
  EXPECT_TRUE(ShowsText(app(), 编辑框5, "100"));
  app().PressKey(VK_RETURN);
  EXPECT_TRUE(ShowsText(app(), 编辑框3, "60")) << "print charge in 编辑框3";
  EXPECT_EQ(app().Text(编辑框5), "100") << "Enter reached the sheet count box";
  EXPECT_EQ(app().Focus(), std::optional(编辑框5));

  app().Click(按钮3);
  EXPECT_TRUE(ShowsText(app(), 编辑框8, "60")) << "fee slot 1 in 编辑框8";
  EXPECT_TRUE(HasFocus(app(), 定位编辑框1));

  app().Click(编辑框11);
  ASSERT_TRUE(HasFocus(app(), 编辑框11));
  app().TypeText(L"10");
  EXPECT_TRUE(ShowsText(app(), 编辑框11, "10"));
  app().Click(按钮6);
  EXPECT_TRUE(ShowsText(app(), 编辑框14, "70")) << "grand total in 编辑框14";

  CloseNormally();
}

// The keypad's digits and Enter count as the main keys do.
struct KeySet {
  const char* name;
  WORD digits[10];
  bool extended_enter;
};

class SheetCountKeys : public RunningWindow, public testing::WithParamInterface<KeySet> {};

TEST_P(SheetCountKeys, EnterComputesThePrintCharge) {
  const KeySet& keys = GetParam();
  ASSERT_TRUE(HasFocus(app(), 编辑框5));
  // The keypad types digits only with Num Lock on.
  if (keys.extended_enter && !(GetKeyState(VK_NUMLOCK) & 1)) app().PressKey(VK_NUMLOCK);
  for (int digit : {1, 2, 5}) app().PressKey(keys.digits[digit]);
  EXPECT_TRUE(ShowsText(app(), 编辑框5, "125"));
  app().PressKey(VK_RETURN, {}, keys.extended_enter);
  EXPECT_TRUE(ShowsText(app(), 编辑框3, "75"));
  EXPECT_EQ(app().Text(编辑框5), "125");
  CloseNormally();
}

INSTANTIATE_TEST_SUITE_P(
    MainAndKeypad, SheetCountKeys,
    testing::Values(KeySet{"main keys", {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9'}, false},
                    KeySet{"keypad",
                           {VK_NUMPAD0, VK_NUMPAD1, VK_NUMPAD2, VK_NUMPAD3, VK_NUMPAD4, VK_NUMPAD5,
                            VK_NUMPAD6, VK_NUMPAD7, VK_NUMPAD8, VK_NUMPAD9},
                           true}),
    [](const auto& info) { return info.param.extended_enter ? "Keypad" : "MainKeys"; });

}  // namespace
}  // namespace e2e
