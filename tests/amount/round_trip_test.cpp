// Properties over many random doubles of every magnitude: a 17-digit text reads back exactly,
// in any of its spellings, and a shown amount reads back as the amount rounded to 13 digits.
// The references come from the standard library's correctly rounded conversions.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include <gtest/gtest.h>

#include "pricing/amount_text.h"
#include "tests/amount/amount_test_support.h"

namespace {

using amount_test::Describe;
using amount_test::FromBits;
using amount_test::SameAmount;
using pricing::FormatAmount;
using pricing::ParseAmount;

constexpr std::size_t kSamplesPerKind = 40000;

// Finite doubles of four kinds, from a fixed seed: any bit pattern (every exponent), subnormals,
// counter-like decimals (cents, tenths of cents) and neighbours of powers of ten.
std::vector<double> SampleDoubles() {
  std::mt19937_64 random(20240611);
  std::vector<double> samples;
  const auto sign = [&random] { return (random() & 1) ? -1.0 : 1.0; };
  while (samples.size() < kSamplesPerKind) {
    const double any = FromBits(random());
    if (std::isfinite(any)) samples.push_back(any);
  }
  for (std::size_t i = 0; i < kSamplesPerKind; ++i) {
    samples.push_back(sign() * FromBits(random() & 0x000FFFFFFFFFFFFF));
  }
  for (std::size_t i = 0; i < kSamplesPerKind; ++i) {
    const auto whole = static_cast<double>(random() % 100000000000ULL);
    samples.push_back(sign() * whole / std::pow(10.0, static_cast<int>(random() % 8)));
  }
  for (std::size_t i = 0; i < kSamplesPerKind; ++i) {
    const double power = std::pow(10.0, static_cast<int>(random() % 619) - 310);
    const auto steps = static_cast<std::int64_t>(random() % 2001) - 1000;
    const double near = FromBits(amount_test::Bits(power) + steps);
    if (std::isfinite(near)) samples.push_back(sign() * near);
  }
  return samples;
}

const std::vector<double>& Samples() {
  static const std::vector<double> samples = SampleDoubles();
  return samples;
}

double ReadWithStandardLibrary(const std::string& text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  EXPECT_EQ(error, std::errc()) << text;
  EXPECT_EQ(end, text.data() + text.size()) << text;
  return value;
}

// The magnitude as the correctly rounded 17-digit decimal "d.dddddddddddddddde±XX".
std::string SeventeenDigits(double magnitude) {
  char text[64];
  const auto result =
      std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, 16);
  return std::string(text, result.ptr);
}

// x rounded to 13 significant digits as the counter shows it: the 17-digit decimal, then half
// away from zero on the 14th digit.
double RoundedToThirteenDigits(double x) {
  const std::string seventeen = SeventeenDigits(std::fabs(x));
  std::string digits = seventeen.substr(0, 1) + seventeen.substr(2, 12);
  int exponent = std::stoi(seventeen.substr(seventeen.find('e') + 1));
  if (seventeen[2 + 12] >= '5') {
    int i = 12;
    for (; i >= 0 && digits[i] == '9'; --i) digits[i] = '0';
    if (i >= 0) {
      ++digits[i];
    } else {
      digits = amount_test::Cat("1", digits.substr(0, 12));
      ++exponent;
    }
  }
  const double magnitude = ReadWithStandardLibrary(
      amount_test::Cat(digits.substr(0, 1), ".", digits.substr(1), "e", std::to_string(exponent)));
  return std::signbit(x) ? -magnitude : magnitude;
}

// The same text written with full-width forms, as a Chinese input method types it.
std::string FullWidth(const std::string& ascii) {
  std::string out;
  for (const char c : ascii) {
    out += '\xA3';
    out += static_cast<char>(static_cast<unsigned char>(c) + 0x80);
  }
  return out;
}

TEST(AmountRoundTrip, SeventeenDigitTextsReadBackExactly) {
  for (const double x : Samples()) {
    const std::string sign = std::signbit(x) ? "-" : "";
    const std::string text = sign + SeventeenDigits(std::fabs(x));
    SCOPED_TRACE(text);
    ASSERT_TRUE(SameAmount(ParseAmount(text), x));
    std::string with_d = text;
    with_d[with_d.find('e')] = 'D';
    ASSERT_TRUE(SameAmount(ParseAmount(with_d), x));
    ASSERT_TRUE(SameAmount(ParseAmount(FullWidth(text)), x));
  }
}

// Plain decimals without an exponent, such as 0.000000012345678901234567 or
// 123456789012345680000, where the point's place alone sets the magnitude.
TEST(AmountRoundTrip, PlainDecimalTextsReadBackExactly) {
  for (const double x : Samples()) {
    if (x == 0 || std::fabs(x) < 1e-40 || std::fabs(x) > 1e40) continue;
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(x))));
    char text[128];
    const auto result = std::to_chars(text, text + sizeof text, x, std::chars_format::fixed,
                                      std::max(0, 17 - exponent));
    const std::string plain(text, result.ptr);
    SCOPED_TRACE(plain);
    ASSERT_TRUE(SameAmount(ParseAmount(plain), x));
  }
}

TEST(AmountRoundTrip, AShownAmountReadsBackAsTheAmountRoundedToThirteenDigits) {
  for (const double x : Samples()) {
    const std::string shown = FormatAmount(x);
    SCOPED_TRACE(
        amount_test::Cat("amount ", Describe(x), " shown as ", amount_test::Quoted(shown)));
    const double expected = x == 0 ? 0.0 : RoundedToThirteenDigits(x);
    // The standard library's reading tells a wrong text from a wrong reading of a right text.
    ASSERT_EQ(ReadWithStandardLibrary(shown), expected);
    ASSERT_EQ(ParseAmount(shown), expected);
  }
}

}  // namespace
