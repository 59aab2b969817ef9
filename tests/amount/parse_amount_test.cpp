// ParseAmount on ASCII texts: the shape of a number, where reading stops, the digit and exponent
// limits, signed infinities and zeros, subnormals and correct rounding.
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "pricing/amount_text.h"
#include "tests/amount/amount_test_support.h"

namespace {

using amount_test::Cat;
using amount_test::ExpectReads;
using amount_test::Quoted;
using amount_test::SameAmount;
using pricing::ParseAmount;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kTiny = std::numeric_limits<double>::denorm_min();
constexpr double kMax = std::numeric_limits<double>::max();

std::string Zeros(std::size_t count) {
  return std::string(count, '0');
}

TEST(ParseAmount, TextsWithoutANumberCountAsZero) {
  const std::vector<std::string> texts = {
      "",    " ",   "\t\r\n", "-",     "+",        ".",   "-.",  "+.", "--5",  "+-5",
      "-+5", "- 5", "abc",    "abc12", "e5",       ".e5", "-e5", "x1", "0x1A", "..5",
      "inf", "INF", "nan",    "NaN",   "infinity", ",5",  "$5",  "#5", "(5)",  Cat("\x1F", "5")};
  for (const auto& text : texts) {
    SCOPED_TRACE(Quoted(text));
    EXPECT_EQ(ParseAmount(text), 0.0);
  }
}

TEST(ParseAmount, AbsentTextCountsAsZero) {
  EXPECT_EQ(ParseAmount(std::string_view{}), 0.0);
  // A view of zero bytes into a longer buffer is empty, whatever follows it in memory.
  EXPECT_EQ(ParseAmount(std::string_view("12", 0)), 0.0);
  EXPECT_EQ(ParseAmount(std::string_view("12", 1)), 1.0);
}

TEST(ParseAmount, AZeroByteEndsTheText) {
  using namespace std::string_view_literals;
  EXPECT_TRUE(SameAmount(ParseAmount("1.5\0e2"sv), 1.5));
  EXPECT_TRUE(SameAmount(ParseAmount("12\0 34"sv), 12.0));
  EXPECT_TRUE(SameAmount(ParseAmount("\0 5"sv), 0.0));
  EXPECT_TRUE(SameAmount(ParseAmount("7\xA3\0\xB5"sv), 7.0));
}

TEST(ParseAmount, PlainNumbers) {
  ExpectReads({
      {"6.00", 6.0},     {"0.60", 0.60}, {"100", 100.0}, {"+5", 5.0},          {"-5", -5.0},
      {"5.", 5.0},       {".5", 0.5},    {"-.5", -0.5},  {"+.5", 0.5},         {"007", 7.0},
      {"-007.50", -7.5}, {"0.1", 0.1},   {"0.3", 0.3},   {"123.456", 123.456}, {"0", 0.0},
      {"+0", 0.0},       {"-0", -0.0},   {"-0.0", -0.0}, {"-.0", -0.0},        {"00.000", 0.0},
  });
}

TEST(ParseAmount, LeadingWhiteSpaceIsSkipped) {
  ExpectReads({
      {" 3", 3.0},
      {"\t7", 7.0},
      {"\n8", 8.0},
      {"\v8", 8.0},
      {"\f8", 8.0},
      {"\r8", 8.0},
      {" \t\n\v\f\r -2.5", -2.5},
      {"      42", 42.0},
  });
}

TEST(ParseAmount, ReadingStopsAtTheFirstByteThatDoesNotFit) {
  ExpectReads({
      {"12张", 12.0},   {"1,000", 1.0},   {"12 34", 12.0}, {"12+3", 12.0},   {"12-3", 12.0},
      {"1.2.3", 1.2},   {"12abc", 12.0},  {"5%", 5.0},     {"3 e2", 3.0},    {"0.60元", 0.60},
      {"7\t8", 7.0},    {"9\n1", 9.0},    {"1_000", 1.0},  {"2x3", 2.0},     {"0x10", 0.0},
      {"4/5", 4.0},     {"-3-", -3.0},    {"6..", 6.0},    {"1e2.5", 100.0}, {"1e2e1", 100.0},
      {"12\x80", 12.0}, {"12\xFF", 12.0},
  });
}

TEST(ParseAmount, ExponentLettersAndSigns) {
  ExpectReads({
      {"3e2", 300.0},
      {"3E2", 300.0},
      {"3d2", 300.0},
      {"3D2", 300.0},
      {"3e+2", 300.0},
      {"3e-2", 0.03},
      {"3D-02", 0.03},
      {"3.e2", 300.0},
      {".5e1", 5.0},
      {"-.5d1", -5.0},
      {"5e0", 5.0},
      {"1e-0", 1.0},
      {"1e0005", 1e5},
      {"2.5D+3", 2500.0},
      {"1E-5", 1e-5},
      {"1e22", 1e22},
      {"1e23", 1e23},
      {"-4.2e-7", -4.2e-7},
  });
}

TEST(ParseAmount, AnIncompleteExponentIsNotPartOfTheNumber) {
  ExpectReads({
      {"3e", 3.0},
      {"3e+", 3.0},
      {"3e-", 3.0},
      {"3ex", 3.0},
      {"3e+x", 3.0},
      {"3d", 3.0},
      {"3D-", 3.0},
      {"3ee2", 3.0},
      {"3e 2", 3.0},
      {"3e.2", 3.0},
      {"3e+-2", 3.0},
      {"3E", 3.0},
      {"-3d+", -3.0},
      {"3f2", 3.0},
      {"3g2", 3.0},
      {"3x2", 3.0},
  });
}

TEST(ParseAmount, CorrectlyRoundedToTheNearestDouble) {
  ExpectReads({
      {"1.7999999999999998", 1.7999999999999998},
      {"0.30000000000000004", 0.30000000000000004},
      {"9007199254740991", 9007199254740991.0},
      {"9007199254740992", 9007199254740992.0},
      {"18446744073709551615", 18446744073709551615.0},
      {"2.2250738585072011e-308", 2.2250738585072011e-308},
      {"2.2250738585072012e-308", 2.2250738585072012e-308},
      {"2.2250738585072014e-308", std::numeric_limits<double>::min()},
      {"1.7976931348623157e308", kMax},
      {"1.7976931348623158e308", kMax},
      {"8.98846567431158e307", 8.98846567431158e307},
      {"4.35", 4.35},
      {"2.675", 2.675},
      {"0.000123456789012345", 0.000123456789012345},
      {"123456789.987654321", 123456789.987654321},
  });
}

TEST(ParseAmount, SubnormalsAndUnderflowKeepTheSign) {
  ExpectReads({
      {"4.9406564584124654e-324", kTiny},
      {"5e-324", kTiny},
      {"3e-324", kTiny},
      {"-3e-324", -kTiny},
      {"1e-323", 2 * kTiny},
      {"1e-310", 1e-310},
      {"2.225073858507201e-308", 2.225073858507201e-308},
      {"2e-324", 0.0},
      {"-2e-324", -0.0},
      {"1e-999", 0.0},
      {"-1e-999", -0.0},
      {"1e-400", 0.0},
  });
}

TEST(ParseAmount, OverflowGivesASignedInfinity) {
  ExpectReads({
      {"1e999", kInf},
      {"-1e999", -kInf},
      {"1.8e308", kInf},
      {"-1.8e308", -kInf},
      {"1.7976931348623159e308", kInf},
      {"1e309", kInf},
      {"1e5200", kInf},
      {"1e5201", kInf},
  });
}

TEST(ParseAmount, HugeWrittenExponentsNeitherWrapNorTurnZeroIntoInfinity) {
  ExpectReads({
      {"1e99999999999999999999999999999", kInf},
      {"-1e4294967296", -kInf},
      {"1e18446744073709551617", kInf},
      {"1e-99999999999999999999999999999", 0.0},
      {"-1e-4294967297", -0.0},
      {"0e99999999999", 0.0},
      {"-0e99999", -0.0},
      {"0.000e-99999", 0.0},
      {"000000e5000", 0.0},
      {"0.0e+5201", 0.0},
  });
}

// At most 24 significant digits of the mantissa are used: leading zeros are not among them,
// and digits before the point beyond the 24th still scale the number.
TEST(ParseAmount, LongMantissas) {
  ExpectReads({
      {"0000000000000000000000000000000000000042", 42.0},
      {"0.000000000000000000000000000000123", 1.23e-31},
      {"-0.0000000000000000000000000000000000000000000000000000000001", -1e-58},
      {"123456789012345678901234567890", 123456789012345678901234567890.0},
      {"1234567890123456789012345678901234567890", 1234567890123456789012345678901234567890.0},
      {"1234567890123456789012345678901234567890e-30", 1234567890.123456789},
      {"12345678901234567890.12345678901234567890", 12345678901234567890.0},
      {"3.14159265358979323846264338327950288", 3.14159265358979323846},
      {"0.3333333333333333333333333333333333", 1.0 / 3.0},
      {"100000000000000000000000000000000000000000000000000", 1e50},
      {Cat("1", Zeros(300)), 1e300},
      {Cat("1", Zeros(400), "e-395"), 1e5},
      {Cat("0.", Zeros(300), "1"), 1e-301},
      {Cat("0.", Zeros(400), "25e402"), 25.0},
  });
}

// The decimal exponent that counts is the one after the point's position has been applied, so a
// long run of zeros can bring a huge written exponent back into range; a written exponent above
// 5200 counts as 5201.
TEST(ParseAmount, ExponentLimitsApplyAfterThePointIsPlaced) {
  ExpectReads({
      {Cat("1", Zeros(5201)), kInf},
      {Cat("-1", Zeros(5300)), -kInf},
      {Cat("0.", Zeros(5201), "1"), 0.0},
      {Cat("-0.", Zeros(5300), "1"), -0.0},
      {Cat("1", Zeros(5250), "e-5201"), 1e49},
      {Cat("0.", Zeros(5250), "1e5201"), 1e-50},
      {Cat("0.", Zeros(5000), "1e5300"), 1e200},
      {Cat("1", Zeros(5100), "e-5300"), 1e-101},
  });
}

}  // namespace
