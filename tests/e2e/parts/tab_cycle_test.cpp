// Where Tab and Shift+Tab go from each place of a sequence, with members missing from the cycle
// at the start, in the middle and at the end, and from outside the sequence.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "app/win32/tab_cycle.h"

namespace win32 {
namespace {

using enum app::Control;

const std::vector<app::Control> kSequence = {编辑框5, 编辑框6,     编辑框3,
                                             按钮2,   定位编辑框1, 选择框2};

struct TabCase {
  const char* situation;
  std::set<app::Control> left_out;  // hidden or disabled at the moment
  std::optional<app::Control> from;
  bool backward;
  std::optional<app::Control> expected;
};

class TabSteps : public testing::TestWithParam<TabCase> {};

TEST_P(TabSteps, LandOnTheNextMember) {
  const TabCase& step = GetParam();
  const auto member = [&](app::Control control) { return !step.left_out.contains(control); };
  EXPECT_EQ(NextTabStop(kSequence, step.from, step.backward, member), step.expected)
      << step.situation;
}

INSTANTIATE_TEST_SUITE_P(
    Sequence, TabSteps,
    testing::Values(
        TabCase{"forward to the next", {}, 编辑框5, false, 编辑框6},
        TabCase{"backward to the previous", {}, 编辑框3, true, 编辑框6},
        TabCase{"forward wraps at the end", {}, 选择框2, false, 编辑框5},
        TabCase{"backward wraps at the start", {}, 编辑框5, true, 选择框2},
        TabCase{"a disabled member is skipped", {编辑框6}, 编辑框5, false, 编辑框3},
        TabCase{"skipped backwards too", {编辑框6}, 编辑框3, true, 编辑框5},
        TabCase{
            "several left out in a row", {编辑框6, 编辑框3, 按钮2}, 编辑框5, false, 定位编辑框1},
        TabCase{"left out at the end, wrapping", {选择框2}, 定位编辑框1, false, 编辑框5},
        TabCase{"left out at the start, wrapping back", {编辑框5}, 编辑框6, true, 选择框2},
        TabCase{"from a place that is itself left out", {定位编辑框1}, 定位编辑框1, false, 选择框2},
        TabCase{"from it backwards", {定位编辑框1}, 定位编辑框1, true, 按钮2},
        TabCase{"the only member stays",
                {编辑框6, 编辑框3, 按钮2, 定位编辑框1, 选择框2},
                编辑框5,
                false,
                编辑框5},
        TabCase{"an empty cycle goes nowhere",
                {编辑框5, 编辑框6, 编辑框3, 按钮2, 定位编辑框1, 选择框2},
                编辑框3,
                false,
                std::nullopt},
        TabCase{"no focus: the first member", {编辑框5}, std::nullopt, false, 编辑框6},
        TabCase{"no focus backwards: the last member", {选择框2}, std::nullopt, true, 定位编辑框1},
        TabCase{"a control outside the sequence: the first", {}, 标签1, false, 编辑框5},
        TabCase{"outside backwards: the last", {}, 标签1, true, 选择框2}));

}  // namespace
}  // namespace win32
