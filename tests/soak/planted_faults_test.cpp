// The soak's checks against planted faults: each case swaps one handler of the counter for a
// subtly broken one. The soak must find the fault within a short seeded run, name the rule it
// breaks, and shrink the run to a short list that still breaks it with the fault and holds with
// the real handlers (so the list shows the fault, not a flaw of the program or of the checks).
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "app/form.h"
#include "pricing/amount_arithmetic.h"
#include "pricing/amount_text.h"
#include "tests/soak/generator.h"
#include "tests/soak/sim_run.h"

namespace soak {
namespace {

using app::Control;
using app::Event;
using app::Result;
using app::Window;
using enum app::Control;

app::Handler Real(Control control, Event event) {
  return app::FindHandler(control, event);
}
Result RunReal(Control control, Event event, Window& window, const app::EventArgs& args) {
  return Real(control, event)(window, args);
}
double Amount(const Window& window, Control box) {
  return pricing::ParseAmount(window.Text(box));
}

// The broken handlers.

Result TotalWithoutTheThirdCustomAmount(Window& window, const app::EventArgs&) {
  const double sum = pricing::SumAmounts({Amount(window, 编辑框8), Amount(window, 编辑框9),
                                          Amount(window, 编辑框10), Amount(window, 编辑框11),
                                          Amount(window, 编辑框12)});
  window.SetText(编辑框14, pricing::FormatAmount(sum));
  window.SetFocus(定位编辑框1);
  return Result::None;
}

Result CloseWhateverTheNotes(Window&, const app::EventArgs&) {
  return Result::None;
}

Result RefuseEvenWithEmptyNotes(Window& window, const app::EventArgs&) {
  window.ShowInfoBox("有内容未保存或处理，不可关闭", "警告");
  return Result::False;
}

Result CaptionTwoEmptiesSlotOne(Window& window, const app::EventArgs& args) {
  return RunReal(标签8, Event::RightButtonDown, window, args);
}

Result SaveOverAFullSlot(Window& window, const app::EventArgs& args) {
  window.SetText(编辑框8, "");
  return RunReal(按钮3, Event::Click, window, args);
}

Result SaveTheSheetCount(Window& window, const app::EventArgs& args) {
  const bool was_empty = window.Text(编辑框8).empty();
  const Result result = RunReal(按钮3, Event::Click, window, args);
  if (was_empty) window.SetText(编辑框8, window.Text(编辑框5));
  return result;
}

bool FeeBelowFloor(const Window& window) {
  return window.Checked(选择框7) == 1 && pricing::IsBelowFloor(Amount(window, 编辑框7), 3, 1e-7);
}

Result WarnBeforeRaisingTheFee(Window& window, const app::EventArgs&) {
  if (!FeeBelowFloor(window)) return Result::None;
  window.ShowInfoBox("排版费用不低于3元！！！", "警告");
  window.SetText(编辑框7, "3.00");
  return Result::None;
}

// The floor test taken as "at most 3": the fee just raised to 3.00 warns again at every tick.
Result WarnAtTheFloorToo(Window& window, const app::EventArgs&) {
  if (window.Checked(选择框7) != 1 || Amount(window, 编辑框7) > 3) return Result::None;
  window.SetText(编辑框7, "3.00");
  window.ShowInfoBox("排版费用不低于3元！！！", "警告");
  return Result::None;
}

Result NoFeeFloor(Window&, const app::EventArgs&) {
  return Result::None;
}

Result RefuseWithoutSaying(Window& window, const app::EventArgs&) {
  return window.Text(编辑框2).empty() ? Result::None : Result::False;
}

Result EmptyLeavesTheRemark(Window& window, const app::EventArgs& args) {
  const std::string remark = window.Text(编辑框8).empty() ? "" : "备注：1X0.60+";
  const Result result = RunReal(标签8, Event::RightButtonDown, window, args);
  if (!remark.empty()) window.SetText(标签9, remark);
  return result;
}

Result ChargeFillsTheThirdSlot(Window& window, const app::EventArgs& args) {
  const Result result = RunReal(按钮2, Event::Click, window, args);
  if (window.Text(编辑框10).empty()) window.SetText(编辑框10, window.Text(编辑框3));
  return result;
}

Result EnterDisablesTheCount(Window& window, const app::EventArgs& args) {
  const Result result = RunReal(编辑框5, Event::KeyDown, window, args);
  if (args.key_code == app::kKeyEnter) window.SetDisabled(编辑框5, 1);
  return result;
}

Result CustomPriceInBlack(Window& window, const app::EventArgs& args) {
  const Result result = RunReal(选择框5, Event::Click, window, args);
  if (window.Checked(选择框5) == 0) window.SetTextColor(编辑框6, 0);
  return result;
}

Result ColourKeepsBlackAndWhite(Window& window, const app::EventArgs& args) {
  const Result result = RunReal(选择框6, Event::Click, window, args);
  if (window.Checked(选择框6) == 1) window.SetChecked(选择框5, 1);
  return result;
}

Result CustomPriceStaysDisabled(Window& window, const app::EventArgs& args) {
  const Result result = RunReal(选择框5, Event::Click, window, args);
  window.SetDisabled(编辑框6, 1);
  return result;
}

Result DoubleSidedAtTheWrongPrice(Window& window, const app::EventArgs& args) {
  const Result result = RunReal(选择框1, Event::Click, window, args);
  if (window.Checked(选择框1) == 1 && window.Checked(选择框5) == 1) {
    window.SetText(编辑框6, "0.80");
  }
  return result;
}

Result ChargeAlsoFillsACustomAmount(Window& window, const app::EventArgs& args) {
  const Result result = RunReal(按钮2, Event::Click, window, args);
  window.SetText(编辑框11, window.Text(编辑框3));
  return result;
}

Result FeeOffDisablesTheFeeBox(Window& window, const app::EventArgs& args) {
  const Result result = RunReal(选择框7, Event::Click, window, args);
  if (window.Checked(选择框7) == 0) window.SetDisabled(编辑框7, 1);
  return result;
}

Result FeeOnLeavesTheFeeBlack(Window& window, const app::EventArgs& args) {
  const Result result = RunReal(选择框7, Event::Click, window, args);
  window.SetTextColor(编辑框7, 0);
  return result;
}

Result TotalAsksAButtonForItsTick(Window& window, const app::EventArgs& args) {
  window.Checked(按钮6);
  return RunReal(按钮6, Event::Click, window, args);
}

Result ChargeParksTheFocusOnALabel(Window& window, const app::EventArgs& args) {
  const Result result = RunReal(按钮2, Event::Click, window, args);
  window.SetFocus(标签1);
  return result;
}

Result NoticeWithoutTheNumber(Window& window, const app::EventArgs&) {
  window.ShowInfoBox("本公司自主研发软件、小程序开发\r\n商务QQ：", "提示");
  return Result::None;
}

// One handler replaced; every other binding as the form has it. The window's own events use
// kWindow in place of a control.
constexpr int kWindow = -1;

template <int Replaced, Event OnEvent, app::Handler Broken>
app::Handler Planted(std::optional<Control> control, Event event) {
  const int index = control ? app::Index(*control) : kWindow;
  return index == Replaced && event == OnEvent ? Broken : app::FindHandler(control, event);
}

struct FaultCase {
  const char* name;
  sim::Desktop::HandlerLookup lookup;
  std::vector<std::string> rules;  // the rule the soak must name (one of these)
  friend void PrintTo(const FaultCase& c, std::ostream* out) { *out << c.name; }
};

template <Control C, Event E, app::Handler H>
constexpr sim::Desktop::HandlerLookup kOn = &Planted<app::Index(C), E, H>;
template <Event E, app::Handler H>
constexpr sim::Desktop::HandlerLookup kOnWindow = &Planted<kWindow, E, H>;

const FaultCase kFaults[] = {
    {"total_leaves_out_a_custom_amount",
     kOn<按钮6, Event::Click, &TotalWithoutTheThirdCustomAmount>,
     {"the grand total is the sum of the six boxes"}},
    {"closes_with_notes",
     kOnWindow<Event::CloseQuery, &CloseWhateverTheNotes>,
     {"the window never closes while the notes hold text"}},
    {"refuses_with_empty_notes",
     kOnWindow<Event::CloseQuery, &RefuseEvenWithEmptyNotes>,
     {"a close request that meets empty notes closes the window"}},
    {"second_caption_empties_the_first_slot",
     kOn<标签10, Event::RightButtonDown, &CaptionTwoEmptiesSlotOne>,
     {"a full slot keeps its amount until its caption empties it"}},
    {"save_overwrites_a_full_slot",
     kOn<按钮3, Event::Click, &SaveOverAFullSlot>,
     {"a full slot keeps its amount until its caption empties it"}},
    {"save_takes_the_sheet_count",
     kOn<按钮3, Event::Click, &SaveTheSheetCount>,
     {"a slot takes the print charge as it stands"}},
    {"warning_before_the_fee_is_raised",
     kOn<时钟1, Event::TimerTick, &WarnBeforeRaisingTheFee>,
     {"the fee-floor warning opens with the fee raised to 3.00"}},
    {"warning_at_the_floor_too",
     kOn<时钟1, Event::TimerTick, &WarnAtTheFloorToo>,
     {"at most one box of each kind is open"}},
    {"no_fee_floor",
     kOn<时钟1, Event::TimerTick, &NoFeeFloor>,
     {"the fee never stays below 3 through a wait while it is on"}},
    {"refuses_without_saying",
     kOnWindow<Event::CloseQuery, &RefuseWithoutSaying>,
     {"a close request that meets notes shows the refusal"}},
    {"emptied_slot_keeps_a_remark",
     kOn<标签8, Event::RightButtonDown, &EmptyLeavesTheRemark>,
     {"an emptied slot's remark is reset"}},
    {"charge_fills_a_slot",
     kOn<按钮2, Event::Click, &ChargeFillsTheThirdSlot>,
     {"a slot is filled only by its save button"}},
    {"enter_disables_the_count_box",
     kOn<编辑框5, Event::KeyDown, &EnterDisablesTheCount>,
     {"the focus is always on a control"}},
    {"custom_price_in_black",
     kOn<选择框5, Event::Click, &CustomPriceInBlack>,
     {"a custom price is red"}},
    {"colour_keeps_black_and_white_ticked",
     kOn<选择框6, Event::Click, &ColourKeepsBlackAndWhite>,
     {"the price kinds exclude each other"}},
    {"custom_price_stays_disabled",
     kOn<选择框5, Event::Click, &CustomPriceStaysDisabled>,
     {"the price box is disabled exactly when a price kind is ticked"}},
    {"double_sided_at_the_wrong_price",
     kOn<选择框1, Event::Click, &DoubleSidedAtTheWrongPrice>,
     {"a preset price is the ticked kind's and sides' price, in black"}},
    {"charge_writes_a_custom_amount",
     kOn<按钮2, Event::Click, &ChargeAlsoFillsACustomAmount>,
     {"what the operator typed changes only by keys typed into it"}},
    {"fee_off_disables_the_fee_box",
     kOn<选择框7, Event::Click, &FeeOffDisablesTheFeeBox>,
     {"the fee box is never disabled"}},
    {"fee_on_stays_black",
     kOn<选择框7, Event::Click, &FeeOnLeavesTheFeeBlack>,
     {"the fee is blue while on and black while off"}},
    {"total_asks_a_button_for_its_tick",
     kOn<按钮6, Event::Click, &TotalAsksAButtonForItsTick>,
     {"nothing throws"}},
    {"charge_parks_the_focus_on_a_label",
     kOn<按钮2, Event::Click, &ChargeParksTheFocusOnALabel>,
     {"the focus is always on a control that takes it"}},
    {"notice_without_the_number",
     kOn<透明标签3, Event::LeftButtonDown, &NoticeWithoutTheNumber>,
     {"every box is one the program knows"}},
};

class PlantedFault : public testing::TestWithParam<FaultCase> {};

TEST_P(PlantedFault, TheSoakFindsItAndShrinksItToAShortListThatShowsIt) {
  const FaultCase& fault = GetParam();
  const std::vector<Action> actions = Generate(1, 20000, Profile::Day);
  const Outcome outcome = PlayOnSimulatedDesktop(actions, fault.lookup);
  ASSERT_TRUE(outcome.failure) << "the soak missed the fault";
  EXPECT_NE(std::find(fault.rules.begin(), fault.rules.end(), outcome.failure->invariant),
            fault.rules.end())
      << "broke: " << outcome.failure->invariant << "\nseen: " << outcome.failure->detail;

  const Shrunk shrunk = ShrinkOnSimulatedDesktop(actions, *outcome.failure, fault.lookup);
  const std::vector<Action>& shortest = shrunk.actions;
  const std::string report = Report(*outcome.failure, shrunk);
  EXPECT_LE(shortest.size(), 12u) << report;
  const Outcome again = PlayOnSimulatedDesktop(shortest, fault.lookup);
  ASSERT_TRUE(again.failure) << report;
  EXPECT_EQ(again.failure->invariant, outcome.failure->invariant) << report;
  EXPECT_FALSE(PlayOnSimulatedDesktop(shortest).failure) << "the real handlers fail too\n"
                                                         << report;
}

INSTANTIATE_TEST_SUITE_P(Faults, PlantedFault, testing::ValuesIn(kFaults),
                         [](const testing::TestParamInfo<FaultCase>& info) {
                           return info.param.name;
                         });

}  // namespace
}  // namespace soak
