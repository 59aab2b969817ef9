// Delta debugging over action lists, and the form in which a list is printed for pasting.
#include "tests/soak/shrink.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "tests/soak/generator.h"

namespace soak {
namespace {

using enum app::Control;

// What a failure needs, buried in noise: the list fails while it holds `needed` in order.
struct ShrinkCase {
  const char* name;
  std::vector<Action> needed;
  friend void PrintTo(const ShrinkCase& c, std::ostream* out) { *out << c.name; }
};

bool HoldsInOrder(const std::vector<Action>& actions, const std::vector<Action>& needed) {
  auto at = actions.begin();
  for (const Action& action : needed) {
    at = std::find(at, actions.end(), action);
    if (at == actions.end()) return false;
    ++at;
  }
  return true;
}

class Shrinking : public testing::TestWithParam<ShrinkCase> {};

TEST_P(Shrinking, LeavesExactlyWhatTheFailureNeeds) {
  const ShrinkCase& c = GetParam();
  // Noise that cannot hold the needed actions: the generator writes no such texts.
  std::vector<Action> actions = Generate(5, 3000, Profile::Day);
  for (std::size_t i = 0; i < c.needed.size(); ++i) {
    actions.insert(actions.begin() + static_cast<std::ptrdiff_t>(400 + 900 * i), c.needed[i]);
  }
  const std::vector<Action> shortest = Shrink(actions, [&](const std::vector<Action>& candidate) {
    return HoldsInOrder(candidate, c.needed);
  });
  EXPECT_EQ(shortest, c.needed);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, Shrinking,
    testing::Values(ShrinkCase{"one_action", {{Do::Type, "needle"}}},
                    ShrinkCase{"two_in_order", {{Do::Type, "first"}, {Do::Type, "second"}}},
                    ShrinkCase{"the_same_action_twice", {{Do::Type, "again"}, {Do::Type, "again"}}},
                    ShrinkCase{"three_spread_out",
                               {{Do::Type, "a1"}, {Do::Type, "b2"}, {Do::Type, "c3"}}}),
    [](const testing::TestParamInfo<ShrinkCase>& info) { return info.param.name; });

TEST(Shrinking, KeepsTheOrderOfWhatRemains) {
  const std::vector<Action> needed{{Do::Type, "late"}, {Do::Type, "early"}};
  std::vector<Action> actions = Generate(6, 500, Profile::Day);
  actions.insert(actions.begin() + 100, needed[0]);
  actions.insert(actions.begin() + 300, needed[1]);
  EXPECT_EQ(Shrink(actions, [&](const auto& candidate) { return HoldsInOrder(candidate, needed); }),
            needed);
}

// The printed form: C++ that pastes into a test (UTF-8 sources, literals compiled to GBK).
std::string Utf8(std::u8string_view text) {
  return std::string(text.begin(), text.end());
}

struct DescribeCase {
  Action action;
  std::u8string_view printed;
};

TEST(Describing, AnActionPrintsAsTheInitialiserThatMakesIt) {
  const DescribeCase cases[] = {
      {{Do::Enter}, u8"{Do::Enter}"},
      {{Do::Click, 按钮3}, u8"{Do::Click, 按钮3}"},
      {{Do::RightClick, 标签12}, u8"{Do::RightClick, 标签12}"},
      {{Do::Wait, 3600000}, u8"{Do::Wait, 3600000}"},
      {{Do::Type, "１２"}, u8"{Do::Type, \"１２\"}"},
      {{Do::Fill, 编辑框7, "2.99"}, u8"{Do::Fill, 编辑框7, \"2.99\"}"},
      {{Do::Note, "明天取件\r\n"}, u8"{Do::Note, \"明天取件\\r\\n\"}"},
      {{Do::Type, "say \"5\\6\""}, u8"{Do::Type, \"say \\\"5\\\\6\\\"\"}"},
      // A lead byte without its trail, and a control byte, come out as octal escapes.
      {{Do::Type, "1\x81"}, u8"{Do::Type, \"1\\201\"}"},
      {{Do::Keypad,
        "\x01"
        "5"},
       u8"{Do::Keypad, \"\\0015\"}"},
  };
  for (const DescribeCase& c : cases) EXPECT_EQ(Describe(c.action), Utf8(c.printed));
}

TEST(Describing, AListPrintsOneActionALine) {
  const std::vector<Action> actions{{Do::Click, 选择框7}, {Do::Wait, 1000}};
  EXPECT_EQ(Describe(actions), Utf8(u8"    {Do::Click, 选择框7},\n    {Do::Wait, 1000},\n"));
}

}  // namespace
}  // namespace soak
