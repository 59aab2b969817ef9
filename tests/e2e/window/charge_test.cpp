// The print charge from the operator's side: sheets times the price in the price box, the layout
// fee added only while its box is ticked, by the button or by Enter in the sheet count, written
// without trailing zeros; and the fee switch's own texts, colours and focus moves.
#include <vector>

#include "app/form.h"
#include "tests/e2e/window/expect.h"
#include "tests/e2e/window/running_window.h"
#include "tests/e2e/window/steps.h"

namespace e2e {
namespace {

using enum app::Control;

struct ChargeCase {
  const char* name;
  std::vector<Step> steps;  // from the start state: "0.60", no fee, focus in the sheet count
  const char* charge;       // 编辑框3 afterwards
};

class PrintCharge : public RunningWindow, public testing::WithParamInterface<ChargeCase> {};

TEST_P(PrintCharge, ShowsSheetsTimesPricePlusTheFeeWhenItIsOn) {
  const ChargeCase& c = GetParam();
  ASSERT_TRUE(HasFocus(app(), 编辑框5));
  Play(app(), c.steps);
  EXPECT_TRUE(ShowsText(app(), 编辑框3, c.charge));
  EXPECT_TRUE(HasFocus(app(), 编辑框5)) << "after the charge";
  CloseNormally();
}

INSTANTIATE_TEST_SUITE_P(
    Requests, PrintCharge,
    testing::Values(
        ChargeCase{"ByTheButton", {Type(L"100"), Click(按钮2)}, "60"},
        ChargeCase{"WithTheFee", {Click(选择框7), Type(L"100"), Click(按钮2)}, "66"},
        ChargeCase{"WithTheFeeByEnter", {Click(选择框7), Type(L"100"), Press(VK_RETURN)}, "66"},
        ChargeCase{
            "WithATypedFee",
            {Click(选择框7), Replace(编辑框7, L"4.5"), Click(编辑框5), Type(L"10"), Click(按钮2)},
            "10.5"},
        ChargeCase{"FeeSwitchedOffAgain",
                   {Click(选择框7), Click(选择框7), Click(编辑框5), Type(L"100"), Click(按钮2)},
                   "60"},
        ChargeCase{"AFeeTypedWhileOffIsNotUsed",
                   {Replace(编辑框7, L"9"), Click(编辑框5), Type(L"100"), Press(VK_RETURN)},
                   "60"},
        ChargeCase{"RoundedToThirteenDigits", {Type(L"3"), Click(按钮2)}, "1.8"},
        ChargeCase{"EmptyCount", {Click(按钮2)}, "0"},
        ChargeCase{"EmptyCountWithTheFee", {Click(选择框7), Click(按钮2)}, "6"},
        ChargeCase{"UntouchedCustomPriceCountsAsZero",
                   {Click(选择框5), Click(编辑框5), Type(L"10"), Press(VK_RETURN)},
                   "0"},
        ChargeCase{"TypedCustomPrice",
                   {Click(选择框5), Click(编辑框6), Type(L"0.25"), Press(VK_RETURN), Type(L"8"),
                    Press(VK_RETURN)},
                   "2"},
        ChargeCase{
            "DoubleSidedColour", {Click(选择框6), Click(选择框1), Type(L"5"), Click(按钮2)}, "20"},
        ChargeCase{"FractionalCount", {Type(L"2.5"), Press(VK_RETURN)}, "1.5"},
        ChargeCase{"NegativeCount", {Type(L"-2"), Press(VK_RETURN)}, "-1.2"},
        ChargeCase{"CountWithWords", {Type(L"12 sheets"), Press(VK_RETURN)}, "7.2"},
        ChargeCase{"ExponentCount", {Type(L"1e3"), Press(VK_RETURN)}, "600"},
        ChargeCase{"RecomputedAfterAChange",
                   {Type(L"100"), Press(VK_RETURN), Replace(编辑框5, L"7"), Click(按钮2)},
                   "4.2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RunningWindow, EnterInTheSheetCountIsNotTypedIntoIt) {
  ASSERT_TRUE(HasFocus(app(), 编辑框5));
  app().TypeText(L"4");
  app().PressKey(VK_RETURN);
  ASSERT_TRUE(ShowsText(app(), 编辑框3, "2.4"));
  // Enter left the caret where it was: what is typed next joins the count.
  app().TypeText(L"0");
  app().PressKey(VK_RETURN);
  EXPECT_TRUE(ShowsText(app(), 编辑框3, "24"));
  EXPECT_TRUE(ShowsText(app(), 编辑框5, "40"));
  CloseNormally();
}

constexpr COLORREF kBlue = 0xFF0000;

TEST_F(RunningWindow, TheFeeSwitchWritesItsTextsColoursAndFocus) {
  app().ReplaceText(编辑框7, L"8");
  app().Click(选择框7);
  EXPECT_TRUE(ShowsText(app(), 编辑框7, "6.00")) << "ticking replaces a typed fee";
  EXPECT_TRUE(HasFocus(app(), 编辑框5));
  EXPECT_TRUE(WaitUntil([&] { return app().ShowsColour(编辑框7, kBlue); }))
      << "编辑框7: the fee is written in blue while it is on, no blue pixel seen";

  app().Click(选择框7, POINT{GetSystemMetrics(SM_CXDOUBLECLK) + 4, 0});
  EXPECT_TRUE(ShowsText(app(), 编辑框7, "0"));
  EXPECT_TRUE(HasFocus(app(), 定位编辑框1));
  EXPECT_TRUE(IsTicked(app(), 选择框7, false));
  EXPECT_TRUE(IsEnabled(app(), 编辑框7, true)) << "the fee box stays editable";
  EXPECT_TRUE(WaitUntil([&] { return !app().ShowsColour(编辑框7, kBlue); }))
      << "编辑框7: the fee is written in black once it is off, blue pixels seen";
  CloseNormally();
}

}  // namespace
}  // namespace e2e
