// Long pasted texts in the boxes whose texts become amounts: the box holds the whole paste, the
// window answers at once, and the charge or the total is what the amount rules make of the text.
// The texts are 10,000 characters long, about what the system's edit control itself takes in
// quickly under Wine; megabyte texts are proven on the simulated desktop and on the amount rules
// directly, where only our own code is measured.
#include <functional>
#include <string>
#include <vector>

#include "app/form.h"
#include "tests/e2e/window/expect.h"
#include "tests/e2e/window/running_window.h"
#include "tests/e2e/window/steps.h"

namespace e2e {
namespace {

using enum app::Control;

// How long the operator may wait for the window to answer. A fault, not a slow machine, is what
// makes the wait run out: the window answers short texts within a few milliseconds.
constexpr DWORD kAnswerMs = 1000;
constexpr std::size_t kLength = 10000;

std::wstring Repeated(std::wstring_view piece, std::size_t times) {
  std::wstring text;
  for (std::size_t i = 0; i < times; ++i) text += piece;
  return text;
}

// `head`, then `filler` up to kLength characters, then `tail`.
std::wstring Long(std::wstring_view head, wchar_t filler, std::wstring_view tail = {}) {
  std::wstring text(head);
  text += std::wstring(kLength - head.size() - tail.size(), filler);
  text += tail;
  return text;
}

struct BadInputCase {
  const char* name;
  std::vector<Step> before;  // leaves the focus in the box that takes the paste
  app::Control box;
  std::function<std::wstring()> pasted;
  std::vector<Step> then;  // computes the result
  app::Control result;
  const char* expected;
};

class LongPastes : public RunningWindow, public testing::WithParamInterface<BadInputCase> {};

TEST_P(LongPastes, AreReadByTheAmountRulesAtOnce) {
  const BadInputCase& c = GetParam();
  Play(app(), c.before);
  ASSERT_TRUE(HasFocus(app(), c.box));
  const std::wstring pasted = c.pasted();
  app().Paste(pasted);
  EXPECT_TRUE(ShowsText(app(), c.box, Gbk(pasted), kAnswerMs))
      << "the whole paste did not show within " << kAnswerMs << " ms";
  Play(app(), c.then);
  EXPECT_TRUE(ShowsText(app(), c.result, c.expected, kAnswerMs))
      << "no answer within " << kAnswerMs << " ms";
  CloseNormally();
}

const Step kComputeCharge[] = {Click(编辑框5), Press(VK_RETURN)};
const Step kComputeTotal[] = {Click(按钮6)};

INSTANTIATE_TEST_SUITE_P(
    Boxes, LongPastes,
    testing::Values(BadInputCase{"CountWithLeadingZeros",
                                 {},
                                 编辑框5,
                                 [] { return Long(L"", L'0', L"2"); },
                                 {Press(VK_RETURN)},
                                 编辑框3,
                                 "1.2"},
                    BadInputCase{"CountBeyondTheLargestAmount",
                                 {},
                                 编辑框5,
                                 [] { return Long(L"1", L'0'); },
                                 {Press(VK_RETURN)},
                                 编辑框3,
                                 "1.#INF"},
                    BadInputCase{"CountFollowedByChineseText",
                                 {},
                                 编辑框5,
                                 [] { return Long(L"12", L'张'); },
                                 {Press(VK_RETURN)},
                                 编辑框3,
                                 "7.2"},
                    BadInputCase{"CountAfterLeadingSpaces",
                                 {},
                                 编辑框5,
                                 [] { return Long(L"", L' ', L"5"); },
                                 {Press(VK_RETURN)},
                                 编辑框3,
                                 "3"},
                    BadInputCase{"PriceTooSmallToBeAnAmount",
                                 {Type(L"100"), Click(选择框5), Click(编辑框6)},
                                 编辑框6,
                                 [] { return Long(L"0.", L'0', L"5"); },
                                 {std::begin(kComputeCharge), std::end(kComputeCharge)},
                                 编辑框3,
                                 "0"},
                    BadInputCase{"PriceWithMoreDigitsThanAreRead",
                                 {Type(L"100"), Click(选择框5), Click(编辑框6)},
                                 编辑框6,
                                 [] { return Long(L"0.5", L'9'); },
                                 {std::begin(kComputeCharge), std::end(kComputeCharge)},
                                 编辑框3,
                                 "60"},
                    BadInputCase{"CustomAmountOfFullWidthDigits",
                                 {Click(编辑框11)},
                                 编辑框11,
                                 [] { return Repeated(L"１", kLength); },
                                 {std::begin(kComputeTotal), std::end(kComputeTotal)},
                                 编辑框14,
                                 "1.#INF"},
                    BadInputCase{"CustomAmountsOfOppositeInfinities",
                                 {Click(编辑框12), Type(L"1e999"), Click(编辑框11)},
                                 编辑框11,
                                 [] { return Long(L"-", L'9'); },
                                 {std::begin(kComputeTotal), std::end(kComputeTotal)},
                                 编辑框14,
                                 "-1.#IND"},
                    BadInputCase{"CustomAmountFollowedByFullWidthCommas",
                                 {Click(编辑框13), Type(L"4"), Click(编辑框11)},
                                 编辑框11,
                                 [] { return Long(L"7", L'，'); },
                                 {std::begin(kComputeTotal), std::end(kComputeTotal)},
                                 编辑框14,
                                 "11"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
