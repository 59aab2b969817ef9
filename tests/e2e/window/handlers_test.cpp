// The events that reach the handlers from the real window, each seen through what its handler
// does: a check box's Click after its tick changed, LeftButtonDown and KeyDown of the price box,
// TimerTick of the running timer inside a message box, Space on a button, and TopMost.
#include "app/form.h"
#include "tests/e2e/window/expect.h"
#include "tests/e2e/window/running_window.h"

namespace e2e {
namespace {

using enum app::Control;

TEST_F(RunningWindow, ACustomPriceIsTypedIntoThePriceBox) {
  app().Click(选择框5);  // clears the default price
  ASSERT_TRUE(Settles(app(), {TextIs(编辑框6, "自定义"), FocusIn(编辑框6)}));

  app().Click(编辑框6);  // LeftButtonDown clears the custom mark
  EXPECT_TRUE(ShowsText(app(), 编辑框6, ""));
  app().TypeText(L"0.5");
  EXPECT_TRUE(ShowsText(app(), 编辑框6, "0.5"));
  app().PressKey(VK_RETURN);  // KeyDown of the price box sends the focus to the sheet count
  EXPECT_TRUE(HasFocus(app(), 编辑框5));
  EXPECT_EQ(app().Text(编辑框6), "0.5") << "Enter reached the price box";

  app().TypeText(L"10");
  app().PressKey(VK_RETURN);
  EXPECT_TRUE(ShowsText(app(), 编辑框3, "5"));
  CloseNormally();
}

TEST_F(RunningWindow, TheTimerKeepsTickingWhileANoticeIsOpen) {
  app().Click(选择框7);
  ASSERT_TRUE(ShowsText(app(), 编辑框7, "6.00"));
  app().Click(透明标签3);
  HWND notice = app().WaitForMessageBox();
  ASSERT_NE(notice, nullptr) << "the self-service notice did not show";
  // The operator cannot type now; another program writes a fee below the floor instead.
  DWORD_PTR done = 0;
  SendMessageTimeoutW(app().Find(编辑框7), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"1"),
                      SMTO_ABORTIFHUNG, kPatienceMs, &done);
  EXPECT_TRUE(ShowsText(app(), 编辑框7, "3.00")) << "no tick while the notice was open";
  EXPECT_TRUE(WaitUntil([&] { return app().MessageBoxes().size() == 2; }))
      << "the fee warning did not open over the notice";
  for (HWND box : app().MessageBoxes()) app().PressOk(box);
  EXPECT_TRUE(WaitUntil([&] { return app().MessageBoxes().empty(); }));
  CloseNormally();
}

// Enter presses no button and moves no focus; Space presses the focused button.
TEST_F(RunningWindow, OnlySpacePressesTheFocusedButton) {
  ASSERT_TRUE(HasFocus(app(), 编辑框5));
  app().TypeText(L"10");
  for (int step = 0; step < 2; ++step) app().PressKey(VK_TAB);
  ASSERT_TRUE(HasFocus(app(), 按钮2));
  app().PressKey(VK_RETURN);
  app().PressKey(VK_SPACE);
  // The print charge comes from Space; had Enter pressed the button first, the focus would
  // have moved to the sheet count, and Space would have been typed there.
  EXPECT_TRUE(ShowsText(app(), 编辑框3, "6"));
  EXPECT_TRUE(HasFocus(app(), 编辑框5));
  EXPECT_EQ(app().Text(编辑框5), "10");
  CloseNormally();
}

bool IsTopMost(const Quorvane& app) {
  return (GetWindowLongPtrW(app.Main(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

TEST_F(RunningWindow, ShowOnTopFollowsItsCheckBoxWithoutMovingTheWindow) {
  const RECT before = app().OuterRect();
  for (bool ticked : {true, false}) {
    app().Click(选择框2);
    EXPECT_TRUE(WaitUntil([&] { return IsTopMost(app()) == ticked; }))
        << "top-most after the box was " << (ticked ? "ticked" : "cleared");
    EXPECT_EQ(app().Checked(选择框2), ticked);
    EXPECT_TRUE(HasFocus(app(), 定位编辑框1));
    const RECT after = app().OuterRect();
    EXPECT_TRUE(EqualRect(&before, &after)) << "the window moved";
  }
  CloseNormally();
}

}  // namespace
}  // namespace e2e
