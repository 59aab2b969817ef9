// Full-width forms typed with a Chinese input method read as their ASCII counterparts; every
// other two-byte character ends the number.
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

std::string TwoBytes(int lead, int trail) {
  return {static_cast<char>(lead), static_cast<char>(trail)};
}

// Texts around a single character that exercise every role it can have in a number.
const std::vector<std::pair<std::string, std::string>> kContexts = {
    {"", "5"},  {"1", "5"}, {"1", "2"}, {"1e", "2"}, {"1.5", "2"}, {"-", "5"},
    {" ", "7"}, {"", ""},   {"12", ""}, {"1d", "3"}, {"2", "e1"},  {"", ".5"},
};

TEST(FullWidthFolding, TheFullWidthRowReadsAsTheAsciiCharacters) {
  for (int trail = 0xA1; trail <= 0xFE; ++trail) {
    const std::string full_width = TwoBytes(0xA3, trail);
    const std::string ascii(1, static_cast<char>(trail - 0x80));
    for (const auto& [before, after] : kContexts) {
      SCOPED_TRACE(
          Cat(Quoted(before + full_width + after), " against ", Quoted(before + ascii + after)));
      EXPECT_TRUE(SameAmount(ParseAmount(before + full_width + after),
                             ParseAmount(before + ascii + after)));
    }
  }
}

TEST(FullWidthFolding, SpaceTildeAndStarsFoldToAscii) {
  const std::vector<std::pair<std::string, char>> rows = {
      {"\xA1\xA1", ' '}, {"\xA1\xAB", '~'}, {"\xA1\xEE", '*'}, {"\xA1\xEF", '*'}};
  for (const auto& [full_width, ascii] : rows) {
    for (const auto& [before, after] : kContexts) {
      SCOPED_TRACE(Quoted(before + full_width + after));
      EXPECT_TRUE(SameAmount(ParseAmount(before + full_width + after),
                             ParseAmount(before + ascii + after)));
    }
  }
}

TEST(FullWidthFolding, AmountsTypedInFullWidth) {
  ExpectReads({
      {"１２", 12.0},
      {"１．５", 1.5},
      {"－５", -5.0},
      {"＋５", 5.0},
      {"０．６０", 0.60},
      {"\xA3\xB0\xA3\xB1\xA3\xB2\xA3\xB3\xA3\xB4\xA3\xB5\xA3\xB6\xA3\xB7\xA3\xB8\xA3\xB9",
       123456789.0},
      {"３ｅ２", 300.0},
      {"３Ｅ２", 300.0},
      {"３ｄ２", 300.0},
      {"３Ｄ２", 300.0},
      {"３ｅ－２", 0.03},
      {"３Ｄ＋２", 300.0},
      {Cat("\xA1\xA1", "3"), 3.0},
      {"\xA1\xA1\xA1\xA1－１２．５", -12.5},
      {Cat(" \xA1\xA1\t\xA1\xA1", "3"), 3.0},
      {"１２张", 12.0},
      {"１２，３４５", 12.0},
      {Cat("１\xA1\xA1", "２"), 1.0},
      {"1２.５e1", 125.0},
      {"－０", -0.0},
      {"～５", 0.0},
      {"５～", 5.0},
      {"☆５", 0.0},
      {"５★", 5.0},
      {"３ｅ", 3.0},
      {"３ｅｘ", 3.0},
      {"－－５", 0.0},
      {"．", 0.0},
  });
}

// A lead byte takes the byte after it whatever that byte is, and a lead byte at the very end
// is dropped rather than read past.
TEST(FullWidthFolding, LeadBytesAndTheirTrailBytes) {
  ExpectReads({
      {"\xA3", 0.0},
      {"1\xA3", 1.0},
      {"12\xA3\xB3", 123.0},
      {"\xA3\xB1\xA3", 1.0},
      {Cat("\xA3\xB1", "2"), 12.0},
      {Cat("1\xA3", "3"), 1.0},
      {Cat("\xA3", "5"), 0.0},
      {Cat("\x81", "5"), 0.0},
      {Cat("\xA3\xA0", "5"), 0.0},
      {Cat("\xA3\xFF", "5"), 0.0},
      {Cat("\xA3\x80", "5"), 0.0},
      {"\xA1\xA3\xB5", 0.0},
      {"\xA3\xA3\xB5", 0.0},
      {"\xA1\xA1\xA3", 0.0},
      {"7\xA1", 7.0},
      {"7\xFF", 7.0},
  });
}

bool IsFolded(int lead, int trail) {
  if (lead == 0xA3) return trail >= 0xA1 && trail <= 0xFE;
  return lead == 0xA1 && (trail == 0xA1 || trail == 0xAB || trail == 0xEE || trail == 0xEF);
}

TEST(FullWidthFolding, EveryOtherTwoByteCharacterEndsTheNumber) {
  for (int lead = 0x80; lead <= 0xFF; ++lead) {
    for (int trail = 0x40; trail <= 0xFF; ++trail) {
      if (IsFolded(lead, trail)) continue;
      const std::string character = TwoBytes(lead, trail);
      SCOPED_TRACE(Quoted(character));
      ASSERT_EQ(ParseAmount(character + "5"), 0.0);
      ASSERT_TRUE(SameAmount(ParseAmount(Cat("-5", character, "5")), -5.0));
      ASSERT_TRUE(SameAmount(ParseAmount(Cat("2e", character, "5")), 2.0));
    }
  }
}

}  // namespace
