// FormatAmount: 13 significant digits rounded half away from zero from the 17-digit decimal,
// the plain and exponent forms with their boundaries, and the fixed texts for infinities and
// NaNs.
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "pricing/amount_text.h"
#include "tests/amount/amount_test_support.h"

namespace {

using amount_test::Describe;
using amount_test::FromBits;
using pricing::FormatAmount;

struct FormatCase {
  double amount;
  std::string expected;
};

void ExpectFormats(const std::vector<FormatCase>& cases) {
  for (const auto& c : cases) {
    SCOPED_TRACE(amount_test::Cat("amount ", Describe(c.amount)));
    EXPECT_EQ(FormatAmount(c.amount), c.expected);
  }
}

// Keeps the compiler from folding the arithmetic: the operands are only known at run time.
double RunTime(double value) {
  volatile double kept = value;
  return kept;
}

TEST(FormatAmount, EverydayAmounts) {
  ExpectFormats({
      {6.0, "6"},
      {60.0, "60"},
      {1.5, "1.5"},
      {-6.0, "-6"},
      {100.0, "100"},
      {0.5, "0.5"},
      {-0.5, "-0.5"},
      {0.6, "0.6"},
      {0.1, "0.1"},
      {0.01, "0.01"},
      {123.456, "123.456"},
      {1234567.125, "1234567.125"},
      {RunTime(3.0) * RunTime(0.6), "1.8"},
      {RunTime(0.1) + RunTime(0.2), "0.3"},
      {4.35, "4.35"},
      {2.675, "2.675"},
  });
}

TEST(FormatAmount, ZeroOfEitherSign) {
  ExpectFormats({{0.0, "0"}, {-0.0, "0"}, {RunTime(-1.0) * RunTime(0.0), "0"}});
}

TEST(FormatAmount, ThirteenSignificantDigitsRoundedHalfAwayFromZero) {
  ExpectFormats({
      {1.0 / 3.0, "0.3333333333333"},
      {2.0 / 3.0, "0.6666666666667"},
      {-2.0 / 3.0, "-0.6666666666667"},
      {1234567890123.0, "1234567890123"},
      {1234567890123.4, "1234567890123"},
      {1234567890123.5, "1234567890124"},
      {-1234567890123.5, "-1234567890124"},
      {12345678901234.0, "1.234567890123e+013"},
      {12345678901235.0, "1.234567890124e+013"},
      {-12345678901234.0, "-1.234567890123e+013"},
      {123456789012345678.0, "1.234567890123e+017"},
      {0.1234567890123456, "0.1234567890123"},
      {0.12345678901236, "0.1234567890124"},
  });
}

TEST(FormatAmount, ACarryOutOfTheFirstDigitRaisesTheExponent) {
  ExpectFormats({
      {9999999999999.5, "1e+013"},
      {-9999999999999.5, "-1e+013"},
      {99999999999999.0, "1e+014"},
      {999999999999.96, "1000000000000"},
      {9.99999999999996, "10"},
      {0.0000999999999999996, "0.0001"},
      {0.0000099999999999996, "1e-005"},
      {1.999999999999, "1.999999999999"},
      {1.99999999999996, "2"},
  });
}

// The rounding reads the correctly rounded 17-digit decimal, not the exact binary value: the
// double nearest 1.0000000000045 lies just below it, but its 17 digits end in 5000.
TEST(FormatAmount, RoundsTheSeventeenDigitDecimal) {
  ExpectFormats({
      {1.0000000000045, "1.000000000005"},
      {-1.0000000000045, "-1.000000000005"},
      {1.0000000000095, "1.00000000001"},
  });
}

TEST(FormatAmount, PlainAndExponentFormBoundaries) {
  ExpectFormats({
      {0.0001, "0.0001"},
      {0.00012345678901234, "0.0001234567890123"},
      {-0.0001, "-0.0001"},
      {0.00001, "1e-005"},
      {0.000012345, "1.2345e-005"},
      {-0.00001, "-1e-005"},
      {0.00009999999999994, "9.999999999994e-005"},
      {9999999999999.0, "9999999999999"},
      {9999999999999.4, "9999999999999"},
      {999999999999.4, "999999999999.4"},
      {1e12, "1000000000000"},
      {1e13, "1e+013"},
      {1e15, "1e+015"},
      {1.5e20, "1.5e+020"},
      {1e22, "1e+022"},
      {2.5e-5, "2.5e-005"},
      {1.5e-7, "1.5e-007"},
      {1e100, "1e+100"},
      {1e-100, "1e-100"},
      {-1e-100, "-1e-100"},
  });
}

TEST(FormatAmount, ExtremeDoubles) {
  ExpectFormats({
      {1e308, "1e+308"},
      {std::numeric_limits<double>::max(), "1.797693134862e+308"},
      {-std::numeric_limits<double>::max(), "-1.797693134862e+308"},
      {std::numeric_limits<double>::min(), "2.225073858507e-308"},
      {2.2250738585072009e-308, "2.225073858507e-308"},
      {1e-310, "1e-310"},
      {std::numeric_limits<double>::denorm_min(), "4.940656458412e-324"},
      {-std::numeric_limits<double>::denorm_min(), "-4.940656458412e-324"},
      {2 * std::numeric_limits<double>::denorm_min(), "9.881312916825e-324"},
  });
}

TEST(FormatAmount, InfinitiesAndNaNsHaveFixedTexts) {
  const double inf = std::numeric_limits<double>::infinity();
  ExpectFormats({
      {inf, "1.#INF"},
      {-inf, "-1.#INF"},
      {FromBits(0xFFF8000000000000), "-1.#IND"},
      {FromBits(0x7FF8000000000000), "1.#QNAN"},
      {FromBits(0x7FF8000000000001), "1.#QNAN"},
      {FromBits(0x7FFFFFFFFFFFFFFF), "1.#QNAN"},
      {FromBits(0xFFF8000000000001), "-1.#QNAN"},
      {FromBits(0xFFFC000000000000), "-1.#QNAN"},
      {std::numeric_limits<double>::quiet_NaN(), "1.#QNAN"},
  });
}

// A signalling NaN keeps its bits only where doubles travel in SSE registers. In a 32-bit x86
// build every double returned from a function passes the x87 stack, which quiets it before
// FormatAmount could see it.
#if defined(__x86_64__)
TEST(FormatAmount, SignallingNaNsHaveFixedTexts) {
  ExpectFormats({
      {FromBits(0x7FF0000000000001), "1.#SNAN"},
      {FromBits(0x7FF4000000000000), "1.#SNAN"},
      {FromBits(0xFFF0000000000001), "-1.#SNAN"},
      {FromBits(0xFFF7FFFFFFFFFFFF), "-1.#SNAN"},
  });
}
#endif

// The NaNs that the arithmetic itself produces, computed at run time so that the processor and
// not the compiler decides their bits.
TEST(FormatAmount, NaNsFromInvalidOperations) {
  const double inf = RunTime(std::numeric_limits<double>::infinity());
  const double zero = RunTime(0.0);
  EXPECT_EQ(FormatAmount(inf - inf), "-1.#IND");
  EXPECT_EQ(FormatAmount(zero * inf), "-1.#IND");
  EXPECT_EQ(FormatAmount(zero / zero), "-1.#IND");
  EXPECT_EQ(FormatAmount(-(inf - inf)), "1.#QNAN");
}

}  // namespace
