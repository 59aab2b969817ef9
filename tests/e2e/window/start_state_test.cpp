// What the operator sees when the window first shows: every control as the form has it, except
// what the start-up gives it (the default price ticked, its price in the disabled price box, the
// focus in the sheet count), and the settings other programs read from its windows.
#include "app/form.h"
#include "tests/e2e/driver/input.h"
#include "tests/e2e/window/expect.h"
#include "tests/e2e/window/running_window.h"

namespace e2e {
namespace {

using enum app::Control;

// The start state differs from the form only here.
std::string_view StartText(const app::ControlForm& form) {
  return form.control == 编辑框6 ? std::string_view("0.60") : form.text;
}

// What an edit box reports when it is told to take any length (EM_SETLIMITTEXT with 0).
constexpr long long kNoLimit = 0x7FFFFFFE;

bool HasStyle(HWND window, LONG_PTR bits) {
  return (GetWindowLongPtrW(window, GWL_STYLE) & bits) == bits;
}

TEST_F(RunningWindow, ShowsEveryControlInItsStartState) {
  for (const app::ControlForm& form : app::Controls()) {
    if (form.kind == app::Kind::时钟) continue;
    const std::string name = NameOf(form.control);
    EXPECT_EQ(app().Visible(form.control), form.visible) << name << " visible";
    EXPECT_EQ(app().Enabled(form.control), form.control != 编辑框6) << name << " enabled";
    const std::string text = app().Text(form.control);
    EXPECT_EQ(text, StartText(form)) << name << ": expected \"" << Readable(StartText(form))
                                     << "\", seen \"" << Readable(text) << "\"";
    if (form.kind == app::Kind::选择框) {
      EXPECT_EQ(app().Checked(form.control), form.control == 选择框5) << name << " ticked";
    }
  }
  EXPECT_TRUE(HasFocus(app(), 编辑框5)) << "focus";
  CloseNormally();
}

TEST_F(RunningWindow, OpensActiveSoThatTheOperatorCanTypeTheCountAtOnce) {
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == app().Main(); }))
      << "the window did not come to the front";
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(app().Main(), nullptr), &info);
  EXPECT_EQ(info.hwndActive, app().Main());
  // Typed without bringing the window forward first.
  KeyDown('5');
  KeyUp('5');
  EXPECT_TRUE(ShowsText(app(), 编辑框5, "5"));
  CloseNormally();
}

TEST_F(RunningWindow, EditBoxesCarryTheirSettingsInTheirStyles) {
  for (const app::ControlForm& form : app::Controls()) {
    if (form.kind != app::Kind::编辑框) continue;
    HWND box = app().Find(form.control);
    const std::string name = NameOf(form.control);
    EXPECT_EQ(HasStyle(box, ES_READONLY), form.read_only) << name << " read-only";
    EXPECT_EQ(HasStyle(box, ES_MULTILINE), form.multi_line) << name << " multi-line";
    EXPECT_EQ(HasStyle(box, ES_CENTER), form.align == app::Align::Centre) << name << " centred";
    EXPECT_EQ(HasStyle(box, ES_PASSWORD), false) << name << " shows a mask character";
    EXPECT_EQ(HasStyle(box, WS_TABSTOP), form.tab_stop) << name << " Tab stop";
    EXPECT_EQ(HasStyle(box, WS_VSCROLL), form.multi_line) << name << " vertical scroll bar";
    // No length limit: the edit control's own default would cut a paste at about 30,000
    // characters, and the operator would never learn that the rest was lost.
    EXPECT_GE(app().TextLimit(form.control), kNoLimit)
        << name << " takes at most " << app().TextLimit(form.control) << " characters";
  }
  CloseNormally();
}

}  // namespace
}  // namespace e2e
