#include "pricing/price_presets.h"

#include "pricing/amount_text.h"

namespace pricing {
namespace {

using app::Control;
using app::Result;

constexpr std::string_view kColourPrice = "3.00";
constexpr std::string_view kBlackWhiteDoubleSidedPrice = "0.90";
constexpr std::string_view kColourDoubleSidedPrice = "4.00";
// Stands in the price box while the operator is to type a price; it holds no number.
constexpr std::string_view kCustomMark = "自定义";
constexpr app::Colour kBlack = 0x000000;
constexpr app::Colour kRed = 0x0000FF;

// A price kind was ticked: its single-sided preset, the other kind and double-sided cleared.
void EnterPresetPrice(app::Window& window, std::string_view price, Control other_kind) {
  ShowPresetPrice(window, price);
  window.SetChecked(other_kind, 0);
  window.SetChecked(Control::选择框1, 0);
  window.SetFocus(Control::编辑框5);
}

// A price kind was cleared: the box opens for a price of the operator's own, marked in red.
void EnterCustomPrice(app::Window& window, Control own_kind) {
  window.SetChecked(own_kind, 0);
  window.SetDisabled(Control::编辑框6, 0);
  window.SetText(Control::编辑框6, kCustomMark);
  window.SetTextColor(Control::编辑框6, kRed);
  window.SetFocus(Control::编辑框6);
}

Result PriceKindClick(app::Window& window, Control own_kind, Control other_kind,
                      std::string_view price) {
  if (window.Checked(own_kind) == 1) {
    EnterPresetPrice(window, price, other_kind);
  } else {
    EnterCustomPrice(window, own_kind);
  }
  return Result::None;
}

}  // namespace

void ShowPresetPrice(app::Window& window, std::string_view price) {
  window.SetText(Control::编辑框6, price);
  window.SetTextColor(Control::编辑框6, kBlack);
  window.SetDisabled(Control::编辑框6, 1);
}

Result DefaultPriceClick(app::Window& window, const app::EventArgs&) {
  return PriceKindClick(window, Control::选择框5, Control::选择框6, kBlackWhitePrice);
}

Result ColourPriceClick(app::Window& window, const app::EventArgs&) {
  return PriceKindClick(window, Control::选择框6, Control::选择框5, kColourPrice);
}

// Double-sided only turns the ticked kind's price into its double-sided one; in the custom
// price state it has no effect beyond the focus.
Result DoubleSidedClick(app::Window& window, const app::EventArgs& args) {
  if (window.Checked(Control::选择框1) == 1) {
    if (window.Checked(Control::选择框5) == 1) {
      window.SetText(Control::编辑框6, kBlackWhiteDoubleSidedPrice);
    }
    if (window.Checked(Control::选择框6) == 1) {
      window.SetText(Control::编辑框6, kColourDoubleSidedPrice);
    }
    window.SetFocus(Control::编辑框5);
    return Result::None;
  }
  window.SetChecked(Control::选择框1, 0);
  if (window.Checked(Control::选择框5) == 1) DefaultPriceClick(window, args);
  if (window.Checked(Control::选择框6) == 1) ColourPriceClick(window, args);
  window.SetFocus(Control::定位编辑框1);  // wins over the focus the preset path set
  return Result::None;
}

// A click into the box clears the custom mark so the operator types on an empty box; a typed
// price is left alone.
Result PriceBoxLeftButtonDown(app::Window& window, const app::EventArgs&) {
  if (CompareText(window.Text(Control::编辑框6), kCustomMark) == 0) {
    window.SetText(Control::编辑框6, "");
  }
  return Result::None;
}

// Enter after a typed price goes on to the sheet count; it never reaches the box.
Result PriceBoxKeyDown(app::Window& window, const app::EventArgs& args) {
  if (args.key_code != app::kKeyEnter) return Result::None;
  window.SetFocus(Control::编辑框5);
  return Result::False;
}

}  // namespace pricing
