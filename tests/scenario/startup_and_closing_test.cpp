// What the operator finds when the window opens, the typical request end to end, and the guard
// that keeps the window open while the notes box holds anything.
#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <tuple>

#include "tests/scenario/counter.h"

namespace scenario {
namespace {

using StartUp = Counter;

TEST_F(StartUp, TheWindowOpensWithTheBlackAndWhitePriceAndTheCursorInTheSheetCount) {
  EXPECT_EQ(desk.Checked(选择框5), 1);
  EXPECT_EQ(desk.Checked(选择框6), 0);
  EXPECT_EQ(desk.Checked(选择框1), 0);
  EXPECT_EQ(desk.Checked(选择框7), 0);
  EXPECT_EQ(desk.Checked(选择框2), 0);
  EXPECT_EQ(desk.Text(编辑框6), "0.60");
  EXPECT_EQ(desk.TextColor(编辑框6), kBlack);
  EXPECT_TRUE(desk.Disabled(编辑框6));
  EXPECT_EQ(desk.Text(编辑框7), "");
  EXPECT_EQ(desk.Interval(), 1000);
  EXPECT_EQ(desk.SkinsApplied(), std::vector<int>{1});
  EXPECT_EQ(desk.TopMost(), 0);
  EXPECT_TRUE(desk.InfoBoxes().empty());
  EXPECT_EQ(desk.Focus(), 编辑框5);

  // Digits typed at once go into the sheet count; the price box takes no click.
  EXPECT_TRUE(desk.Type("25"));
  EXPECT_EQ(desk.Text(编辑框5), "25");
  EXPECT_FALSE(desk.Click(编辑框6));
}

TEST_F(StartUp, TheFirstTickComesOneSecondAfterTheWindowWasPrepared) {
  desk.Advance(999);
  desk.Advance(1);
  std::vector<long long> ticks;
  for (const sim::RaisedEvent& event : desk.Events()) {
    if (event.event == app::Event::TimerTick) ticks.push_back(event.at);
  }
  EXPECT_EQ(ticks, std::vector<long long>{1000});
}

TEST_F(StartUp, TheTypicalRequestFromSheetCountToGrandTotal) {
  desk.Type("100");
  desk.Press(Key::Enter);
  EXPECT_EQ(desk.Text(编辑框3), "60");
  EXPECT_EQ(desk.Text(编辑框5), "100");
  EXPECT_EQ(desk.Focus(), 编辑框5);

  desk.Click(按钮3);
  EXPECT_EQ(desk.Text(编辑框8), "60");
  // The fee box was never touched, so the remark ends with the "+" piece.
  EXPECT_EQ(desk.TextOf(标签9), "备注：100X0.60+");
  EXPECT_EQ(desk.Focus(), 定位编辑框1);

  desk.Click(编辑框11);
  desk.Type("10");
  desk.Click(按钮6);
  EXPECT_EQ(desk.Text(编辑框14), "70");
  EXPECT_EQ(desk.Focus(), 定位编辑框1);
}

// The closing guard.

enum class CloseBy { CloseButton, AltF4, SessionEnd };

struct NotesCase {
  const char* name;
  std::string_view notes;  // typed into the notes box; "\r" is Enter
  bool closes;
  friend void PrintTo(const NotesCase& c, std::ostream* out) { *out << c.name; }
};

class ClosingGuard : public Counter,
                     public testing::WithParamInterface<std::tuple<NotesCase, CloseBy>> {
 protected:
  // True when the window may close.
  bool AskToClose(CloseBy by) {
    switch (by) {
      case CloseBy::CloseButton:
        return desk.RequestClose();
      case CloseBy::AltF4:
        desk.Press(Key::F4, app::kShiftAlt);
        return desk.Closed();
      case CloseBy::SessionEnd:
        return desk.QueryEndSession();
    }
    return false;
  }
};

TEST_P(ClosingGuard, TheWindowClosesOnlyWhileTheNotesBoxIsEmpty) {
  const auto& [notes, by] = GetParam();
  // Amounts elsewhere never keep the window open.
  ChargeFor("100");
  desk.Click(按钮3);
  if (!notes.notes.empty()) {
    desk.Click(编辑框2);
    desk.Type(notes.notes);
  }
  // Alt+F4 goes down in the focused control; leave the focus where the operator left it.
  const Snapshot before(desk);

  EXPECT_EQ(AskToClose(by), notes.closes);
  EXPECT_EQ(desk.Closed(), notes.closes);
  if (notes.closes) {
    EXPECT_TRUE(desk.InfoBoxes().empty());
    return;
  }
  EXPECT_EQ(desk.InfoBoxes(),
            (std::vector<sim::InfoBox>{{"有内容未保存或处理，不可关闭", "警告"}}));
  EXPECT_TRUE(Snapshot(desk) == before) << "a refusal leaves every control as it was";
}

std::string NotesCaseName(const testing::TestParamInfo<std::tuple<NotesCase, CloseBy>>& info) {
  static const std::array<const char*, 3> by{"close_button", "alt_f4", "session_end"};
  return std::string(std::get<0>(info.param).name) + "_" +
         by[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(
    Notes, ClosingGuard,
    testing::Combine(testing::Values(NotesCase{"empty", "", true},
                                     NotesCase{"single_space", " ", false},
                                     NotesCase{"empty_line", "\r", false},
                                     NotesCase{"a_note", "call back 5pm", false},
                                     NotesCase{"chinese_note", "明天取件", false}),
                     testing::Values(CloseBy::CloseButton, CloseBy::AltF4, CloseBy::SessionEnd)),
    NotesCaseName);

TEST_F(Counter, EmptyingTheNotesLetsTheNextCloseThrough) {
  desk.Click(编辑框2);
  desk.Type("pick up at 5\r");
  EXPECT_FALSE(desk.RequestClose());
  EXPECT_FALSE(desk.QueryEndSession());
  EXPECT_EQ(WarningsShown(), 2);
  EXPECT_EQ(desk.Text(编辑框2), "pick up at 5\r\n");

  desk.Click(编辑框2);
  desk.SelectAll();
  desk.Press(Key::Backspace);
  EXPECT_TRUE(desk.RequestClose());
  EXPECT_EQ(WarningsShown(), 2);
}

TEST_F(Counter, WhileTheRefusalIsOpenTheWindowTakesNoInputAndTheTimerKeepsTicking) {
  desk.Click(编辑框2);
  desk.Type("x");
  std::vector<bool> took_input;
  desk.SetModalLoop([&](sim::Desktop& d, const sim::InfoBox&) {
    took_input = {d.Click(按钮2), d.Type("1"), d.RequestClose()};
    d.Advance(2000);
  });
  const long long before = desk.Now();
  EXPECT_FALSE(desk.RequestClose());
  EXPECT_EQ(took_input, std::vector<bool>(3, false));
  EXPECT_EQ(desk.Now(), before + 2000);
  int nested_ticks = 0;
  for (const sim::RaisedEvent& event : desk.Events()) {
    nested_ticks += event.event == app::Event::TimerTick && event.depth > 0;
  }
  EXPECT_EQ(nested_ticks, 2);
  EXPECT_EQ(desk.MostBoxesOpen(), 1);
  EXPECT_EQ(desk.Text(编辑框2), "x");
}

}  // namespace
}  // namespace scenario
