// Where extended and plain double arithmetic part ways. The 64-bit and the 32-bit x86 builds
// must agree to the bit here: the 32-bit build runs every double expression on the x87 unit at
// the 64-bit significand that start-up sets, its standard library's conversions included, so a
// decimal read with one multiplication or division could be rounded twice; and the texts of the
// charges and totals below depend on exactly where the arithmetic rounds to a double.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "pricing/amount_arithmetic.h"
#include "pricing/amount_text.h"
#include "tests/amount/amount_test_support.h"

namespace {

using amount_test::SameAmount;
using pricing::AddAmounts;
using pricing::FormatAmount;
using pricing::MultiplyAmounts;
using pricing::ParseAmount;
using pricing::PlainDoubleRounding;
using pricing::SumAmounts;

// x87 control words: what a new Windows thread starts with (53-bit significand), and one with a
// 24-bit significand rounding toward zero, which shares no field with the start-up state.
constexpr unsigned short kNewThreadControlWord = 0x027F;
constexpr unsigned short kSingleTowardZeroControlWord = 0x0C7F;
constexpr unsigned short kStartUpControlWord = 0x037F;

unsigned short ControlWord() {
  unsigned short control_word = 0;
  __asm__ volatile("fnstcw %0" : "=m"(control_word));
  return control_word;
}

void LoadControlWord(unsigned short control_word) {
  __asm__ volatile("fldcw %0" : : "m"(control_word));
}

// Each test starts from a new thread's precision and resets as start-up does, so every result
// below also shows that the reset brings back the 64-bit significand.
class X87Precision : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadControlWord(kNewThreadControlWord);
    pricing::ResetFloatingPoint();
  }
  void TearDown() override { pricing::ResetFloatingPoint(); }
};

struct ReadCase {
  const char* text;
  double nearest;  // the compiler's own correctly rounded reading of the same decimal
};

// Each decimal is m × 10^k with m below 2^53 and k at most 22, the shape a conversion reads with
// one multiplication or division of two exact doubles. Done at a 64-bit significand and stored,
// that one operation lands one unit away from the nearest double for every text here: the
// standard library multiplies so for the first group, and a quick quotient would divide so for
// the second.
TEST_F(X87Precision, DecimalsReadAsTheNearestDouble) {
  const std::vector<ReadCase> cases = {
      // One multiplication.
      {"1001096165003e11", 1001096165003e11},
      {"1.001096165003e23", 1.001096165003e23},
      {"74933878e18", 74933878e18},
      {"3344711209e18", 3344711209e18},
      {"92335301394e17", 92335301394e17},
      {"543051346063839e8", 543051346063839e8},
      {"5.43051346063839e22", 5.43051346063839e22},
      {"25291948402955e20", 25291948402955e20},
      {"-440057807811918e22", -440057807811918e22},
      {"6092529531441652e12", 6092529531441652e12},
      {"1.47362404192e+028", 1.47362404192e+028},
      {"７４９３３８７８ｅ１８", 74933878e18},
      // One division.
      {"0.002877", 0.002877},
      {"0.0010549", 0.0010549},
      {"9.8099634", 9.8099634},
      {"28.67193638", 28.67193638},
      {"0.0006480945", 0.0006480945},
      {"4.91e-6", 4.91e-6},
      {"1901529e-14", 1901529e-14},
      {"950809457958366e-14", 950809457958366e-14},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(amount_test::Quoted(c.text));
    EXPECT_TRUE(SameAmount(ParseAmount(c.text), c.nearest));
  }
}

// Reading switches the x87 unit to a double's significand for its conversion; whatever the
// control word was, it is the same afterwards, and the arithmetic keeps its 64 bits.
TEST_F(X87Precision, ReadingLeavesTheControlWordAsItWas) {
  for (const unsigned short before :
       {kStartUpControlWord, kNewThreadControlWord, kSingleTowardZeroControlWord}) {
    SCOPED_TRACE(before);
    LoadControlWord(before);
    ParseAmount("1001096165003e11");
    ParseAmount("0.60");
    EXPECT_EQ(ControlWord(), before);
  }
  pricing::ResetFloatingPoint();
  const double sixteen = ParseAmount("1e16");
  EXPECT_EQ(FormatAmount(SumAmounts({sixteen, 1, 1, -sixteen})), "2");
}

// The same charge in plain double arithmetic, each operation rounded once; on the x87 unit too.
double PlainCharge(double count, double price, double fee) {
  const PlainDoubleRounding plain_rounding;
  volatile double product = count * price;
  volatile double charge = product + fee;
  return charge;
}

struct ChargeCase {
  const char* count;
  const char* price;
  const char* fee;
  const char* shown;
  const char* shown_by_plain_doubles;  // what the case tells apart
};

// count × price is rounded to a double from its extended value, then the fee is added. A fee
// that takes the charge back to about zero shows the last bit of the product.
TEST_F(X87Precision, ChargesShowWhereTheProductIsRounded) {
  const std::vector<ChargeCase> cases = {
      {"2073", "1.99", "-4125.27", "0", "-9.094947017729e-013"},
      {"2053", "31.95", "-65593.35", "0", "-1.455191522837e-011"},
      {"1001096165003", "1e11", "-1.001096165003e23", "16777216", "0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(amount_test::Cat(c.count, " x ", c.price, " + ", c.fee));
    const double count = ParseAmount(c.count);
    const double price = ParseAmount(c.price);
    const double fee = ParseAmount(c.fee);
    EXPECT_EQ(FormatAmount(AddAmounts(MultiplyAmounts(count, price), fee)), c.shown);
    EXPECT_EQ(FormatAmount(PlainCharge(count, price, fee)), c.shown_by_plain_doubles);
  }
}

double PlainSum(const std::vector<double>& amounts) {
  const PlainDoubleRounding plain_rounding;
  volatile double sum = 0;
  for (const double amount : amounts) sum = sum + amount;
  return sum;
}

struct TotalCase {
  std::vector<const char*> amounts;
  const char* shown;
  const char* shown_by_plain_doubles;
};

// The grand total carries its running sum at 64 bits and rounds it once: a refund that cancels
// the other amounts leaves what the extended sum kept.
TEST_F(X87Precision, TotalsShowTheExtendedRunningSum) {
  const std::vector<TotalCase> cases = {
      {{"0.1", "0.2", "-0.3", "", "", ""}, "2.775557561563e-017", "5.551115123126e-017"},
      {{"19.99", "0.01", "-20", "", "", ""}, "-1.562985851855e-015", "0"},
      {{"1e16", "1", "1", "-1e16", "", ""}, "2", "0"},
      {{"4125.27", "0.01", "-4125.28", "", "", ""}, "6.910028105267e-013", "9.094947017729e-013"},
      {{"0.7", "0.1", "0.1", "0.1", "-1", ""}, "-2.775557561563e-017", "-1.110223024625e-016"},
      {{"60", "1.8", "0.3", "-62.1", "", ""}, "-1.387778780781e-015", "-7.105427357601e-015"},
  };
  for (const auto& c : cases) {
    std::string trace;
    std::vector<double> amounts;
    for (const char* text : c.amounts) {
      trace.append(text).append(" ");
      amounts.push_back(ParseAmount(text));
    }
    SCOPED_TRACE(trace);
    const double total =
        SumAmounts({amounts[0], amounts[1], amounts[2], amounts[3], amounts[4], amounts[5]});
    EXPECT_EQ(FormatAmount(total), c.shown);
    EXPECT_EQ(FormatAmount(PlainSum(amounts)), c.shown_by_plain_doubles);
  }
}

}  // namespace
