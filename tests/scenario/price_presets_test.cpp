// The price box and its three check boxes: black and white, colour, double-sided, or a price of
// the operator's own.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tests/scenario/counter.h"

namespace scenario {
namespace {

// The state of the price box and its check boxes after a click.
struct PriceState {
  std::string price;
  bool preset;  // black, no input; otherwise red and editable
  int black_and_white;
  int colour;
  int double_sided;
  Control focus;
};

struct PresetCase {
  const char* name;
  std::vector<Control> before;  // clicks from start-up (black and white, single-sided)
  Control click;
  PriceState after;
  friend void PrintTo(const PresetCase& c, std::ostream* out) { *out << c.name; }
};

class PriceModes : public Counter, public testing::WithParamInterface<PresetCase> {};

TEST_P(PriceModes, EachClickSetsThePriceBoxAndMovesTheFocus) {
  const PresetCase& c = GetParam();
  for (Control click : c.before) desk.Click(click);
  desk.Click(c.click);

  const PriceState& after = c.after;
  EXPECT_EQ(desk.Text(编辑框6), after.price);
  EXPECT_EQ(desk.TextColor(编辑框6), after.preset ? kBlack : kRed);
  EXPECT_EQ(desk.Disabled(编辑框6), after.preset);
  EXPECT_EQ(desk.Checked(选择框5), after.black_and_white);
  EXPECT_EQ(desk.Checked(选择框6), after.colour);
  EXPECT_EQ(desk.Checked(选择框1), after.double_sided);
  EXPECT_EQ(desk.Focus(), after.focus);
}

const char* const kCustom = "自定义";

INSTANTIATE_TEST_SUITE_P(
    StateTable, PriceModes,
    testing::Values(
        // Ticking a kind starts from its single-sided price and clears double-sided.
        PresetCase{"tick_black_and_white_from_colour_double",
                   {选择框6, 选择框1},
                   选择框5,
                   {"0.60", true, 1, 0, 0, 编辑框5}},
        PresetCase{"tick_black_and_white_from_custom",
                   {选择框5},
                   选择框5,
                   {"0.60", true, 1, 0, 0, 编辑框5}},
        PresetCase{"tick_colour_from_black_and_white_double",
                   {选择框1},
                   选择框6,
                   {"3.00", true, 0, 1, 0, 编辑框5}},
        PresetCase{"tick_colour_from_custom", {选择框5}, 选择框6, {"3.00", true, 0, 1, 0, 编辑框5}},
        // Clearing a kind leaves double-sided as it was.
        PresetCase{"clear_black_and_white", {}, 选择框5, {kCustom, false, 0, 0, 0, 编辑框6}},
        PresetCase{
            "clear_black_and_white_double", {选择框1}, 选择框5, {kCustom, false, 0, 0, 1, 编辑框6}},
        PresetCase{"clear_colour", {选择框6}, 选择框6, {kCustom, false, 0, 0, 0, 编辑框6}},
        PresetCase{
            "clear_colour_double", {选择框6, 选择框1}, 选择框6, {kCustom, false, 0, 0, 1, 编辑框6}},
        PresetCase{"tick_double_black_and_white", {}, 选择框1, {"0.90", true, 1, 0, 1, 编辑框5}},
        PresetCase{"tick_double_colour", {选择框6}, 选择框1, {"4.00", true, 0, 1, 1, 编辑框5}},
        PresetCase{"tick_double_custom", {选择框5}, 选择框1, {kCustom, false, 0, 0, 1, 编辑框5}},
        PresetCase{"clear_double_black_and_white",
                   {选择框1},
                   选择框1,
                   {"0.60", true, 1, 0, 0, 定位编辑框1}},
        PresetCase{"clear_double_colour",
                   {选择框6, 选择框1},
                   选择框1,
                   {"3.00", true, 0, 1, 0, 定位编辑框1}},
        PresetCase{"clear_double_custom",
                   {选择框1, 选择框5},
                   选择框1,
                   {kCustom, false, 0, 0, 0, 定位编辑框1}}),
    [](const testing::TestParamInfo<PresetCase>& info) { return info.param.name; });

using CustomPrice = Counter;

TEST_F(CustomPrice, ClickingIntoTheMarkEmptiesItAndEnterMovesOnWithoutComputing) {
  ChargeFor("10");
  ASSERT_EQ(desk.Text(编辑框3), "6");
  desk.Click(选择框5);
  ASSERT_EQ(desk.Focus(), 编辑框6);

  desk.Click(编辑框6);
  EXPECT_EQ(desk.Text(编辑框6), "");
  EXPECT_EQ(desk.Focus(), 编辑框6);
  desk.Type("0.5");
  desk.Press(Key::Enter);
  EXPECT_EQ(desk.Text(编辑框6), "0.5");
  EXPECT_EQ(desk.TextColor(编辑框6), kRed);
  EXPECT_EQ(desk.Focus(), 编辑框5);
  EXPECT_EQ(desk.Text(编辑框3), "6") << "Enter in the price box computes nothing";
  EXPECT_EQ(desk.Events().back().result, app::Result::False) << "Enter never reaches the box";

  // A click into a typed price leaves it alone; the next Enter in the count uses it.
  desk.Click(编辑框6);
  EXPECT_EQ(desk.Text(编辑框6), "0.5");
  desk.Press(Key::Enter);
  desk.Press(Key::Enter);
  EXPECT_EQ(desk.Text(编辑框3), "5");
}

TEST_F(CustomPrice, DoubleSidedLeavesATypedPriceAloneUntilAKindIsTicked) {
  desk.Click(选择框5);
  desk.Click(编辑框6);
  desk.Type("1.2");
  desk.Click(选择框1);
  EXPECT_EQ(desk.Text(编辑框6), "1.2");
  EXPECT_EQ(desk.Checked(选择框1), 1);
  EXPECT_FALSE(desk.Disabled(编辑框6));

  desk.Click(选择框5);
  EXPECT_EQ(desk.Text(编辑框6), "0.60");
  EXPECT_EQ(desk.TextColor(编辑框6), kBlack);
  EXPECT_TRUE(desk.Disabled(编辑框6));
  EXPECT_EQ(desk.Checked(选择框1), 0);
}

TEST_F(CustomPrice, OtherKeysInThePriceBoxAreTypedNormally) {
  desk.Click(选择框6);
  desk.Click(选择框6);
  desk.Click(编辑框6);
  desk.Type("2.5\xA3\xB0");  // a full-width zero at the end
  EXPECT_EQ(desk.Text(编辑框6), "2.5\xA3\xB0");
  EXPECT_EQ(desk.Focus(), 编辑框6);
}

TEST_F(CustomPrice, TheDoubleSidedChoiceIsNotCarriedOverToColour) {
  desk.Click(选择框1);
  ASSERT_EQ(desk.Text(编辑框6), "0.90");
  desk.Click(选择框6);
  EXPECT_EQ(desk.Text(编辑框6), "3.00");
  EXPECT_EQ(desk.Checked(选择框5), 0);
  EXPECT_EQ(desk.Checked(选择框1), 0);
  desk.Click(选择框1);
  EXPECT_EQ(desk.Text(编辑框6), "4.00");
}

// Space on a focused check box works like a click.
TEST_F(CustomPrice, SpaceOnTheFocusedCheckBoxSwitchesThePriceLikeAClick) {
  desk.Press(Key::Tab);  // 编辑框3: the price box is disabled and left out
  desk.Press(Key::Tab);  // 按钮2
  desk.Press(Key::Tab);  // 选择框5
  desk.Press(Key::Tab);  // 选择框6
  ASSERT_EQ(desk.Focus(), 选择框6);
  desk.Press(Key::Space);
  EXPECT_EQ(desk.Text(编辑框6), "3.00");
  EXPECT_EQ(desk.Focus(), 编辑框5);
}

}  // namespace
}  // namespace scenario
