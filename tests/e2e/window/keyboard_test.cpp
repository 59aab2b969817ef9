// The keyboard beyond Tab: the slots' amount boxes take the focus but no typing, pasting or
// deleting; Enter and Esc in the other boxes are keys like any other, which move no focus, press
// no button and close nothing.
#include "app/form.h"
#include "tests/e2e/window/expect.h"
#include "tests/e2e/window/running_window.h"

namespace e2e {
namespace {

using enum app::Control;

class ReadOnlyBoxes : public RunningWindow, public testing::WithParamInterface<app::Control> {};

TEST_P(ReadOnlyBoxes, TakeTheFocusButNoTyping) {
  const app::Control box = GetParam();
  // A charge in every slot, so that there is something to delete.
  app().TypeText(L"5");
  app().PressKey(VK_RETURN);
  ASSERT_TRUE(ShowsText(app(), 编辑框3, "3"));
  for (app::Control save : {按钮3, 按钮4, 按钮5}) app().Click(save);
  ASSERT_TRUE(ShowsText(app(), box, "3"));

  app().Click(box);
  ASSERT_TRUE(HasFocus(app(), box));
  app().TypeText(L"12");
  app().PressKey(VK_BACK);
  app().PressKey(VK_HOME, {}, true);
  app().PressKey(VK_DELETE, {}, true);
  app().PressKey('X', {VK_CONTROL});  // cut
  app().Paste(L"77");
  // Keys are handled in order: once a key typed elsewhere shows, all of the above has been.
  app().Click(编辑框12);
  app().TypeText(L"1");
  ASSERT_TRUE(ShowsText(app(), 编辑框12, "1"));
  EXPECT_TRUE(ShowsText(app(), box, "3"));
  CloseNormally();
}

INSTANTIATE_TEST_SUITE_P(SlotAmounts, ReadOnlyBoxes, testing::Values(编辑框8, 编辑框9, 编辑框10),
                         [](const auto& info) { return std::to_string(info.index + 1); });

// Boxes without a key handler of their own: Enter and Esc change nothing in them.
class PlainBoxes : public RunningWindow, public testing::WithParamInterface<app::Control> {};

TEST_P(PlainBoxes, KeepEnterAndEscapeToThemselves) {
  const app::Control box = GetParam();
  app().Click(box);
  ASSERT_TRUE(HasFocus(app(), box));
  app().TypeText(L"4");
  app().PressKey(VK_RETURN);
  app().PressKey(VK_ESCAPE);
  app().TypeText(L"2");
  EXPECT_TRUE(ShowsText(app(), box, "42")) << "Enter or Esc was typed, or took the focus away";
  EXPECT_TRUE(HasFocus(app(), box));
  EXPECT_TRUE(ShowsText(app(), 编辑框3, "")) << "Enter pressed the print charge button";
  if (box != 编辑框14) {
    EXPECT_TRUE(ShowsText(app(), 编辑框14, "")) << "Enter pressed the grand total button";
  }
  EXPECT_TRUE(NoMessageBox(app()));
  EXPECT_TRUE(IsWindowVisible(app().Main()));
  CloseNormally();
}

INSTANTIATE_TEST_SUITE_P(Boxes, PlainBoxes,
                         testing::Values(编辑框7, 编辑框11, 编辑框12, 编辑框13, 编辑框14),
                         [](const auto& info) { return std::to_string(info.index); });

}  // namespace
}  // namespace e2e
