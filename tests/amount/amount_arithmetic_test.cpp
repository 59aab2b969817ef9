// Arithmetic on amounts: products and sums carried with a 64-bit significand and rounded to a
// double where they are stored, the grand total's running sum rounded once, and the fee floor.
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "pricing/amount_arithmetic.h"
#include "pricing/amount_text.h"
#include "tests/amount/amount_test_support.h"

namespace {

using amount_test::Describe;
using amount_test::SameAmount;
using pricing::AddAmounts;
using pricing::FormatAmount;
using pricing::IsBelowFloor;
using pricing::MultiplyAmounts;
using pricing::ParseAmount;
using pricing::SumAmounts;

// Plain double arithmetic as SSE does it, on operands the compiler cannot see.
double PlainSum(const std::vector<double>& addends) {
  volatile double sum = 0;
  for (const double addend : addends) sum = sum + addend;
  return sum;
}

class AmountArithmetic : public ::testing::Test {
 protected:
  void SetUp() override { pricing::ResetFloatingPoint(); }
  void TearDown() override { pricing::ResetFloatingPoint(); }
};

struct ChargeCase {
  const char* count;
  const char* price;
  const char* fee;
  const char* shown;
};

// The print charge: count × price rounded to a double, then the fee added.
TEST_F(AmountArithmetic, PrintChargesAsShown) {
  const std::vector<ChargeCase> cases = {
      {"100", "0.60", "0", "60"},     {"3", "0.6", "0", "1.8"},
      {"7", "0.35", "0", "2.45"},     {"1000", "1.10", "0", "1100"},
      {"250", "0.60", "6.00", "156"}, {"12", "2.5", "3.00", "33"},
      {"33", "0.15", "0", "4.95"},    {"3", "0.1", "0", "0.3"},
      {"0", "0.60", "3.00", "3"},     {"", "0.60", "", "0"},
      {"-2", "0.6", "0", "-1.2"},     {"1e300", "1e300", "0", "1.#INF"},
      {"100", "自定义", "3", "3"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(amount_test::Cat(c.count, " x ", c.price, " + ", c.fee));
    const double product = MultiplyAmounts(ParseAmount(c.count), ParseAmount(c.price));
    EXPECT_EQ(FormatAmount(AddAmounts(product, ParseAmount(c.fee))), c.shown);
  }
}

TEST_F(AmountArithmetic, OverflowAndInvalidResultsTravelOn) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(FormatAmount(MultiplyAmounts(1e300, 1e10)), "1.#INF");
  EXPECT_EQ(FormatAmount(MultiplyAmounts(-1e300, 1e10)), "-1.#INF");
  EXPECT_EQ(FormatAmount(AddAmounts(inf, -inf)), "-1.#IND");
  EXPECT_EQ(FormatAmount(MultiplyAmounts(0, inf)), "-1.#IND");
  EXPECT_EQ(FormatAmount(SumAmounts({1, inf, 2, -inf, 3, 4})), "-1.#IND");
  // The double range ends where the extended one does not: the stored sum overflows.
  EXPECT_EQ(FormatAmount(SumAmounts({1.5e308, 1.5e308, -1.5e308, 0, 0, 0})), "1.5e+308");
  EXPECT_EQ(FormatAmount(AddAmounts(1.5e308, 1.5e308)), "1.#INF");
}

// The grand total keeps its running sum extended through all the additions.
TEST_F(AmountArithmetic, TheRunningSumIsRoundedOnceAtTheEnd) {
  const std::vector<double> cancelling = {1e17, 1, 1, 1, 1, -1e17};
  EXPECT_EQ(FormatAmount(SumAmounts({1e17, 1, 1, 1, 1, -1e17})), "4");
  EXPECT_EQ(FormatAmount(PlainSum(cancelling)), "0");

  // 0.1 + 0.2 + 0.3 rounded once is exactly the double nearest 0.6; step by step it is not.
  EXPECT_TRUE(SameAmount(SumAmounts({0.1, 0.2, 0.3}), 0.6));
  EXPECT_FALSE(SameAmount(PlainSum({0.1, 0.2, 0.3}), 0.6));
  EXPECT_EQ(FormatAmount(SumAmounts({0.1, 0.2, 0.3})), "0.6");
}

TEST_F(AmountArithmetic, GrandTotalsAsShown) {
  const std::vector<std::pair<std::vector<const char*>, const char*>> cases = {
      {{"60", "", "", "10", "", ""}, "70"},
      {{"60", "1.8", "0", "10", "0.6", "0.3"}, "72.7"},
      {{"0.1", "0.2", "0.3", "", "", ""}, "0.6"},
      {{"", "", "", "", "", ""}, "0"},
      {{"1.8", "-1.8", "自定义", "12张", "１２", "abc"}, "24"},
      {{"9999999999999", "1", "", "", "", ""}, "1e+013"},
  };
  for (const auto& [texts, shown] : cases) {
    SCOPED_TRACE(shown);
    std::vector<double> amounts;
    for (const char* text : texts) amounts.push_back(ParseAmount(text));
    const double total =
        SumAmounts({amounts[0], amounts[1], amounts[2], amounts[3], amounts[4], amounts[5]});
    EXPECT_EQ(FormatAmount(total), shown);
  }
}

struct FloorCase {
  double fee;
  bool below;
};

// The fee counts as below the floor of 3 only when fee - 3 < -1e-7. The double nearest
// 2.9999999 lies a little above 2.9999999, so that fee is not below; 2.99999989 is.
TEST_F(AmountArithmetic, TheFeeFloorAllowsATinyShortfall) {
  const std::vector<FloorCase> cases = {
      {3.0, false},
      {2.9999999, false},
      {2.99999999, false},
      {2.9999999999, false},
      {10.0, false},
      {2.99999989, true},
      {2.9999998, true},
      {2.99, true},
      {0.0, true},
      {-5.0, true},
      {-0.0, true},
      {std::numeric_limits<double>::infinity(), false},
      {-std::numeric_limits<double>::infinity(), true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(amount_test::Cat("fee ", Describe(c.fee)));
    EXPECT_EQ(IsBelowFloor(c.fee, 3.0, 1e-7), c.below);
  }
}

// Whatever state another piece of code left the floating-point unit in (53-bit precision,
// rounding toward zero), the reset brings back round to nearest with a 64-bit significand.
TEST_F(AmountArithmetic, ResetRestoresExtendedPrecisionAndRoundToNearest) {
  const unsigned short double_precision_toward_zero = 0x0E7F;
  const unsigned int sse_toward_zero = 0x7F80;
  __asm__ volatile("fldcw %0" : : "m"(double_precision_toward_zero));
  __asm__ volatile("ldmxcsr %0" : : "m"(sse_toward_zero));
  pricing::ResetFloatingPoint();
  EXPECT_EQ(FormatAmount(SumAmounts({1e17, 1, 1, 1, 1, -1e17})), "4");
  EXPECT_TRUE(SameAmount(AddAmounts(0.1, 0.2), 0.30000000000000004));
  EXPECT_TRUE(SameAmount(PlainSum({0.1, 0.2}), 0.30000000000000004));
}

}  // namespace
