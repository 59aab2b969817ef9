// Texts of a megabyte and more, as a paste into an edit box can produce: they read to the
// right amount, and nothing is lost or misread at the end of the text.
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

constexpr std::size_t kMegabyte = 1 << 20;

std::string Repeat(const std::string& piece, std::size_t bytes) {
  std::string text;
  text.reserve(bytes + piece.size());
  while (text.size() < bytes) text += piece;
  return text;
}

TEST(LongTexts, ReadToTheRightAmount) {
  const double inf = std::numeric_limits<double>::infinity();
  const std::string fw_space = "\xA1\xA1";
  ExpectReads({
      {Repeat(" ", kMegabyte) + "42", 42.0},
      {Repeat(" \t\r\n", kMegabyte) + "-42.5", -42.5},
      {Repeat(fw_space, kMegabyte) + "１２．５", 12.5},
      {Repeat(Cat(" ", fw_space), kMegabyte) + "－７ｅ２", -700.0},
      {Repeat("0", kMegabyte) + "7", 7.0},
      {Repeat("０", kMegabyte) + "７", 7.0},
      {Cat("0.", Repeat("0", kMegabyte), "7"), 0.0},
      {Cat("-0.", Repeat("0", kMegabyte), "7"), -0.0},
      {Cat("1", Repeat("0", kMegabyte)), inf},
      {Cat("-", Repeat("９", kMegabyte)), -inf},
      {Cat("0.", Repeat("1234567890", kMegabyte)), 0.12345678901234567890},
      {Cat("0.", Repeat("３", kMegabyte)), 1.0 / 3.0},
      {Cat("1.", Repeat("0", kMegabyte), "1"), 1.0},
      {Cat("6.00", Repeat("张", kMegabyte)), 6.0},
      {Cat("0.60", Repeat("9", kMegabyte), "x"), 0.61},
      {Cat("12", Repeat(" 34", kMegabyte)), 12.0},
      {Repeat("张", kMegabyte) + "12", 0.0},
      {Cat("8e", Repeat("+", kMegabyte)), 8.0},
      {Cat("8e", Repeat("0", kMegabyte), "2"), 800.0},
      {Cat("8e-", Repeat("0", kMegabyte), "2"), 0.08},
  });
}

// A text that ends right after a lead byte: the lead byte is dropped, not read past.
TEST(LongTexts, ALeadByteAtTheVeryEnd) {
  const std::string text = Repeat("１", kMegabyte) + "\xA3";
  const std::string digits_only = text.substr(0, text.size() - 1);
  EXPECT_TRUE(SameAmount(ParseAmount(text), ParseAmount(digits_only)));
  EXPECT_TRUE(SameAmount(ParseAmount(Cat("5", Repeat("\xA3\xA1", kMegabyte), "\xA3")), 5.0));
}

}  // namespace
