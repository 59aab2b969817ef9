// The layout fee's floor as the running timer keeps it: with the fee on, a fee below 3 becomes
// "3.00" within a tick, with one warning and the print charge left as it was; a fee at or above
// the floor, or any fee while the fee is off, is never touched.
#include "app/form.h"
#include "tests/e2e/window/expect.h"
#include "tests/e2e/window/running_window.h"

namespace e2e {
namespace {

using enum app::Control;

constexpr std::wstring_view kWarning = L"排版费用不低于3元！！！";
constexpr std::wstring_view kWarningTitle = L"警告";

// Nothing outside the program marks a tick, so what must not happen is watched for longer than
// two intervals of the one-second timer.
constexpr DWORD kTwoTicksMs = 2500;

// With 10 sheets and the fee on at "6.00": a charge of 12 to be left alone.
void ChargeWithTheFeeOn(const Quorvane& app) {
  app.Click(选择框7);
  ASSERT_TRUE(ShowsText(app, 编辑框7, "6.00"));
  app.TypeText(L"10");
  app.PressKey(VK_RETURN);
  ASSERT_TRUE(ShowsText(app, 编辑框3, "12"));
}

class FeesBelowTheFloor : public RunningWindow,
                          public testing::WithParamInterface<std::wstring_view> {};

// Typed key by key into the selected fee: the timer may step in after any key, and the keys
// that follow its warning go to the warning, where they do nothing.
TEST_P(FeesBelowTheFloor, BecomeThreeWithOneWarning) {
  ChargeWithTheFeeOn(app());
  app().Click(编辑框7);
  app().PressKey(VK_HOME, {}, true);
  app().PressKey(VK_END, {VK_SHIFT}, true);
  if (GetParam().empty()) {
    app().PressKey(VK_DELETE, {}, true);
  } else {
    app().TypeText(GetParam());
  }
  HWND warning = nullptr;
  ASSERT_TRUE(ShowsOneMessageBox(app(), kWarning, kWarningTitle, warning));
  EXPECT_TRUE(ShowsText(app(), 编辑框7, "3.00"));
  // The fee reads "3.00" before the warning shows, so the ticks that run inside the warning's
  // own loop find nothing to warn about.
  EXPECT_FALSE(WaitUntil([&] { return app().MessageBoxes().size() > 1; }, kTwoTicksMs))
      << "a second warning opened";
  app().PressOk(warning);
  EXPECT_TRUE(WaitUntil([&] { return app().MessageBoxes().empty(); }));
  EXPECT_TRUE(ShowsText(app(), 编辑框3, "12")) << "the floor changed the charge";
  CloseNormally();
}

INSTANTIATE_TEST_SUITE_P(Fees, FeesBelowTheFloor, testing::Values(L"2.99", L"0", L"-5", L""),
                         [](const auto& info) { return std::to_string(info.index); });

struct KeptFee {
  bool fee_on;
  std::wstring_view fee;  // pasted in one piece, so that no part of it is ever below the floor
};

class FeesLeftAlone : public RunningWindow, public testing::WithParamInterface<KeptFee> {};

TEST_P(FeesLeftAlone, StayAsTypedWithoutAWarning) {
  const KeptFee& kept = GetParam();
  if (kept.fee_on) ChargeWithTheFeeOn(app());
  if (kept.fee.empty()) {
    ASSERT_TRUE(ShowsText(app(), 编辑框7, "")) << "the fee box starts empty";
  } else {
    app().ReplaceText(编辑框7, kept.fee);
  }
  const std::string fee = app().Text(编辑框7);
  EXPECT_FALSE(WaitUntil(
      [&] { return !app().MessageBoxes().empty() || app().Text(编辑框7) != fee; }, kTwoTicksMs))
      << "编辑框7: expected \"" << Readable(fee) << "\" to stay, seen \""
      << Readable(app().Text(编辑框7)) << "\" and " << app().MessageBoxes().size()
      << " message box(es)";
  for (HWND box : app().MessageBoxes()) app().PressOk(box);
  CloseNormally();
}

INSTANTIATE_TEST_SUITE_P(Fees, FeesLeftAlone,
                         testing::Values(KeptFee{true, L"3"}, KeptFee{true, L"3.00"},
                                         KeptFee{true, L"2.9999999999"}, KeptFee{true, L"10"},
                                         KeptFee{false, L"1"}, KeptFee{false, L""},
                                         KeptFee{false, L"none"}),
                         [](const auto& info) { return std::to_string(info.index); });

}  // namespace
}  // namespace e2e
