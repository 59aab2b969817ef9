// Action lists kept from soak runs, pasted as the soak prints them: the moments where boxes meet
// (a warning on top of another box, a session-end question while a box is open, the window
// closing from inside a box). The real handlers must keep every rule through each of them.
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "tests/soak/sim_run.h"

namespace soak {
namespace {

using enum app::Control;

struct Kept {
  const char* name;
  std::vector<Action> actions;
  int windows;          // windows opened while it played
  int most_boxes_open;  // boxes open at once, at the most
  friend void PrintTo(const Kept& c, std::ostream* out) { *out << c.name; }
};

class KeptList : public testing::TestWithParam<Kept> {};

TEST_P(KeptList, EveryRuleHoldsThroughIt) {
  const Kept& kept = GetParam();
  const Outcome outcome = PlayOnSimulatedDesktop(kept.actions);
  EXPECT_FALSE(outcome.failure) << outcome.failure->invariant << ": " << outcome.failure->detail;
  EXPECT_EQ(outcome.figures.actions, kept.actions.size());
  EXPECT_EQ(outcome.figures.windows, kept.windows);
  EXPECT_EQ(outcome.figures.most_boxes_open, kept.most_boxes_open);
}

const Kept kLists[] = {
    {"fee_warning_on_top_of_the_notice",
     {
         {Do::Click, 选择框7},
         {Do::Fill, 编辑框7, "1"},
         {Do::Click, 透明标签3},
         {Do::Wait, 1000},
         {Do::Type, "5"},
         {Do::Ok},
         {Do::Ok},
         {Do::Wait, 3000},
     },
     1,
     2},
    {"fee_warning_on_top_of_the_closing_refusal",
     {
         {Do::Click, 选择框7},
         {Do::Fill, 编辑框7, "2"},
         {Do::Note, "x"},
         {Do::CloseButton},
         {Do::Wait, 1000},
         {Do::CloseButton},
         {Do::Ok},
         {Do::Ok},
         {Do::Wait, 1000},
     },
     1,
     2},
    {"session_end_with_empty_notes_closes_from_inside_the_notice",
     {
         {Do::Click, 透明标签3},
         {Do::SessionEnd},
         {Do::Fill, 编辑框5, "100"},
         {Do::Enter},
     },
     2,
     1},
    {"session_end_while_the_refusal_is_open_opens_no_second_refusal",
     {
         {Do::Note, "call back"},
         {Do::SessionEnd},
         {Do::SessionEnd},
         {Do::Ok},
         {Do::ClearNotes},
         {Do::AltF4},
     },
     2,
     1},
    {"an_hour_of_ticks_with_the_fee_below_the_floor_warns_once",
     {
         {Do::Click, 选择框7},
         {Do::Fill, 编辑框7, "0"},
         {Do::Wait, 3600000},
         {Do::Ok},
         {Do::Wait, 3600000},
     },
     1,
     1},
    {"slots_filled_emptied_and_totalled_across_a_close",
     {
         {Do::Fill, 编辑框5, "１００"},
         {Do::Enter},
         {Do::Click, 按钮3},
         {Do::DoubleClick, 按钮3},
         {Do::RightClick, 标签10},
         {Do::Fill, 编辑框11, "1e999"},
         {Do::Click, 按钮6},
         {Do::RightClick, 标签8},
         {Do::Click, 按钮6},
         {Do::CloseButton},
         {Do::Click, 按钮6},
     },
     2,
     0},
};

INSTANTIATE_TEST_SUITE_P(Soak, KeptList, testing::ValuesIn(kLists),
                         [](const testing::TestParamInfo<Kept>& info) { return info.param.name; });

}  // namespace
}  // namespace soak
