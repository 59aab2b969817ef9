// The unit price presets from the operator's side: each way through the three price check boxes
// leaves the price box with its text, its colour and its editability, the boxes with their ticks,
// and the focus where the counter expects it.
#include <vector>

#include "app/form.h"
#include "tests/e2e/window/expect.h"
#include "tests/e2e/window/running_window.h"
#include "tests/e2e/window/steps.h"

namespace e2e {
namespace {

using enum app::Control;

constexpr COLORREF kRed = 0x0000FF;

struct PriceCase {
  const char* name;
  std::vector<Step> steps;  // from the start state: default price ticked, "0.60"
  const char* price;        // GBK
  bool custom;              // editable and red; otherwise disabled, a preset
  bool black_and_white;     // 选择框5
  bool colour;              // 选择框6
  bool double_sided;        // 选择框1
  app::Control focus;
};

class PricePresets : public RunningWindow, public testing::WithParamInterface<PriceCase> {};

TEST_P(PricePresets, LeaveThePriceBoxTheTicksAndTheFocus) {
  const PriceCase& c = GetParam();
  ASSERT_TRUE(HasFocus(app(), 编辑框5));
  Play(app(), c.steps);
  EXPECT_TRUE(Settles(app(), {TextIs(编辑框6, c.price), EnabledIs(编辑框6, c.custom),
                              TickedIs(选择框5, c.black_and_white), TickedIs(选择框6, c.colour),
                              TickedIs(选择框1, c.double_sided), FocusIn(c.focus)}));
  if (c.custom) {
    EXPECT_TRUE(WaitUntil([&] { return app().ShowsColour(编辑框6, kRed); }))
        << "编辑框6: a custom price is written in red, no red pixel seen";
  }
  CloseNormally();
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, PricePresets,
    testing::Values(
        PriceCase{"DoubleSidedBlackAndWhite",
                  {Click(选择框1)},
                  "0.90",
                  false,
                  true,
                  false,
                  true,
                  编辑框5},
        PriceCase{"DoubleSidedClearedAgain",
                  {Click(选择框1), Click(选择框1)},
                  "0.60",
                  false,
                  true,
                  false,
                  false,
                  定位编辑框1},
        PriceCase{"Colour", {Click(选择框6)}, "3.00", false, false, true, false, 编辑框5},
        PriceCase{"ColourDropsTheDoubleSidedChoice",
                  {Click(选择框1), Click(选择框6)},
                  "3.00",
                  false,
                  false,
                  true,
                  false,
                  编辑框5},
        PriceCase{"DoubleSidedColour",
                  {Click(选择框6), Click(选择框1)},
                  "4.00",
                  false,
                  false,
                  true,
                  true,
                  编辑框5},
        PriceCase{"DoubleSidedColourClearedAgain",
                  {Click(选择框6), Click(选择框1), Click(选择框1)},
                  "3.00",
                  false,
                  false,
                  true,
                  false,
                  定位编辑框1},
        PriceCase{
            "BlackAndWhiteCleared", {Click(选择框5)}, "自定义", true, false, false, false, 编辑框6},
        PriceCase{"ColourCleared",
                  {Click(选择框6), Click(选择框6)},
                  "自定义",
                  true,
                  false,
                  false,
                  false,
                  编辑框6},
        PriceCase{"DoubleSidedWithACustomPrice",
                  {Click(选择框5), Click(选择框1)},
                  "自定义",
                  true,
                  false,
                  false,
                  true,
                  编辑框5},
        PriceCase{"DoubleSidedClearedWithACustomPrice",
                  {Click(选择框5), Click(选择框1), Click(选择框1)},
                  "自定义",
                  true,
                  false,
                  false,
                  false,
                  定位编辑框1},
        PriceCase{"CustomPriceKeepsTheDoubleSidedTick",
                  {Click(选择框1), Click(选择框5)},
                  "自定义",
                  true,
                  false,
                  false,
                  true,
                  编辑框6},
        PriceCase{"PresetAfterCustomClearsDoubleSided",
                  {Click(选择框5), Click(选择框1), Click(选择框5)},
                  "0.60",
                  false,
                  true,
                  false,
                  false,
                  编辑框5},
        PriceCase{"TypedPriceStaysRed",
                  {Click(选择框5), Click(编辑框6), Type(L"0.5")},
                  "0.5",
                  true,
                  false,
                  false,
                  false,
                  编辑框6},
        PriceCase{"TypedPriceKeptOnASecondClick",
                  {Click(选择框5), Click(编辑框6), Type(L"0.5"), Click(编辑框6)},
                  "0.5",
                  true,
                  false,
                  false,
                  false,
                  编辑框6},
        PriceCase{"PresetReplacesATypedPrice",
                  {Click(选择框5), Click(编辑框6), Type(L"0.5"), Click(选择框6)},
                  "3.00",
                  false,
                  false,
                  true,
                  false,
                  编辑框5}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
