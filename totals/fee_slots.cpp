#include "totals/fee_slots.h"

#include <string>
#include <string_view>

#include "pricing/amount_text.h"

namespace totals {
namespace {

using app::Control;
using app::Result;

struct Slot {
  Control amount;  // read-only box holding the saved charge, as text
  Control remark;  // label telling how the charge was made
};

constexpr Slot kSlot1{Control::编辑框8, Control::标签9};
constexpr Slot kSlot2{Control::编辑框9, Control::标签11};
constexpr Slot kSlot3{Control::编辑框10, Control::标签13};

constexpr std::string_view kRemarkStart = "备注：";

// A full slot never takes a new amount: the operator empties it first. The remark quotes the
// count, price and fee as they stand now, verbatim.
Result Save(app::Window& window, const Slot& slot) {
  if (!pricing::IsEmptyText(window.Text(slot.amount))) return Result::None;
  window.SetText(slot.amount, window.Text(Control::编辑框3));
  const std::string count = window.Text(Control::编辑框5);
  const std::string price = window.Text(Control::编辑框6);
  const std::string fee = window.Text(Control::编辑框7);
  window.SetText(slot.remark, pricing::JoinTexts({kRemarkStart, count, "X", price, "+", fee}));
  window.SetFocus(Control::定位编辑框1);
  return Result::None;
}

Result Empty(app::Window& window, const Slot& slot) {
  if (pricing::IsEmptyText(window.Text(slot.amount))) return Result::None;
  window.SetText(slot.amount, "");
  window.SetText(slot.remark, kRemarkStart);
  return Result::None;
}

}  // namespace

Result SaveSlot1Click(app::Window& window, const app::EventArgs&) {
  return Save(window, kSlot1);
}
Result SaveSlot2Click(app::Window& window, const app::EventArgs&) {
  return Save(window, kSlot2);
}
Result SaveSlot3Click(app::Window& window, const app::EventArgs&) {
  return Save(window, kSlot3);
}

Result EmptySlot1RightButtonDown(app::Window& window, const app::EventArgs&) {
  return Empty(window, kSlot1);
}
Result EmptySlot2RightButtonDown(app::Window& window, const app::EventArgs&) {
  return Empty(window, kSlot2);
}
Result EmptySlot3RightButtonDown(app::Window& window, const app::EventArgs&) {
  return Empty(window, kSlot3);
}

}  // namespace totals
