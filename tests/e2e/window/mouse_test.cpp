// Mouse presses: a left press on the background, a label or a group box drags the window like its
// caption; presses on transparent labels, right presses and presses on a disabled box never do.
#include "app/form.h"
#include "tests/e2e/driver/input.h"
#include "tests/e2e/window/expect.h"
#include "tests/e2e/window/running_window.h"

namespace e2e {
namespace {

using enum app::Control;

constexpr POINT kDragBy{40, 30};
// Small enough to stay inside the smallest control: a right button released over another
// control would open that control's own menu.
constexpr POINT kNudgeBy{8, 4};

// A point of the main window's client area on the screen.
POINT OnScreen(const Quorvane& app, POINT client) {
  ClientToScreen(app.Main(), &client);
  return client;
}

POINT CentreOf(const Quorvane& app, app::Control control) {
  RECT rect{};
  GetWindowRect(app.Find(control), &rect);
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void Drag(const Quorvane& app, POINT from, POINT by, Button button) {
  app.BringToFront();
  ButtonDown(from, button);
  for (int step = 1; step <= 4; ++step) {
    MovePointer(POINT{from.x + by.x * step / 4, from.y + by.y * step / 4});
  }
  ButtonUp(POINT{from.x + by.x, from.y + by.y}, button);
}

struct DragCase {
  const char* where;
  std::function<POINT(const Quorvane&)> point;
};

class DraggingPlaces : public RunningWindow, public testing::WithParamInterface<DragCase> {};

TEST_P(DraggingPlaces, MoveTheWindowWithTheMouse) {
  const RECT before = app().OuterRect();
  Drag(app(), GetParam().point(app()), kDragBy, Button::Left);
  RECT after{};
  const bool moved = WaitUntil([&] {
    after = app().OuterRect();
    return after.left == before.left + kDragBy.x && after.top == before.top + kDragBy.y;
  });
  EXPECT_TRUE(moved) << GetParam().where << ": the window went from (" << before.left << ", "
                     << before.top << ") to (" << after.left << ", " << after.top << ")";
  // Closing at once may reach the window while the system's move loop still runs; the program
  // must end all the same.
  CloseNormally();
}

INSTANTIATE_TEST_SUITE_P(
    LeftPress, DraggingPlaces,
    testing::Values(DragCase{"a label", [](const Quorvane& app) { return CentreOf(app, 标签8); }},
                    DragCase{"a bold label",
                             [](const Quorvane& app) { return CentreOf(app, 标签1); }},
                    DragCase{"the background",
                             [](const Quorvane& app) {
                               return OnScreen(app, {2, 200});
                             }},
                    DragCase{"the empty inside of a group box",
                             [](const Quorvane& app) {
                               return OnScreen(app, {270, 316});
                             }}),
    [](const auto& info) { return std::to_string(info.index); });

struct StillCase {
  const char* what;
  app::Control control;
  Button button;
};

class StillPresses : public RunningWindow, public testing::WithParamInterface<StillCase> {};

TEST_P(StillPresses, LeaveTheWindowWhereItIs) {
  const StillCase& press = GetParam();
  const RECT before = app().OuterRect();
  ASSERT_TRUE(HasFocus(app(), 编辑框5));
  Drag(app(), CentreOf(app(), press.control), kNudgeBy, press.button);
  // Input is handled in order: once a key typed after the press shows, the press has been dealt
  // with.
  app().Click(编辑框11);
  app().TypeText(L"4");
  ASSERT_TRUE(ShowsText(app(), 编辑框11, "4"));
  const RECT after = app().OuterRect();
  EXPECT_TRUE(EqualRect(&before, &after))
      << press.what << ": the window went from (" << before.left << ", " << before.top << ") to ("
      << after.left << ", " << after.top << ")";
  EXPECT_TRUE(app().MessageBoxes().empty()) << press.what;
  CloseNormally();
}

INSTANTIATE_TEST_SUITE_P(
    Presses, StillPresses,
    testing::Values(StillCase{"left press on a transparent label", 透明标签2, Button::Left},
                    StillCase{"left press on a transparent label in a group", 透明标签1,
                              Button::Left},
                    StillCase{"right press on a label", 标签8, Button::Right},
                    StillCase{"right press on the background", 标签15, Button::Right},
                    StillCase{"left press on the disabled price box", 编辑框6, Button::Left},
                    StillCase{"left press on an edit box", 编辑框13, Button::Left}),
    [](const auto& info) { return std::to_string(info.index); });

TEST_F(RunningWindow, TheDisabledPriceBoxTakesNoClick) {
  ASSERT_TRUE(HasFocus(app(), 编辑框5));
  app().Click(编辑框6);
  app().TypeText(L"8");
  EXPECT_TRUE(ShowsText(app(), 编辑框5, "8")) << "the keys went elsewhere";
  EXPECT_EQ(app().Text(编辑框6), "0.60");
  EXPECT_EQ(app().Focus(), std::optional(编辑框5));
  CloseNormally();
}

}  // namespace
}  // namespace e2e
