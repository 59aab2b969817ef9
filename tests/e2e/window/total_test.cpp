// The grand total from the operator's side: the three slots and the three custom amounts added
// on a click of its button, and only then.
#include <vector>

#include "app/form.h"
#include "tests/e2e/window/expect.h"
#include "tests/e2e/window/running_window.h"
#include "tests/e2e/window/steps.h"

namespace e2e {
namespace {

using enum app::Control;

struct TotalCase {
  const char* name;
  std::vector<Step> steps;  // from the start state, ending with a click on 按钮6
  const char* total;
};

class GrandTotal : public RunningWindow, public testing::WithParamInterface<TotalCase> {};

TEST_P(GrandTotal, AddsTheSlotsAndTheCustomAmounts) {
  const TotalCase& c = GetParam();
  Play(app(), c.steps);
  EXPECT_TRUE(ShowsText(app(), 编辑框14, c.total));
  EXPECT_TRUE(HasFocus(app(), 定位编辑框1));
  CloseNormally();
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, GrandTotal,
    testing::Values(TotalCase{"AllEmpty", {Click(按钮6)}, "0"},
                    TotalCase{"SlotAndCustomAmount",
                              {Click(选择框7), Type(L"100"), Press(VK_RETURN), Click(按钮3),
                               Replace(编辑框11, L"10"), Click(按钮6)},
                              "76"},
                    TotalCase{"ThreeSlots",
                              {Type(L"1"), Press(VK_RETURN), Click(按钮3), Click(按钮4),
                               Click(按钮5), Click(按钮6)},
                              "1.8"},
                    TotalCase{"DecimalsWithoutDrift",
                              {Replace(编辑框11, L"0.1"), Replace(编辑框12, L"0.2"), Click(按钮6)},
                              "0.3"},
                    TotalCase{"ALongerChain",
                              {Replace(编辑框11, L"0.1"), Replace(编辑框12, L"0.2"),
                               Replace(编辑框13, L"0.3"), Click(按钮6)},
                              "0.6"},
                    TotalCase{"NegativeAmount",
                              {Replace(编辑框11, L"20"), Replace(编辑框13, L"-5"), Click(按钮6)},
                              "15"},
                    TotalCase{"AWordCountsAsZero",
                              {Replace(编辑框11, L"tea"), Replace(编辑框12, L"7"), Click(按钮6)},
                              "7"},
                    TotalCase{"ABoxHeldForASpareFigure",
                              {Replace(编辑框13, L"4"), Replace(编辑框14, L"999"), Click(按钮6)},
                              "4"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RunningWindow, TheTotalWaitsForTheNextClick) {
  app().ReplaceText(编辑框11, L"1");
  app().Click(按钮6);
  ASSERT_TRUE(ShowsText(app(), 编辑框14, "1"));
  app().ReplaceText(编辑框11, L"2");
  // The changed amount has shown; the click that would take it in has not come.
  EXPECT_TRUE(ShowsText(app(), 编辑框14, "1"));
  app().Click(按钮6);
  EXPECT_TRUE(ShowsText(app(), 编辑框14, "2"));
  CloseNormally();
}

}  // namespace
}  // namespace e2e
