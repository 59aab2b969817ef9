// The focus comes back to the control that had it when the window is activated again: after
// another window was in front, and after a message box closed.
#include "app/form.h"
#include "tests/e2e/window/expect.h"
#include "tests/e2e/window/running_window.h"

namespace e2e {
namespace {

using enum app::Control;

// A window of the driver's own that takes the activation away.
class OtherWindow {
 public:
  OtherWindow()
      : window_(CreateWindowExW(0, L"STATIC", L"another program", WS_POPUP | WS_VISIBLE, 0, 0, 200,
                                100, nullptr, nullptr, nullptr, nullptr)) {}
  ~OtherWindow() { DestroyWindow(window_); }
  HWND handle() const { return window_; }

 private:
  HWND window_;
};

TEST_F(RunningWindow, FocusReturnsAfterAnotherWindowWasInFront) {
  app().Click(编辑框11);
  ASSERT_TRUE(HasFocus(app(), 编辑框11));
  {
    OtherWindow other;
    SetForegroundWindow(other.handle());
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == other.handle(); }));
    app().BringToFront();
    EXPECT_TRUE(HasFocus(app(), 编辑框11));
  }
  app().TypeText(L"3");
  EXPECT_TRUE(ShowsText(app(), 编辑框11, "3"));
  CloseNormally();
}

TEST_F(RunningWindow, FocusReturnsAfterTheNoticeIsClosed) {
  app().Click(编辑框12);
  ASSERT_TRUE(HasFocus(app(), 编辑框12));
  app().Click(透明标签3);
  HWND notice = app().WaitForMessageBox();
  ASSERT_NE(notice, nullptr) << "the self-service notice did not show";
  EXPECT_EQ(app().MessageBoxTitle(notice), L"提示");
  app().PressOk(notice);
  EXPECT_TRUE(HasFocus(app(), 编辑框12));
  CloseNormally();
}

}  // namespace
}  // namespace e2e
