// The grand total over the three fee slots and the three custom amounts.
#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>

#include "tests/scenario/counter.h"

namespace scenario {
namespace {

struct TotalCase {
  const char* name;
  std::array<std::string, 3> slots;    // saved by hand through the print charge box
  std::array<std::string, 3> customs;  // typed into 编辑框11, 编辑框12, 编辑框13
  std::string total;
  friend void PrintTo(const TotalCase& c, std::ostream* out) { *out << c.name; }
};

class GrandTotal : public Counter, public testing::WithParamInterface<TotalCase> {};

TEST_P(GrandTotal, AddsTheSixAmountsInOrder) {
  const TotalCase& c = GetParam();
  const std::array<Control, 3> save_buttons{按钮3, 按钮4, 按钮5};
  const std::array<Control, 3> custom_boxes{编辑框11, 编辑框12, 编辑框13};
  for (int i = 0; i < 3; ++i) {
    if (!c.slots[i].empty()) SaveByHand(save_buttons[i], c.slots[i]);
    if (!c.customs[i].empty()) Fill(custom_boxes[i], c.customs[i]);
  }
  desk.Click(按钮6);
  EXPECT_EQ(desk.Text(编辑框14), c.total);
  EXPECT_EQ(desk.Focus(), 定位编辑框1);
}

INSTANTIATE_TEST_SUITE_P(
    Sums, GrandTotal,
    testing::Values(
        TotalCase{"all_empty", {}, {}, "0"},
        TotalCase{"slot_and_custom", {"66", "", ""}, {"10", "", ""}, "76"},
        TotalCase{"every_box", {"1", "2", "3"}, {"4", "5", "6"}, "21"},
        TotalCase{"thirteen_digits_hide_binary_error", {}, {"0.1", "0.2", ""}, "0.3"},
        TotalCase{"one_chain_of_tenths", {}, {"0.1", "0.2", "0.3"}, "0.6"},
        TotalCase{"negative_custom_amount", {"66", "", ""}, {"-5", "", ""}, "61"},
        TotalCase{"a_word_adds_nothing", {"66", "", ""}, {"10", "tea", "4"}, "80"},
        TotalCase{"full_width_digits", {}, {"\xA3\xB1\xA3\xB0", "", ""}, "10"},
        TotalCase{"slot_saved_as_typed", {" 12.5 ", "", ""}, {}, "12.5"},
        // The running sum keeps 64 bits until the end: in doubles 1e17 + 1 is 1e17 again and
        // the total would be 0.
        TotalCase{"running_sum_rounded_once", {"1e17", "1", "1"}, {"1", "1", "-1e17"}, "4"},
        TotalCase{"overflow", {"1e308", "1e308", ""}, {"-1e308", "", ""}, "1e+308"},
        TotalCase{"infinity_minus_infinity", {"1e999", "", ""}, {"-1e999", "", ""}, "-1.#IND"}),
    [](const testing::TestParamInfo<TotalCase>& info) { return info.param.name; });

using GrandTotalLater = Counter;

TEST_F(GrandTotalLater, ChangesAfterTheClickWaitForTheNextClick) {
  Fill(编辑框11, "10");
  desk.Click(按钮6);
  ASSERT_EQ(desk.Text(编辑框14), "10");
  Fill(编辑框12, "5");
  ChargeFor("100");
  desk.Click(按钮3);
  EXPECT_EQ(desk.Text(编辑框14), "10");
  desk.Click(按钮6);
  EXPECT_EQ(desk.Text(编辑框14), "75");
}

TEST_F(GrandTotalLater, ATotalTypedOverIsReplacedByTheNextClick) {
  Fill(编辑框14, "999");
  Fill(编辑框13, "2");
  desk.Click(按钮6);
  EXPECT_EQ(desk.Text(编辑框14), "2");
}

}  // namespace
}  // namespace scenario
