// The three fee slots: a save button fills an empty slot with the print charge and a remark, a
// right click on the slot's caption empties it.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <tuple>

#include "tests/scenario/counter.h"

namespace scenario {
namespace {

struct Slot {
  const char* name;
  Control caption;
  Control amount;
  Control remark;
  Control save;
  friend void PrintTo(const Slot& s, std::ostream* out) { *out << s.name; }
};

const Slot kSlots[] = {
    {"slot1", 标签8, 编辑框8, 标签9, 按钮3},
    {"slot2", 标签10, 编辑框9, 标签11, 按钮4},
    {"slot3", 标签12, 编辑框10, 标签13, 按钮5},
};

enum class Action { Save, SaveWithoutCharge, RightClickCaption };

struct SlotRow {
  const char* name;
  bool full_before;
  Action action;
  std::string amount_after;
  std::string remark_after;
  bool focus_parked;  // else the focus stays where the operator's click put it
  friend void PrintTo(const SlotRow& r, std::ostream* out) { *out << r.name; }
};

// Full slots hold 66 with the remark of 100 sheets; the charge on the counter is then 9, for 5
// sheets, so that a second save would show.
class SlotStates : public Counter, public testing::WithParamInterface<std::tuple<Slot, SlotRow>> {
 protected:
  void SetUp() override {
    Counter::SetUp();
    Fill(编辑框5, "100");
    FeeOn("6.00");
  }
};

TEST_P(SlotStates, EachClickFillsEmptiesOrLeavesTheSlot) {
  const auto& [slot, row] = GetParam();
  if (row.full_before) {
    ChargeFor("100");
    desk.Click(slot.save);
    ASSERT_EQ(desk.Text(slot.amount), "66");
    ChargeFor("5");
  } else if (row.action != Action::SaveWithoutCharge) {
    ChargeFor("100");
  }
  desk.SetFocus(编辑框13);

  switch (row.action) {
    case Action::Save:
    case Action::SaveWithoutCharge:
      desk.Click(slot.save);
      break;
    case Action::RightClickCaption:
      desk.RightClick(slot.caption);
      break;
  }
  EXPECT_EQ(desk.Text(slot.amount), row.amount_after);
  EXPECT_EQ(desk.TextOf(slot.remark), row.remark_after);
  const std::optional<Control> unmoved =
      row.action == Action::RightClickCaption ? 编辑框13 : slot.save;
  EXPECT_EQ(desk.Focus(), row.focus_parked ? 定位编辑框1 : unmoved);
  // The other slots are untouched.
  for (const Slot& other : kSlots) {
    if (other.save == slot.save) continue;
    EXPECT_EQ(desk.Text(other.amount), "") << other.name;
    EXPECT_EQ(desk.TextOf(other.remark), "备注：") << other.name;
  }
}

INSTANTIATE_TEST_SUITE_P(
    StateTable, SlotStates,
    testing::Combine(
        testing::ValuesIn(kSlots),
        testing::Values(
            SlotRow{"empty_save", false, Action::Save, "66", "备注：100X0.60+6.00", true},
            // The slot stays empty, but its remark is written.
            SlotRow{"empty_save_without_charge", false, Action::SaveWithoutCharge, "",
                    "备注：100X0.60+6.00", true},
            SlotRow{"full_save", true, Action::Save, "66", "备注：100X0.60+6.00", false},
            SlotRow{"full_right_click", true, Action::RightClickCaption, "", "备注：", false},
            SlotRow{"empty_right_click", false, Action::RightClickCaption, "", "备注：", false})),
    [](const testing::TestParamInfo<std::tuple<Slot, SlotRow>>& info) {
      return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
    });

using FeeSlots = Counter;

// The remark quotes the count, price and fee boxes as they stand when the slot is filled.
struct RemarkCase {
  const char* name;
  std::vector<Control> clicks;  // price and fee switches, from start-up
  std::string count;
  std::string remark;
  friend void PrintTo(const RemarkCase& c, std::ostream* out) { *out << c.name; }
};

class Remarks : public Counter, public testing::WithParamInterface<RemarkCase> {};

TEST_P(Remarks, QuoteTheBoxesVerbatim) {
  for (Control click : GetParam().clicks) desk.Click(click);
  ChargeFor(GetParam().count);
  desk.Click(按钮3);
  EXPECT_EQ(desk.TextOf(标签9), GetParam().remark);
}

INSTANTIATE_TEST_SUITE_P(
    Pieces, Remarks,
    testing::Values(RemarkCase{"fee_on", {选择框7}, "100", "备注：100X0.60+6.00"},
                    RemarkCase{"fee_never_touched", {}, "100", "备注：100X0.60+"},
                    RemarkCase{"fee_switched_off", {选择框7, 选择框7}, "100", "备注：100X0.60+0"},
                    RemarkCase{
                        "custom_mark", {选择框5, 选择框7, 选择框7}, "10", "备注：10X自定义+0"},
                    RemarkCase{"colour_double", {选择框6, 选择框1}, "2", "备注：2X4.00+"},
                    RemarkCase{"count_as_typed", {}, " 12张", "备注： 12张X0.60+"},
                    RemarkCase{"empty_count", {}, "", "备注：X0.60+"}),
    [](const testing::TestParamInfo<RemarkCase>& info) { return info.param.name; });

TEST_F(FeeSlots, ARemarkQuotesTheCountAtSavingNotAtComputing) {
  ChargeFor("100");
  Fill(编辑框5, "5");
  desk.Click(按钮3);
  EXPECT_EQ(desk.Text(编辑框8), "60");
  EXPECT_EQ(desk.TextOf(标签9), "备注：5X0.60+");
}

TEST_F(FeeSlots, AFullSlotTurnsTheSaveAwayAndTheNextSlotTakesIt) {
  ChargeFor("100");
  desk.Click(按钮3);
  ChargeFor("50");
  desk.Click(按钮3);
  EXPECT_EQ(desk.Text(编辑框8), "60");
  EXPECT_EQ(desk.TextOf(标签9), "备注：100X0.60+");
  desk.Click(按钮4);
  EXPECT_EQ(desk.Text(编辑框9), "30");
  EXPECT_EQ(desk.TextOf(标签11), "备注：50X0.60+");
}

TEST_F(FeeSlots, AnAmountTypedIntoTheChargeBoxIsSavedAsTyped) {
  SaveByHand(按钮5, " 12.50 ");
  EXPECT_EQ(desk.Text(编辑框10), " 12.50 ");
}

TEST_F(FeeSlots, ASlotSavedWithoutAChargeCanBeFilledLater) {
  Fill(编辑框5, "7");
  desk.Click(按钮4);
  ASSERT_EQ(desk.Text(编辑框9), "");
  // Its caption's right click finds the slot empty and leaves the remark.
  desk.RightClick(标签10);
  EXPECT_EQ(desk.TextOf(标签11), "备注：7X0.60+");
  ChargeFor("7");
  desk.Click(按钮4);
  EXPECT_EQ(desk.Text(编辑框9), "4.2");
}

TEST_F(FeeSlots, TheOperatorCannotTypeIntoASlot) {
  ChargeFor("100");
  desk.Click(按钮3);
  desk.Click(编辑框8);
  EXPECT_EQ(desk.Focus(), 编辑框8);
  desk.Type("9");
  desk.Press(Key::Backspace);
  EXPECT_EQ(desk.Text(编辑框8), "60");
}

}  // namespace
}  // namespace scenario
