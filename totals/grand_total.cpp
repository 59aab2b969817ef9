#include "totals/grand_total.h"

#include "pricing/amount_arithmetic.h"
#include "pricing/amount_text.h"

namespace totals {

// The three fee slots, then the three custom amounts, added left to right with the running sum
// kept extended and rounded once.
app::Result GrandTotalClick(app::Window& window, const app::EventArgs&) {
  using app::Control;
  auto amount = [&window](Control box) { return pricing::ParseAmount(window.Text(box)); };
  const double slot1 = amount(Control::编辑框8);
  const double slot2 = amount(Control::编辑框9);
  const double slot3 = amount(Control::编辑框10);
  const double custom1 = amount(Control::编辑框11);
  const double custom2 = amount(Control::编辑框12);
  const double custom3 = amount(Control::编辑框13);
  const double total = pricing::SumAmounts({slot1, slot2, slot3, custom1, custom2, custom3});
  window.SetText(Control::编辑框14, pricing::FormatAmount(total));
  window.SetFocus(Control::定位编辑框1);
  return app::Result::None;
}

}  // namespace totals
