// The three fee slots from the operator's side: a save click copies the charge and writes the
// remark, a full slot takes nothing new, a right press on its caption empties it, and each slot
// keeps to its own row.
#include <vector>

#include "app/form.h"
#include "tests/e2e/window/expect.h"
#include "tests/e2e/window/running_window.h"
#include "tests/e2e/window/steps.h"

namespace e2e {
namespace {

using enum app::Control;

constexpr const char* kEmptyRemark = "备注：";

struct Slot {
  app::Control caption;
  app::Control amount;
  app::Control remark;
  app::Control save;
  app::Control after_save;  // where Tab goes from the save button
};

constexpr Slot kSlots[] = {
    {标签8, 编辑框8, 标签9, 按钮3, 编辑框9},
    {标签10, 编辑框9, 标签11, 按钮4, 编辑框10},
    {标签12, 编辑框10, 标签13, 按钮5, 编辑框11},
};

// The slots other than `slot` are empty, with the remark they started with.
void ExpectOtherSlotsUntouched(const Quorvane& app, const Slot& slot) {
  for (const Slot& other : kSlots) {
    if (other.save == slot.save) continue;
    EXPECT_TRUE(ShowsText(app, other.amount, ""));
    EXPECT_TRUE(ShowsText(app, other.remark, kEmptyRemark));
  }
}

class FeeSlot : public RunningWindow, public testing::WithParamInterface<Slot> {};

TEST_P(FeeSlot, FillsOnceAndEmptiesOnARightPressOnItsCaption) {
  const Slot& slot = GetParam();
  // Saved before any charge: the slot stays empty, but the remark is written.
  app().Click(slot.save);
  EXPECT_TRUE(ShowsText(app(), slot.remark, "备注：X0.60+"));
  EXPECT_TRUE(HasFocus(app(), 定位编辑框1));
  EXPECT_TRUE(ShowsText(app(), slot.amount, ""));
  // An empty slot's caption takes a right press without touching the remark; the fee switch
  // clicked after it shows when the press has been dealt with.
  app().RightClick(slot.caption);
  app().Click(选择框7);
  ASSERT_TRUE(ShowsText(app(), 编辑框7, "6.00"));
  EXPECT_TRUE(ShowsText(app(), slot.remark, "备注：X0.60+")) << "right press on an empty slot";

  app().TypeText(L"100");
  app().PressKey(VK_RETURN);
  ASSERT_TRUE(ShowsText(app(), 编辑框3, "66"));
  app().Click(slot.save);
  EXPECT_TRUE(Settles(app(), {TextIs(slot.amount, "66"), TextIs(slot.remark, "备注：100X0.60+6.00"),
                              FocusIn(定位编辑框1)}));
  ExpectOtherSlotsUntouched(app(), slot);

  // A full slot takes no new charge, and its button moves the focus no further than the click.
  // Tab, pressed after the click, shows when the click has been dealt with.
  app().ReplaceText(编辑框5, L"5");
  app().PressKey(VK_RETURN);
  ASSERT_TRUE(ShowsText(app(), 编辑框3, "9"));
  app().Click(slot.save);
  EXPECT_TRUE(HasFocus(app(), slot.save));
  app().PressKey(VK_TAB);
  ASSERT_TRUE(HasFocus(app(), slot.after_save));
  EXPECT_TRUE(ShowsText(app(), slot.amount, "66"));
  EXPECT_TRUE(ShowsText(app(), slot.remark, "备注：100X0.60+6.00"));

  app().RightClick(slot.caption);
  EXPECT_TRUE(Settles(app(), {TextIs(slot.amount, ""), TextIs(slot.remark, kEmptyRemark)}));
  EXPECT_TRUE(HasFocus(app(), slot.after_save)) << "emptying a slot moves no focus";
  ExpectOtherSlotsUntouched(app(), slot);

  // Emptied, it takes the charge shown now.
  app().Click(slot.save);
  EXPECT_TRUE(Settles(app(), {TextIs(slot.amount, "9"), TextIs(slot.remark, "备注：5X0.60+6.00")}));
  CloseNormally();
}

INSTANTIATE_TEST_SUITE_P(Slots, FeeSlot, testing::ValuesIn(kSlots),
                         [](const auto& info) { return std::to_string(info.index + 1); });

struct RemarkCase {
  const char* name;
  std::vector<Step> steps;  // from the start state, ending with a click on 按钮3
  const char* amount;
  const char* remark;
};

class Remarks : public RunningWindow, public testing::WithParamInterface<RemarkCase> {};

TEST_P(Remarks, QuoteTheBoxesAsTheyStandWhenTheSlotIsFilled) {
  const RemarkCase& c = GetParam();
  ASSERT_TRUE(HasFocus(app(), 编辑框5));
  Play(app(), c.steps);
  EXPECT_TRUE(Settles(app(), {TextIs(标签9, c.remark), TextIs(编辑框8, c.amount)}));
  CloseNormally();
}

INSTANTIATE_TEST_SUITE_P(
    Slot1, Remarks,
    testing::Values(
        RemarkCase{"FeeNeverSwitchedOn",
                   {Type(L"100"), Press(VK_RETURN), Click(按钮3)},
                   "60",
                   "备注：100X0.60+"},
        RemarkCase{"FeeSwitchedOff",
                   {Click(选择框7), Click(选择框7), Click(编辑框5), Type(L"100"), Press(VK_RETURN),
                    Click(按钮3)},
                   "60",
                   "备注：100X0.60+0"},
        RemarkCase{"CustomPriceMark",
                   {Click(选择框5), Click(选择框7), Click(选择框7), Click(编辑框5), Type(L"10"),
                    Press(VK_RETURN), Click(按钮3)},
                   "0",
                   "备注：10X自定义+0"},
        RemarkCase{"CountChangedAfterTheCharge",
                   {Type(L"100"), Press(VK_RETURN), Replace(编辑框5, L"7"), Click(按钮3)},
                   "60",
                   "备注：7X0.60+"},
        RemarkCase{"ChargeTypedByHand",
                   {Type(L"2"), Click(编辑框3), Type(L"1.50 cash"), Click(按钮3)},
                   "1.50 cash",
                   "备注：2X0.60+"},
        RemarkCase{"DoubleSidedColour",
                   {Click(选择框6), Click(选择框1), Type(L"3"), Press(VK_RETURN), Click(按钮3)},
                   "12",
                   "备注：3X4.00+"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
