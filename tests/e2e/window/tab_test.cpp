// Tab and Shift+Tab walk the fixed sequence of the counter, not the stacking order; they skip
// what is disabled or hidden (the preset price box, the parking box), wrap at both ends, and are
// never typed into a box, not even into the notes.
#include <vector>

#include "app/form.h"
#include "tests/e2e/window/expect.h"
#include "tests/e2e/window/running_window.h"

namespace e2e {
namespace {

using enum app::Control;

// The cycle in the start state: 编辑框6 is disabled, 定位编辑框1 hidden.
const std::vector<app::Control> kStartCycle = {
    编辑框5, 编辑框3,  按钮2,   选择框5,  选择框6, 编辑框7,  选择框7,  编辑框8,
    按钮3,   编辑框9,  按钮4,   编辑框10, 按钮5,   编辑框11, 编辑框12, 编辑框14,
    按钮6,   编辑框13, 编辑框2, 按钮1,    选择框1, 选择框2,
};

std::string Name(std::optional<app::Control> control) {
  return control ? NameOf(*control) : "no control";
}

TEST_F(RunningWindow, TabWalksTheFixedSequenceAndWraps) {
  ASSERT_TRUE(HasFocus(app(), 编辑框5));
  for (std::size_t step = 1; step <= kStartCycle.size(); ++step) {
    const app::Control expected = kStartCycle[step % kStartCycle.size()];
    app().PressKey(VK_TAB);
    const auto seen = app().WaitForFocus(expected);
    ASSERT_EQ(seen, std::optional(expected))
        << "Tab from " << NameOf(kStartCycle[step - 1]) << ": expected " << NameOf(expected)
        << ", seen " << Name(seen);
  }
  EXPECT_EQ(app().Text(编辑框2), "") << "Tab was typed into the notes";
  CloseNormally();
}

TEST_F(RunningWindow, ShiftTabWalksTheSequenceBackwardsAndWraps) {
  ASSERT_TRUE(HasFocus(app(), 编辑框5));
  for (std::size_t step = 1; step <= kStartCycle.size(); ++step) {
    const std::size_t from = (kStartCycle.size() - step + 1) % kStartCycle.size();
    const app::Control expected = kStartCycle[kStartCycle.size() - step];
    app().PressKey(VK_TAB, {VK_SHIFT});
    const auto seen = app().WaitForFocus(expected);
    ASSERT_EQ(seen, std::optional(expected))
        << "Shift+Tab from " << NameOf(kStartCycle[from]) << ": expected " << NameOf(expected)
        << ", seen " << Name(seen);
  }
  CloseNormally();
}

TEST_F(RunningWindow, FromTheParkingBoxTabGoesOnAndShiftTabBack) {
  // Filling a fee slot parks the focus in the hidden 定位编辑框1.
  app().Click(按钮3);
  ASSERT_TRUE(HasFocus(app(), 定位编辑框1));
  app().PressKey(VK_TAB);
  EXPECT_TRUE(HasFocus(app(), 编辑框13));

  app().Click(按钮4);
  ASSERT_TRUE(HasFocus(app(), 定位编辑框1));
  app().PressKey(VK_TAB, {VK_SHIFT});
  EXPECT_TRUE(HasFocus(app(), 按钮6));
  CloseNormally();
}

TEST_F(RunningWindow, TheNotesTakeEnterAsANewLineButNeverATab) {
  app().Click(编辑框2);
  ASSERT_TRUE(HasFocus(app(), 编辑框2));
  app().TypeText(L"a");
  app().PressKey(VK_RETURN);
  app().TypeText(L"b");
  EXPECT_TRUE(ShowsText(app(), 编辑框2, "a\r\nb"));
  app().PressKey(VK_TAB);
  EXPECT_TRUE(HasFocus(app(), 按钮1));
  EXPECT_EQ(app().Text(编辑框2), "a\r\nb");
}

}  // namespace
}  // namespace e2e
