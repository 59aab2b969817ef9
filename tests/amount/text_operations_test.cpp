// The byte-wise text operations on control texts: comparison, emptiness, length and joining,
// with the absent text (a null view) treated as the empty text everywhere.
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "pricing/amount_text.h"
#include "tests/amount/amount_test_support.h"

namespace {

using amount_test::Quoted;
using pricing::CompareText;
using pricing::IsEmptyText;
using pricing::JoinTexts;
using pricing::TextLength;

constexpr std::string_view kAbsent{};

struct CompareCase {
  std::string_view a;
  std::string_view b;
  int expected;
};

TEST(CompareText, OrdersByUnsignedBytes) {
  const std::vector<CompareCase> cases = {
      {kAbsent, kAbsent, 0},   {"", kAbsent, 0},      {"", "", 0},           {kAbsent, "a", -1},
      {"", "a", -1},           {"a", kAbsent, 1},     {" ", kAbsent, 1},     {"A", "a", -1},
      {"10", "9", -1},         {"abc", "abc", 0},     {"ab", "abc", -1},     {"abd", "abc", 1},
      {"自定义", "自定义", 0}, {"自定义", "自定", 1}, {"自定义", "", 1},     {"\x80", "a", 1},
      {"\xFF", "\x01", 1},     {"\x7F", "\x80", -1},  {"a\xB0", "a\x30", 1}, {"0.60", "0.6", 1},
      {"3.00", "3", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(amount_test::Cat(Quoted(c.a), " against ", Quoted(c.b)));
    EXPECT_EQ(CompareText(c.a, c.b), c.expected);
    EXPECT_EQ(CompareText(c.b, c.a), -c.expected);
  }
}

TEST(CompareText, DoesNotReadBeyondTheView) {
  const std::string_view one_of_two("ab", 1);
  EXPECT_EQ(CompareText(one_of_two, "a"), 0);
  EXPECT_EQ(CompareText(one_of_two, "ab"), -1);
  EXPECT_EQ(CompareText(std::string_view("xyz", 0), kAbsent), 0);
}

// A control's text ends at its first zero byte; bytes after it are not part of the text.
TEST(TextOperations, AZeroByteEndsTheText) {
  using namespace std::string_view_literals;
  EXPECT_EQ(TextLength("ab\0cd"sv), 2u);
  EXPECT_EQ(CompareText("ab\0x"sv, "ab"), 0);
  EXPECT_EQ(CompareText("ab\0x"sv, "ab\0y"sv), 0);
  EXPECT_EQ(CompareText("a\0"sv, "a\x01"sv), -1);
  EXPECT_TRUE(IsEmptyText("\0abc"sv));
  EXPECT_EQ(JoinTexts({"ab\0cd"sv, "e", "\0f"sv}), "abe");
}

TEST(IsEmptyText, OnlyTheEmptyAndTheAbsentTextAreEmpty) {
  EXPECT_TRUE(IsEmptyText(kAbsent));
  EXPECT_TRUE(IsEmptyText(""));
  EXPECT_TRUE(IsEmptyText(std::string_view("abc", 0)));
  for (const std::string_view text : {" ", "\r\n", "\t", "0", "\xA1\xA1", "备注："}) {
    SCOPED_TRACE(Quoted(text));
    EXPECT_FALSE(IsEmptyText(text));
  }
}

TEST(TextLength, CountsBytesNotCharacters) {
  EXPECT_EQ(TextLength(kAbsent), 0u);
  EXPECT_EQ(TextLength(""), 0u);
  EXPECT_EQ(TextLength("0.60"), 4u);
  EXPECT_EQ(TextLength("备注："), 6u);
  EXPECT_EQ(TextLength("１２张"), 6u);
  EXPECT_EQ(TextLength(std::string(100000, '7')), 100000u);
}

TEST(JoinTexts, JoinsInOrderWithoutSeparators) {
  EXPECT_EQ(JoinTexts({"备注：", "100", "X", "0.60", "+", "6.00"}), "备注：100X0.60+6.00");
  EXPECT_EQ(JoinTexts({"备注：", "100", "X", "0.60", "+", "6.00"}),
            amount_test::Cat("\xB1\xB8\xD7\xA2\xA3\xBA", "100X0.60+6.00"));
  EXPECT_EQ(JoinTexts({"备注：", kAbsent, "X", "0.60", "+", kAbsent}), "备注：X0.60+");
  EXPECT_EQ(JoinTexts({" a ", "", " b"}), " a  b");
  EXPECT_EQ(JoinTexts({"only"}), "only");
  EXPECT_EQ(JoinTexts({kAbsent}), "");
  EXPECT_EQ(JoinTexts({kAbsent, "", kAbsent}), "");
  EXPECT_EQ(JoinTexts({"z", "y", "x"}), "zyx");
}

TEST(JoinTexts, TakesExactlyTheBytesOfEachView) {
  const std::string_view head("12345", 2);
  const std::string_view tail = std::string_view("abcdef").substr(3, 2);
  EXPECT_EQ(JoinTexts({head, "-", tail}), "12-de");
}

TEST(JoinTexts, LongPieces) {
  const std::string piece(300000, 'q');
  const std::string joined = JoinTexts({piece, "|", piece});
  ASSERT_EQ(joined.size(), 600001u);
  EXPECT_EQ(joined.substr(0, 300000), piece);
  EXPECT_EQ(joined[300000], '|');
  EXPECT_EQ(joined.substr(300001), piece);
}

}  // namespace
