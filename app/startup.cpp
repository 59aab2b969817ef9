#include "app/startup.h"

#include <string_view>

#include "pricing/amount_text.h"
#include "pricing/price_presets.h"

namespace app {
namespace {

constexpr int kSkinStyle = 1;
constexpr int kTimerInterval = 1000;  // the fee floor is checked once a second
constexpr std::string_view kCloseRefusal = "有内容未保存或处理，不可关闭";
constexpr std::string_view kWarningTitle = "警告";

}  // namespace

Result WindowReady(Window& window, const EventArgs&) {
  window.ApplySkin(kSkinStyle);
  window.SetChecked(Control::选择框5, 1);
  ApplyStartPrice(window);
  window.SetFocus(Control::编辑框5);
  window.SetInterval(Control::时钟1, kTimerInterval);
  return Result::None;
}

void ApplyStartPrice(Window& window) {
  if (window.Checked(Control::选择框5) != 1) return;
  pricing::ShowPresetPrice(window, pricing::kBlackWhitePrice);
  window.SetChecked(Control::选择框6, 0);
  window.SetFocus(Control::定位编辑框1);
}

// Whatever the notes box holds, a single space or an empty line too, keeps the window open:
// closing would lose it.
Result CloseQuery(Window& window, const EventArgs&) {
  if (pricing::IsEmptyText(window.Text(Control::编辑框2))) return Result::None;
  window.ShowInfoBox(kCloseRefusal, kWarningTitle);
  return Result::False;
}

}  // namespace app
