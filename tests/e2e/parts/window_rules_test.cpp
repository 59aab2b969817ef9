// The window's own arithmetic and the text boundary: the centred place with its halves rounded
// toward zero, the one-line height rule, GBK through code page 936 whatever the ANSI code page,
// and the form as the program finds it.
#include <gtest/gtest.h>

#include "app/win32/text.h"
#include "app/win32/window_builder.h"

namespace win32 {
namespace {

struct CentreCase {
  SIZE screen;
  POINT origin;
};

class Centring : public testing::TestWithParam<CentreCase> {};

TEST_P(Centring, HalvesRoundTowardZero) {
  const POINT origin = CentredOrigin(GetParam().screen, SIZE{569, 391});
  EXPECT_EQ(origin.x, GetParam().origin.x) << "screen " << GetParam().screen.cx;
  EXPECT_EQ(origin.y, GetParam().origin.y) << "screen " << GetParam().screen.cy;
}

INSTANTIATE_TEST_SUITE_P(
    Screens, Centring,
    testing::Values(CentreCase{{1920, 1080}, {675, 344}}, CentreCase{{1280, 1024}, {355, 316}},
                    CentreCase{{1366, 768}, {398, 188}}, CentreCase{{570, 392}, {0, 0}},
                    CentreCase{{569, 391}, {0, 0}},
                    // Smaller than the window: toward zero, not down.
                    CentreCase{{566, 388}, {-1, -1}}, CentreCase{{564, 386}, {-2, -2}}));

TEST(OneLineEditHeight, GrowsOnlyWhenTheLineDoesNotFit) {
  struct Case {
    int form_height, line_height, edge, expected;
  };
  const Case cases[] = {{24, 19, 2, 24}, {24, 20, 2, 24}, {24, 21, 2, 25},
                        {20, 22, 2, 26}, {40, 30, 2, 40}, {16, 16, 0, 16}};
  for (const Case& c : cases) {
    EXPECT_EQ(OneLineEditHeight(c.form_height, c.line_height, c.edge), c.expected)
        << c.form_height << " high, line " << c.line_height << ", edge " << c.edge;
  }
}

TEST(Gbk, ConvertsThroughCodePage936) {
  struct Case {
    std::string_view gbk;
    std::wstring_view wide;
  };
  const Case cases[] = {
      {"", L""},
      {"0.60", L"0.60"},
      {"\xB1\xB8\xD7\xA2\xA3\xBA", L"备注："},
      {"\xBA\xDA\xB0\xD7\xA3\xBA\xB5\xA5\xC3\xE6"
       "0.6\xD4\xAA/\xD5\xC5  \r\n",
       L"黑白：单面0.6元/张  \r\n"},
      {"\xA3\xB1\xA3\xB0\xA3\xB0", L"１００"},
      {"caf\xA8\xA6", L"café"},  // pinyin letters are GBK too
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WideFromGbk(c.gbk), c.wide);
    EXPECT_EQ(GbkFromWide(c.wide), c.gbk);
  }
}

TEST(Gbk, WhatGbkCannotHoldBecomesAQuestionMark) {
  EXPECT_EQ(GbkFromWide(L"a\u00DFb"), "a?b");  // ß is not in GBK
  // Nor is an emoji; notes holding only one must still read as text, never as empty.
  const std::string emoji = GbkFromWide(L"\U0001F600");
  EXPECT_FALSE(emoji.empty());
  EXPECT_EQ(emoji.find_first_not_of('?'), std::string::npos) << emoji;
}

TEST(Form, IsFitToBuildTheWindow) {
  EXPECT_EQ(FormProblem(), L"");
}

}  // namespace
}  // namespace win32
