// The simulated desktop's input rules, Tab cycle, timer and modal boxes, checked on the real form
// with handlers of the tests' own: none at all, or tiny ones that make an effect visible.
#include "app/sim/desktop.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <stdexcept>
#include <vector>

#include "app/sim/names.h"

namespace {

using app::Control;
using app::Event;
using app::Result;
using enum app::Control;
using sim::Desktop;
using sim::Key;

app::Handler NoHandlers(std::optional<Control>, Event) {
  return nullptr;
}

Desktop Started(Desktop::HandlerLookup lookup = &NoHandlers) {
  Desktop desktop(lookup);
  desktop.Start();
  return desktop;
}

// The events raised since `from`, as (control, event).
std::vector<std::pair<std::optional<Control>, Event>> RaisedSince(const Desktop& desktop,
                                                                  std::size_t from) {
  std::vector<std::pair<std::optional<Control>, Event>> raised;
  for (std::size_t i = from; i < desktop.Events().size(); ++i) {
    raised.emplace_back(desktop.Events()[i].control, desktop.Events()[i].event);
  }
  return raised;
}

std::vector<long long> TickTimes(const Desktop& desktop) {
  std::vector<long long> times;
  for (const sim::RaisedEvent& event : desktop.Events()) {
    if (event.event == Event::TimerTick) times.push_back(event.at);
  }
  return times;
}

// Start-up.

Result NoteWhetherShown(app::Window& window, const app::EventArgs&) {
  window.SetText(编辑框2, static_cast<Desktop&>(window).Shown() ? "shown" : "hidden");
  return Result::None;
}
app::Handler ReadyNotesShown(std::optional<Control> control, Event event) {
  return !control && event == Event::WindowReady ? &NoteWhetherShown : nullptr;
}

TEST(DesktopStart, BuildsFromTheFormHiddenThenRaisesWindowReadyBeforeShowing) {
  Desktop desktop(&ReadyNotesShown);
  EXPECT_FALSE(desktop.Shown());
  EXPECT_EQ(desktop.TextOf(编辑框6), "\xD7\xD4\xB6\xA8\xD2\xE5");
  EXPECT_EQ(desktop.TextOf(标签9), app::FormOf(标签9).text);
  EXPECT_EQ(desktop.TextColor(编辑框3), app::FormOf(编辑框3).text_colour);
  EXPECT_EQ(desktop.Checked(选择框5), 0);
  EXPECT_EQ(desktop.Focus(), std::nullopt);
  EXPECT_FALSE(desktop.Type("1")) << "a hidden window takes no input";

  desktop.Start();
  EXPECT_TRUE(desktop.Shown());
  EXPECT_EQ(desktop.Text(编辑框2), "hidden");
  EXPECT_EQ(RaisedSince(desktop, 0),
            (decltype(RaisedSince(desktop, 0)){{std::nullopt, Event::WindowReady}}));
  EXPECT_THROW(desktop.Start(), std::logic_error);
}

// Keyboard.

struct TypingCase {
  const char* name;
  friend void PrintTo(const TypingCase& c, std::ostream* out) { *out << c.name; }
  std::string_view typed;
  std::vector<std::pair<int, int>> key_downs;  // key code, shift state
  std::string_view text;
};

class DesktopTyping : public testing::TestWithParam<TypingCase> {};

TEST_P(DesktopTyping, EachKeyRaisesKeyDownWithItsCodeBeforeTheBoxTakesIt) {
  Desktop desktop = Started();
  desktop.Click(编辑框5);
  const std::size_t from = desktop.Events().size();
  EXPECT_TRUE(desktop.Type(GetParam().typed));

  std::vector<std::pair<int, int>> key_downs;
  for (std::size_t i = from; i < desktop.Events().size(); ++i) {
    const sim::RaisedEvent& event = desktop.Events()[i];
    ASSERT_EQ(event.event, Event::KeyDown);
    ASSERT_EQ(event.control, 编辑框5);
    key_downs.emplace_back(event.args.key_code, event.args.shift);
  }
  EXPECT_EQ(key_downs, GetParam().key_downs);
  EXPECT_EQ(desktop.Text(编辑框5), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, DesktopTyping,
    testing::Values(
        TypingCase{"digits", "100", {{49, 0}, {48, 0}, {48, 0}}, "100"},
        TypingCase{"point_and_minus", "-0.5", {{189, 0}, {48, 0}, {190, 0}, {53, 0}}, "-0.5"},
        TypingCase{"letters_with_shift", "aA", {{65, 0}, {65, 2}}, "aA"},
        TypingCase{"plus_is_shifted_equals", "+", {{187, 2}}, "+"},
        TypingCase{"space", "1 2", {{49, 0}, {32, 0}, {50, 0}}, "1 2"},
        // Full-width digits come from the input method, one character each.
        TypingCase{"full_width", "\xA3\xB1\xA3\xB2", {{229, 0}, {229, 0}}, "\xA3\xB1\xA3\xB2"},
        // A one-line box ignores Enter but still reports the key.
        TypingCase{"enter_in_one_line_box", "1\r\n2", {{49, 0}, {13, 0}, {50, 0}}, "12"},
        TypingCase{"backspace_takes_a_whole_character",
                   "12\xD5\xC5\b\b",
                   {{49, 0}, {50, 0}, {229, 0}, {8, 0}, {8, 0}},
                   "1"}),
    [](const testing::TestParamInfo<TypingCase>& info) { return info.param.name; });

TEST(DesktopKeyboard, KeypadKeysReportTheMainKeysCodes) {
  Desktop desktop = Started();
  desktop.Click(编辑框11);
  const std::size_t from = desktop.Events().size();
  EXPECT_TRUE(desktop.TypeOnKeypad("19.-/\r"));
  std::vector<int> codes;
  for (std::size_t i = from; i < desktop.Events().size(); ++i) {
    codes.push_back(desktop.Events()[i].args.key_code);
  }
  EXPECT_EQ(codes, (std::vector<int>{49, 57, 190, 189, 191, 13}));
  EXPECT_EQ(desktop.Text(编辑框11), "19.-/");
  EXPECT_THROW(desktop.TypeOnKeypad("*"), std::invalid_argument);
}

TEST(DesktopKeyboard, TheNotesBoxTakesEnterAsALineBreak) {
  Desktop desktop = Started();
  desktop.Click(编辑框2);
  desktop.Type("a\rb\nc");
  desktop.Press(Key::Enter);
  EXPECT_EQ(desktop.Text(编辑框2), "a\r\nb\r\nc\r\n");
  desktop.Press(Key::Backspace);
  EXPECT_EQ(desktop.Text(编辑框2), "a\r\nb\r\nc") << "Backspace takes the whole line break";
}

Result SwallowEnter(app::Window&, const app::EventArgs& args) {
  return args.key_code == app::kKeyEnter ? Result::False : Result::None;
}
app::Handler NotesSwallowEnter(std::optional<Control> control, Event event) {
  return control == 编辑框2 && event == Event::KeyDown ? &SwallowEnter : nullptr;
}

TEST(DesktopKeyboard, AKeySwallowedByKeyDownNeverReachesTheBox) {
  Desktop desktop = Started(&NotesSwallowEnter);
  desktop.Click(编辑框2);
  desktop.Type("1\r2");
  EXPECT_EQ(desktop.Text(编辑框2), "12");
}

TEST(DesktopKeyboard, ReadOnlyBoxesReportKeysButKeepTheirText) {
  Desktop desktop = Started();
  desktop.SetText(编辑框8, "60");
  desktop.Click(编辑框8);
  const std::size_t from = desktop.Events().size();
  EXPECT_TRUE(desktop.Type("5"));
  desktop.Press(Key::Backspace);
  EXPECT_EQ(desktop.Text(编辑框8), "60");
  EXPECT_EQ(RaisedSince(desktop, from).size(), 2u);
}

TEST(DesktopKeyboard, ADisabledBoxTakesNoKeysAndLosesTheFocus) {
  Desktop desktop = Started();
  desktop.Click(编辑框6);
  desktop.SetDisabled(编辑框6, 1);
  EXPECT_EQ(desktop.Focus(), std::nullopt);
  desktop.SetFocus(编辑框6);
  const std::size_t from = desktop.Events().size();
  EXPECT_FALSE(desktop.Type("1"));
  EXPECT_TRUE(RaisedSince(desktop, from).empty());
  EXPECT_FALSE(desktop.Click(编辑框6));
  EXPECT_EQ(desktop.Text(编辑框6), "\xD7\xD4\xB6\xA8\xD2\xE5");
}

TEST(DesktopKeyboard, SelectAllLetsTheNextKeyReplaceTheText) {
  Desktop desktop = Started();
  desktop.Click(编辑框2);
  desktop.Type("note");
  desktop.SelectAll();
  desktop.Press(Key::Backspace);
  EXPECT_EQ(desktop.Text(编辑框2), "");
  desktop.Type("ab");
  desktop.SelectAll();
  desktop.Type("c");
  EXPECT_EQ(desktop.Text(编辑框2), "c");
}

TEST(DesktopKeyboard, EscapeAndF1DoNothingButReportTheKey) {
  Desktop desktop = Started();
  desktop.Click(编辑框5);
  desktop.Type("7");
  desktop.Press(Key::Escape);
  desktop.Press(Key::F1);
  EXPECT_FALSE(desktop.Closed());
  EXPECT_EQ(desktop.Text(编辑框5), "7");
  EXPECT_EQ(desktop.Events().back().args.key_code, 112);
}

// Check boxes and buttons.

Result CopyDoubleSidedMark(app::Window& window, const app::EventArgs&) {
  window.SetText(编辑框2, window.Checked(选择框1) != 0 ? "ticked" : "clear");
  return Result::None;
}
app::Handler DoubleSidedReportsItsMark(std::optional<Control> control, Event event) {
  return control == 选择框1 && event == Event::Click ? &CopyDoubleSidedMark : nullptr;
}

TEST(DesktopClicks, ACheckBoxHasToggledWhenItsClickRuns) {
  Desktop desktop = Started(&DoubleSidedReportsItsMark);
  desktop.Click(选择框1);
  EXPECT_EQ(desktop.Text(编辑框2), "ticked");
  EXPECT_EQ(desktop.Focus(), 选择框1);
  desktop.Press(Key::Space);
  EXPECT_EQ(desktop.Text(编辑框2), "clear");
  EXPECT_EQ(desktop.Checked(选择框1), 0);
  // A double-click is two clicks.
  desktop.DoubleClick(选择框1);
  EXPECT_EQ(desktop.Checked(选择框1), 0);
  EXPECT_EQ(desktop.Text(编辑框2), "clear");
}

TEST(DesktopClicks, WritingAPropertyRaisesNothing) {
  Desktop desktop = Started(&DoubleSidedReportsItsMark);
  const std::size_t from = desktop.Events().size();
  desktop.SetChecked(选择框1, 7);
  EXPECT_EQ(desktop.Checked(选择框1), 1) << "any non-zero value ticks";
  desktop.SetText(编辑框5, "3");
  desktop.SetDisabled(编辑框6, 1);
  desktop.SetTextColor(编辑框6, 255);
  desktop.SetFocus(定位编辑框1);
  desktop.SetTopMost(1);
  EXPECT_TRUE(RaisedSince(desktop, from).empty());
  EXPECT_EQ(desktop.Text(编辑框2), "");
  EXPECT_EQ(desktop.TextColor(编辑框6), 255u);
  EXPECT_TRUE(desktop.Disabled(编辑框6));
}

struct MouseCase {
  const char* name;
  friend void PrintTo(const MouseCase& c, std::ostream* out) { *out << c.name; }
  Control control;
  bool right;
  bool twice;
  std::vector<std::pair<std::optional<Control>, Event>> raised;
  int drags;
  std::optional<Control> focus;  // after the press; 编辑框13 had it before
};

class DesktopMouse : public testing::TestWithParam<MouseCase> {};

TEST_P(DesktopMouse, PressesRaiseTheirEventsDragOrMoveTheFocus) {
  const MouseCase& c = GetParam();
  Desktop desktop = Started();
  desktop.SetFocus(编辑框13);
  const std::size_t from = desktop.Events().size();
  const sim::MouseButton button = c.right ? sim::MouseButton::Right : sim::MouseButton::Left;
  if (c.twice) {
    desktop.DoubleClick(c.control, button);
  } else if (c.right) {
    desktop.RightClick(c.control);
  } else {
    desktop.Click(c.control);
  }
  EXPECT_EQ(RaisedSince(desktop, from), c.raised);
  EXPECT_EQ(desktop.Drags(), c.drags);
  EXPECT_EQ(desktop.Focus(), c.focus);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, DesktopMouse,
    testing::Values(
        MouseCase{"label_drags", 标签8, false, false, {}, 1, 编辑框13},
        MouseCase{"group_box_drags", 分组框1, false, false, {}, 1, 编辑框13},
        MouseCase{"label_double_click_drags_twice", 标签1, false, true, {}, 2, 编辑框13},
        MouseCase{"label_right_press",
                  标签8,
                  true,
                  false,
                  {{标签8, Event::RightButtonDown}},
                  0,
                  编辑框13},
        MouseCase{"label_right_double_click",
                  标签8,
                  true,
                  true,
                  {{标签8, Event::RightButtonDown}},
                  0,
                  编辑框13},
        MouseCase{"group_box_right_press", 分组框2, true, false, {}, 0, 编辑框13},
        MouseCase{"transparent_label",
                  透明标签3,
                  false,
                  false,
                  {{透明标签3, Event::LeftButtonDown}},
                  0,
                  编辑框13},
        MouseCase{"transparent_label_double_click",
                  透明标签4,
                  false,
                  true,
                  {{透明标签4, Event::LeftButtonDown}},
                  0,
                  编辑框13},
        MouseCase{"edit_box_takes_the_focus",
                  编辑框5,
                  false,
                  false,
                  {{编辑框5, Event::LeftButtonDown}},
                  0,
                  编辑框5},
        MouseCase{"edit_box_double_click",
                  编辑框7,
                  false,
                  true,
                  {{编辑框7, Event::LeftButtonDown}},
                  0,
                  编辑框7},
        MouseCase{"button",
                  按钮2,
                  false,
                  false,
                  {{按钮2, Event::LeftButtonDown}, {按钮2, Event::Click}},
                  0,
                  按钮2},
        MouseCase{"button_double_click",
                  按钮6,
                  false,
                  true,
                  {{按钮6, Event::LeftButtonDown}, {按钮6, Event::Click}, {按钮6, Event::Click}},
                  0,
                  按钮6},
        MouseCase{"hidden_box", 定位编辑框1, false, false, {}, 0, 编辑框13},
        MouseCase{"timer", 时钟1, false, false, {}, 0, 编辑框13}),
    [](const testing::TestParamInfo<MouseCase>& info) { return info.param.name; });

Result Swallow(app::Window&, const app::EventArgs&) {
  return Result::False;
}
app::Handler SwallowPresses(std::optional<Control> control, Event event) {
  return control && event == Event::LeftButtonDown ? &Swallow : nullptr;
}

TEST(DesktopClicks, ASwallowedPressNeitherFocusesNorClicks) {
  Desktop desktop = Started(&SwallowPresses);
  desktop.SetFocus(编辑框13);
  desktop.Click(编辑框5);
  desktop.Click(选择框7);
  EXPECT_EQ(desktop.Focus(), 编辑框13);
  EXPECT_EQ(desktop.Checked(选择框7), 0);
}

TEST(DesktopClicks, TheBackgroundDragsTheWindow) {
  Desktop desktop = Started();
  const std::size_t from = desktop.Events().size();
  EXPECT_TRUE(desktop.PressBackground());
  EXPECT_EQ(desktop.Drags(), 1);
  EXPECT_TRUE(RaisedSince(desktop, from).empty());
}

// The Tab cycle.

struct TabCase {
  std::optional<Control> from;
  bool backward;
  bool price_box_disabled;
  std::optional<Control> to;
};

class DesktopTab : public testing::TestWithParam<TabCase> {};

TEST_P(DesktopTab, MovesAlongTheFixedSequence) {
  const TabCase& c = GetParam();
  Desktop desktop = Started();
  desktop.SetDisabled(编辑框6, c.price_box_disabled ? 1 : 0);
  if (c.from) desktop.SetFocus(*c.from);
  const std::size_t from = desktop.Events().size();
  EXPECT_TRUE(desktop.Press(Key::Tab, c.backward ? app::kShiftShift : 0));
  EXPECT_EQ(desktop.Focus(), c.to);
  EXPECT_TRUE(RaisedSince(desktop, from).empty()) << "Tab raises no KeyDown";
}

INSTANTIATE_TEST_SUITE_P(
    Cycle, DesktopTab,
    testing::Values(TabCase{定位编辑框1, false, true, 编辑框13},
                    TabCase{定位编辑框1, true, true, 按钮6},
                    TabCase{选择框2, false, true, 编辑框5},  // wraps forward
                    TabCase{编辑框5, true, true, 选择框2},   // wraps backward
                    TabCase{编辑框2, false, true, 按钮1},
                    TabCase{编辑框5, false, true, 编辑框3},  // skips the disabled price box
                    TabCase{编辑框5, false, false, 编辑框6}, TabCase{编辑框3, true, true, 编辑框5},
                    TabCase{编辑框6, false, true, 编辑框3},  // a left-out control keeps its place
                    TabCase{标签8, false, true, 编辑框5},    // outside the sequence
                    TabCase{标签8, true, true, 选择框2},
                    TabCase{std::nullopt, false, true, 编辑框5},
                    TabCase{std::nullopt, true, true, 选择框2}));

TEST(DesktopTabCycle, VisitsEveryVisibleEnabledStopOnceAndComesBack) {
  Desktop desktop = Started();
  desktop.SetDisabled(编辑框6, 1);
  desktop.SetFocus(编辑框5);
  std::vector<Control> visited;
  do {
    desktop.Press(Key::Tab);
    visited.push_back(*desktop.Focus());
  } while (desktop.Focus() != 编辑框5 && visited.size() < 50);

  std::vector<Control> expected;
  for (Control control : app::TabSequence()) {
    if (control != 定位编辑框1 && control != 编辑框6 && control != 编辑框5) {
      expected.push_back(control);
    }
  }
  expected.push_back(编辑框5);
  EXPECT_EQ(visited, expected);
}

TEST(DesktopTabCycle, TabSelectsTheTextOfAOneLineBoxButNotOfTheNotes) {
  Desktop desktop = Started();
  desktop.SetText(编辑框5, "100");
  desktop.SetText(编辑框2, "note");
  desktop.SetFocus(选择框2);
  desktop.Press(Key::Tab);
  desktop.Type("5");
  EXPECT_EQ(desktop.Text(编辑框5), "5");
  desktop.SetFocus(编辑框13);
  desktop.Press(Key::Tab);
  desktop.Type("s");
  EXPECT_EQ(desktop.Text(编辑框2), "notes");
}

TEST(DesktopTabCycle, TabIsNeverTypedIntoTheNotesBox) {
  Desktop desktop = Started();
  desktop.Click(编辑框2);
  desktop.Type("a\tb");
  EXPECT_EQ(desktop.Text(编辑框2), "a");
  EXPECT_EQ(desktop.Focus(), 按钮1);
}

// The timer.

struct TimerStep {
  long long at;  // when the interval is written
  int interval;
};
struct TimerCase {
  const char* name;
  friend void PrintTo(const TimerCase& c, std::ostream* out) { *out << c.name; }
  std::vector<TimerStep> writes;
  long long until;
  std::vector<long long> ticks;
  int interval_after;
};

class DesktopTimer : public testing::TestWithParam<TimerCase> {};

TEST_P(DesktopTimer, IntervalWritesFollowTheTimerRules) {
  Desktop desktop = Started();
  for (const TimerStep& step : GetParam().writes) {
    desktop.Advance(step.at - desktop.Now());
    desktop.SetInterval(时钟1, step.interval);
  }
  desktop.Advance(GetParam().until - desktop.Now());
  EXPECT_EQ(TickTimes(desktop), GetParam().ticks);
  EXPECT_EQ(desktop.Interval(), GetParam().interval_after);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, DesktopTimer,
    testing::Values(
        TimerCase{"repeats", {{0, 1000}}, 3500, {1000, 2000, 3000}, 1000},
        TimerCase{
            "same_value_keeps_the_countdown", {{0, 1000}, {600, 1000}}, 2100, {1000, 2000}, 1000},
        TimerCase{"new_value_restarts", {{0, 1000}, {600, 800}}, 3000, {1400, 2200, 3000}, 800},
        TimerCase{"zero_stops", {{0, 1000}, {1500, 0}}, 9000, {1000}, 0},
        TimerCase{"negative_stops", {{0, 1000}, {1500, -5}}, 9000, {1000}, 0},
        TimerCase{"negative_when_stopped_changes_nothing", {{0, -5}}, 5000, {}, 0},
        TimerCase{"restarts_after_a_stop",
                  {{0, 1000}, {1500, 0}, {1700, 1000}},
                  3000,
                  {1000, 2700},
                  1000}),
    [](const testing::TestParamInfo<TimerCase>& info) { return info.param.name; });

TEST(DesktopTimerRules, TicksMissedWhileTheThreadIsBusyFoldIntoOne) {
  Desktop desktop = Started();
  desktop.SetInterval(时钟1, 1000);
  desktop.Advance(500);
  desktop.Stall(4000);  // 1000 to 4000 pass unseen
  EXPECT_TRUE(TickTimes(desktop).empty());
  desktop.Advance(1000);
  EXPECT_EQ(TickTimes(desktop), (std::vector<long long>{4500, 5000}));
}

Result StartCalculator(app::Window& window, const app::EventArgs&) {
  window.RunProgram("calc.exe");
  return Result::None;
}
app::Handler CalculatorButton(std::optional<Control> control, Event event) {
  return control == 按钮1 && event == Event::Click ? &StartCalculator : nullptr;
}

TEST(DesktopTimerRules, AProgramStartHoldsTheThreadAndTheMissedTickComesAfter) {
  Desktop desktop = Started(&CalculatorButton);
  desktop.SetProgramStartDelay(1800);
  desktop.SetInterval(时钟1, 1000);
  desktop.Advance(300);
  desktop.Click(按钮1);
  EXPECT_EQ(desktop.Now(), 2100);
  EXPECT_EQ(TickTimes(desktop), (std::vector<long long>{2100}));
  EXPECT_EQ(desktop.ProgramsRun(), (std::vector<std::string>{"calc.exe"}));
}

TEST(DesktopTimerRules, TicksDueBeforeTheWindowShowsFoldIntoOneAndNoneComeAfterClosing) {
  Desktop desktop(&NoHandlers);
  desktop.SetInterval(时钟1, 1000);
  desktop.Advance(5500);
  EXPECT_TRUE(TickTimes(desktop).empty());
  desktop.Start();
  EXPECT_EQ(TickTimes(desktop), (std::vector<long long>{5500}));
  desktop.Advance(500);
  EXPECT_EQ(TickTimes(desktop), (std::vector<long long>{5500, 6000}));
  desktop.RequestClose();
  desktop.Advance(5000);
  EXPECT_EQ(TickTimes(desktop).size(), 2u);
}

// Information boxes.

Result WarnOnEveryTick(app::Window& window, const app::EventArgs&) {
  window.ShowInfoBox("tick", "warning");
  return Result::None;
}
app::Handler TickWarns(std::optional<Control> control, Event event) {
  return control == 时钟1 && event == Event::TimerTick ? &WarnOnEveryTick : nullptr;
}

TEST(DesktopInfoBox, WhileABoxIsOpenTheWindowTakesNoInputButTicksRunNested) {
  Desktop desktop = Started(&TickWarns);
  desktop.SetInterval(时钟1, 1000);
  std::vector<bool> refused;
  desktop.SetModalLoop([&](Desktop& d, const sim::InfoBox&) {
    if (d.OpenBoxes() > 1) return;  // the nested box: OK at once
    refused = {d.Type("1"), d.Click(按钮2), d.Press(Key::Tab), d.RequestClose(),
               d.PressBackground()};
    d.Advance(1000);
  });
  desktop.Advance(1000);

  EXPECT_EQ(refused, std::vector<bool>(5, false));
  EXPECT_EQ(desktop.InfoBoxes(),
            (std::vector<sim::InfoBox>{{"tick", "warning"}, {"tick", "warning"}}));
  EXPECT_EQ(desktop.MostBoxesOpen(), 2);
  EXPECT_EQ(desktop.OpenBoxes(), 0);
  EXPECT_FALSE(desktop.Closed());
  // The second tick ran inside the first tick's box.
  const std::vector<sim::RaisedEvent>& events = desktop.Events();
  ASSERT_GE(events.size(), 2u);
  EXPECT_EQ(events[events.size() - 2].depth, 0);
  EXPECT_EQ(events.back().depth, 1);
  EXPECT_EQ(events.back().at, 2000);
}

TEST(DesktopInfoBox, ByDefaultTheOperatorPressesOkAtOnce) {
  Desktop desktop = Started(&TickWarns);
  desktop.SetInterval(时钟1, 1000);
  desktop.Advance(3000);
  EXPECT_EQ(desktop.InfoBoxes().size(), 3u);
  EXPECT_EQ(desktop.MostBoxesOpen(), 1);
  EXPECT_EQ(desktop.OpenBoxes(), 0);
  EXPECT_TRUE(desktop.Type("1"));
}

// Closing.

Result RefuseToClose(app::Window&, const app::EventArgs&) {
  return Result::False;
}
app::Handler CloseRefused(std::optional<Control> control, Event event) {
  return !control && event == Event::CloseQuery ? &RefuseToClose : nullptr;
}

TEST(DesktopClosing, ARefusalKeepsTheWindowOpenForEveryKindOfRequest) {
  Desktop desktop = Started(&CloseRefused);
  desktop.Click(编辑框5);
  EXPECT_FALSE(desktop.RequestClose());
  EXPECT_TRUE(desktop.Press(Key::F4, app::kShiftAlt));
  EXPECT_FALSE(desktop.QueryEndSession());
  EXPECT_FALSE(desktop.Closed());
  int queries = 0;
  for (const sim::RaisedEvent& event : desktop.Events())
    queries += event.event == Event::CloseQuery;
  EXPECT_EQ(queries, 3);
}

TEST(DesktopClosing, AltF4ReachesTheFocusedBoxFirstThenClosesTheWindow) {
  Desktop desktop = Started();
  desktop.Click(编辑框5);
  const std::size_t from = desktop.Events().size();
  desktop.Press(Key::F4, app::kShiftAlt);
  EXPECT_TRUE(desktop.Closed());
  const auto raised = RaisedSince(desktop, from);
  ASSERT_EQ(raised.size(), 2u);
  EXPECT_EQ(raised[0], std::make_pair(std::optional<Control>(编辑框5), Event::KeyDown));
  EXPECT_EQ(desktop.Events()[from].args.shift, app::kShiftAlt);
  EXPECT_EQ(raised[1], std::make_pair(std::optional<Control>(), Event::CloseQuery));
}

TEST(DesktopClosing, AClosedWindowTakesNoInput) {
  Desktop desktop = Started();
  EXPECT_TRUE(desktop.RequestClose());
  EXPECT_FALSE(desktop.Type("1"));
  EXPECT_FALSE(desktop.Click(按钮2));
  EXPECT_FALSE(desktop.Press(Key::Tab));
  EXPECT_FALSE(desktop.RequestClose());
  EXPECT_EQ(desktop.Focus(), std::nullopt);
}

// Calls that make no sense for a control are faults in the handler that makes them.
TEST(DesktopContract, PropertiesOfTheWrongKindOfControlAreRejected) {
  Desktop desktop = Started();
  EXPECT_THROW(desktop.Checked(按钮2), std::logic_error);
  EXPECT_THROW(desktop.SetChecked(编辑框5, 1), std::logic_error);
  EXPECT_THROW(desktop.SetInterval(编辑框5, 1000), std::logic_error);
  EXPECT_THROW(desktop.SetDisabled(选择框7, 1), std::logic_error);
  EXPECT_THROW(desktop.SetTextColor(标签9, 255), std::logic_error);
  EXPECT_THROW(desktop.Text(标签9), std::logic_error);
  EXPECT_THROW(desktop.SetText(时钟1, "x"), std::logic_error);
  EXPECT_THROW(desktop.SetFocus(时钟1), std::logic_error);
  EXPECT_NO_THROW(desktop.SetText(标签9, "x"));
  EXPECT_EQ(desktop.TextOf(标签9), "x");
}

}  // namespace
