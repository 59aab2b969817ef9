#include "pricing/print_charge.h"

#include <string_view>

#include "pricing/amount_arithmetic.h"
#include "pricing/amount_text.h"

namespace pricing {
namespace {

using app::Control;
using app::Result;

constexpr std::string_view kFeeOnText = "6.00";
constexpr std::string_view kFeeOffText = "0";
constexpr double kFeeFloor = 3;
// The fee counts as below the floor only when fee − 3 < −1e-7.
constexpr double kFeeFloorTolerance = 1e-7;
constexpr std::string_view kFeeAtFloorText = "3.00";
constexpr std::string_view kFeeFloorWarning = "排版费用不低于3元！！！";
constexpr std::string_view kWarningTitle = "警告";
constexpr app::Colour kFeeOnColour = 0xFF0000;  // blue
constexpr app::Colour kBlack = 0x000000;

double AmountIn(const app::Window& window, Control control) {
  return ParseAmount(window.Text(control));
}

}  // namespace

// Sheets × price, rounded to a double before the layout fee, when it is on, is added.
Result PrintChargeClick(app::Window& window, const app::EventArgs&) {
  const bool fee_on = window.Checked(Control::选择框7) == 1;
  const double count = AmountIn(window, Control::编辑框5);
  const double price = AmountIn(window, Control::编辑框6);
  double charge = MultiplyAmounts(count, price);
  if (fee_on) charge = AddAmounts(charge, AmountIn(window, Control::编辑框7));
  window.SetText(Control::编辑框3, FormatAmount(charge));
  window.SetFocus(Control::编辑框5);
  return Result::None;
}

// Enter in the sheet count computes the charge and stays in the box, without reaching it.
Result SheetCountKeyDown(app::Window& window, const app::EventArgs& args) {
  if (args.key_code != app::kKeyEnter) return Result::None;
  PrintChargeClick(window, args);
  window.SetFocus(Control::编辑框5);
  return Result::False;
}

// The fee box stays editable either way; a fee typed while the fee is off is simply not used.
Result LayoutFeeClick(app::Window& window, const app::EventArgs&) {
  if (window.Checked(Control::选择框7) == 1) {
    window.SetText(Control::编辑框7, kFeeOnText);
    window.SetTextColor(Control::编辑框7, kFeeOnColour);
    window.SetFocus(Control::编辑框5);
    return Result::None;
  }
  window.SetChecked(Control::选择框7, 0);
  window.SetDisabled(Control::编辑框7, 0);
  window.SetText(Control::编辑框7, kFeeOffText);
  window.SetTextColor(Control::编辑框7, kBlack);
  window.SetFocus(Control::定位编辑框1);
  return Result::None;
}

// Once a second while the fee is on: a fee below the floor is raised to "3.00" before the one
// warning opens, so ticks that run while the warning waits find nothing more to do. The charge
// already shown is left as it was.
Result FeeFloorTick(app::Window& window, const app::EventArgs&) {
  if (window.Checked(Control::选择框7) != 1) return Result::None;
  const double fee = AmountIn(window, Control::编辑框7);
  if (!IsBelowFloor(fee, kFeeFloor, kFeeFloorTolerance)) return Result::None;
  window.SetText(Control::编辑框7, kFeeAtFloorText);
  window.ShowInfoBox(kFeeFloorWarning, kWarningTitle);
  return Result::None;
}

}  // namespace pricing
