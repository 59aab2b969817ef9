// The print charge (sheets times price, plus the layout fee when it is on) and the fee floor that
// the timer keeps.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tests/scenario/counter.h"

namespace scenario {
namespace {

enum class Trigger { Enter, Button };

struct ChargeCase {
  const char* name;
  std::vector<Control> price_clicks;  // from the black-and-white single-sided start
  std::optional<std::string> custom_price;
  std::optional<std::string> fee;  // fee switched on with this text; none: fee off
  std::string count;
  std::string charge;
  friend void PrintTo(const ChargeCase& c, std::ostream* out) { *out << c.name; }
};

class PrintCharge : public Counter,
                    public testing::WithParamInterface<std::tuple<ChargeCase, Trigger>> {};

TEST_P(PrintCharge, TheChargeIsSheetsTimesPricePlusTheFeeWhenItIsOn) {
  const auto& [c, trigger] = GetParam();
  for (Control click : c.price_clicks) desk.Click(click);
  if (c.custom_price) Fill(编辑框6, *c.custom_price);
  if (c.fee) FeeOn(*c.fee);
  Fill(编辑框5, c.count);

  switch (trigger) {
    case Trigger::Enter:
      desk.Press(Key::Enter);
      break;
    case Trigger::Button:
      desk.Click(按钮2);
      break;
  }
  EXPECT_EQ(desk.Text(编辑框3), c.charge);
  EXPECT_EQ(desk.Focus(), 编辑框5);
  EXPECT_EQ(desk.Text(编辑框5), c.count);
  if (trigger == Trigger::Enter) {
    const auto last_key =
        std::find_if(desk.Events().rbegin(), desk.Events().rend(),
                     [](const auto& e) { return e.event == app::Event::KeyDown; });
    ASSERT_NE(last_key, desk.Events().rend());
    EXPECT_EQ(last_key->args.key_code, app::kKeyEnter);
    EXPECT_EQ(last_key->result, app::Result::False) << "Enter never reaches the count box";
  }
}

const std::vector<Control> kColourDouble{选择框6, 选择框1};
const std::vector<Control> kCustom{选择框5};

INSTANTIATE_TEST_SUITE_P(
    Charges, PrintCharge,
    testing::Combine(
        testing::Values(
            ChargeCase{"fee_off", {}, {}, {}, "100", "60"},
            ChargeCase{"fee_on", {}, {}, "6.00", "100", "66"},
            // 3 x 0.6 is the double 1.7999999999999998.
            ChargeCase{"shown_at_thirteen_digits", {}, {}, {}, "3", "1.8"},
            ChargeCase{"empty_count_fee_off", {}, {}, {}, "", "0"},
            ChargeCase{"empty_count_is_the_fee_alone", {}, {}, "6.00", "", "6"},
            ChargeCase{"count_with_a_unit", {}, {}, {}, "12张", "7.2"},
            ChargeCase{"full_width_count", {}, {}, {}, "\xA3\xB1\xA3\xB0\xA3\xB0", "60"},
            ChargeCase{"negative_count", {}, {}, {}, "-5", "-3"},
            ChargeCase{"colour_double_sided", kColourDouble, {}, {}, "10", "40"},
            ChargeCase{"custom_mark_counts_as_zero", kCustom, {}, {}, "100", "0"},
            ChargeCase{"custom_price", kCustom, "0.25", {}, "8", "2"},
            ChargeCase{"custom_price_and_fee", kCustom, "0.1", "0.2", "3", "0.5"},
            ChargeCase{"a_fee_below_the_floor_is_used_until_corrected", {}, {}, "2", "100", "62"},
            ChargeCase{"fee_without_a_number_adds_nothing", {}, {}, "free", "10", "6"},
            ChargeCase{"count_overflows_to_infinity", {}, {}, {}, "1e999", "1.#INF"}),
        testing::Values(Trigger::Enter, Trigger::Button)),
    [](const testing::TestParamInfo<std::tuple<ChargeCase, Trigger>>& info) {
      const bool enter = std::get<1>(info.param) == Trigger::Enter;
      return std::string(std::get<0>(info.param).name) + (enter ? "_enter" : "_button");
    });

using LayoutFee = Counter;

TEST_F(LayoutFee, AFeeTypedWhileTheFeeIsOffIsNotUsed) {
  Fill(编辑框7, "5");
  ChargeFor("100");
  EXPECT_EQ(desk.Text(编辑框3), "60");
}

TEST_F(LayoutFee, TickingReplacesAnyFeeWithSixInBlueAndClearingWithZeroInBlack) {
  Fill(编辑框7, "1.5");
  desk.Click(选择框7);
  EXPECT_EQ(desk.Text(编辑框7), "6.00");
  EXPECT_EQ(desk.TextColor(编辑框7), kBlue);
  EXPECT_FALSE(desk.Disabled(编辑框7));
  EXPECT_EQ(desk.Focus(), 编辑框5);

  desk.Click(选择框7);
  EXPECT_EQ(desk.Checked(选择框7), 0);
  EXPECT_EQ(desk.Text(编辑框7), "0");
  EXPECT_EQ(desk.TextColor(编辑框7), kBlack);
  EXPECT_FALSE(desk.Disabled(编辑框7));
  EXPECT_EQ(desk.Focus(), 定位编辑框1);

  // The box stays editable while the fee is off.
  Fill(编辑框7, "4");
  EXPECT_EQ(desk.Text(编辑框7), "4");
}

// The fee floor.

struct FloorCase {
  const char* name;
  bool fee_on;
  std::string fee;
  std::string fee_after;
  bool warned;
  friend void PrintTo(const FloorCase& c, std::ostream* out) { *out << c.name; }
};

class FeeFloor : public Counter, public testing::WithParamInterface<FloorCase> {};

TEST_P(FeeFloor, WithinASecondAFeeBelowThreeBecomesThreeWithOneWarning) {
  const FloorCase& c = GetParam();
  if (c.fee_on) desk.Click(选择框7);
  Fill(编辑框7, c.fee);
  desk.Advance(1000);
  desk.Advance(3000);  // later ticks find nothing more to do

  EXPECT_EQ(desk.Text(编辑框7), c.fee_after);
  if (c.warned) {
    EXPECT_EQ(desk.InfoBoxes(), (std::vector<sim::InfoBox>{{"排版费用不低于3元！！！", "警告"}}));
  } else {
    EXPECT_TRUE(desk.InfoBoxes().empty());
  }
  EXPECT_EQ(desk.Focus(), 编辑框7) << "the floor moves no focus";
  EXPECT_EQ(desk.Text(编辑框3), "") << "the floor computes no charge";
}

INSTANTIATE_TEST_SUITE_P(
    Fees, FeeFloor,
    testing::Values(
        FloorCase{"below", true, "2.99", "3.00", true}, FloorCase{"zero", true, "0", "3.00", true},
        FloorCase{"negative", true, "-5", "3.00", true}, FloorCase{"empty", true, "", "3.00", true},
        FloorCase{"no_number", true, "abc", "3.00", true},
        FloorCase{"just_beyond_the_tolerance", true, "2.9999998", "3.00", true},
        FloorCase{"three", true, "3", "3", false},
        FloorCase{"three_with_cents", true, "3.00", "3.00", false},
        FloorCase{"within_the_tolerance", true, "2.9999999999", "2.9999999999", false},
        FloorCase{"ten", true, "10", "10", false},
        FloorCase{"full_width_three", true, "\xA3\xB3", "\xA3\xB3", false},
        FloorCase{"off_one", false, "1", "1", false}, FloorCase{"off_empty", false, "", "", false},
        FloorCase{"off_no_number", false, "abc", "abc", false}),
    [](const testing::TestParamInfo<FloorCase>& info) { return info.param.name; });

TEST_F(LayoutFee, TheWarningComesWithTheFeeAlreadyRaisedAndTicksInsideItWarnNoMore) {
  Fill(编辑框5, "100");
  FeeOn("2");
  desk.Click(按钮2);
  ASSERT_EQ(desk.Text(编辑框3), "62");
  const std::optional<Control> focus = desk.Focus();

  std::string fee_while_open;
  desk.SetModalLoop([&](sim::Desktop& d, const sim::InfoBox&) {
    fee_while_open = d.Text(编辑框7);
    d.Advance(5000);  // the operator takes a while to press OK
  });
  desk.Advance(1000);

  EXPECT_EQ(fee_while_open, "3.00");
  EXPECT_EQ(WarningsShown(), 1);
  EXPECT_EQ(desk.MostBoxesOpen(), 1);
  int nested_ticks = 0;
  for (const sim::RaisedEvent& event : desk.Events()) {
    nested_ticks += event.event == app::Event::TimerTick && event.depth > 0;
  }
  EXPECT_EQ(nested_ticks, 5);
  EXPECT_EQ(desk.Text(编辑框3), "62") << "the charge made with the low fee stays until recomputed";
  EXPECT_EQ(desk.Focus(), focus);

  desk.Click(按钮2);
  EXPECT_EQ(desk.Text(编辑框3), "63");
}

TEST_F(LayoutFee, AFeeLoweredAgainAfterTheWarningIsRaisedAgain) {
  FeeOn("1");
  desk.Advance(1000);
  Fill(编辑框7, "2.5");
  desk.Advance(1000);
  EXPECT_EQ(desk.Text(编辑框7), "3.00");
  EXPECT_EQ(WarningsShown(), 2);
  EXPECT_EQ(desk.MostBoxesOpen(), 1);
}

}  // namespace
}  // namespace scenario
