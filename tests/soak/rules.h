// The rules a soak run checks after every action, stated once for the run on the simulated
// desktop and the run against the real window. Each check takes what was read of the window and
// returns the rule that broke with what was seen, or nothing.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/window.h"
#include "tests/soak/boxes.h"

namespace soak {

struct Broken {
  std::string invariant;  // the same words for every failure of one rule
  std::string detail;     // what was seen, in UTF-8
};
using Verdict = std::optional<Broken>;

// The slots: caption (right click empties), amount box, remark label, save button.
struct Slot {
  app::Control caption;
  app::Control amount;
  app::Control remark;
  app::Control save;
};
extern const std::array<Slot, 3> kSlots;

// Boxes that no handler writes: only keys typed into them may change them.
extern const std::array<app::Control, 5> kOperatorBoxes;

// The six addends of the grand total, in the order they are added.
extern const std::array<app::Control, 6> kAddends;

// GBK text in quotes, readable.
std::string Quote(std::string_view gbk);

// At most one box of each kind is open, each is one the program shows, and while the fee-floor
// warning is open the fee box (`fee`) reads "3.00": the fee is raised before the warning opens,
// and the window takes no input until it closes.
Verdict CheckOpenBoxes(std::span<const BoxKind> open, std::string_view fee);

// The grand total just computed equals our amount rules' sum of the six boxes.
Verdict CheckGrandTotal(const std::array<std::string, 6>& addends, std::string_view shown);

struct PriceReading {
  bool black_white = false;                // 选择框5
  bool colour = false;                     // 选择框6
  bool double_sided = false;               // 选择框1
  bool disabled = false;                   // 编辑框6
  std::string text;                        // 编辑框6
  std::optional<app::Colour> text_colour;  // when it can be read
};
// Disabled exactly when a kind is ticked (never both), then showing that kind's price for the
// sides in black; otherwise a custom price in red.
Verdict CheckPriceBox(const PriceReading& price);

struct FeeReading {
  bool on = false;                         // 选择框7
  bool disabled = false;                   // 编辑框7
  std::optional<app::Colour> text_colour;  // when it can be read
  std::string text;                        // 编辑框7
  bool ticked_since = false;               // the timer has ticked since the fee was typed
};
// Never disabled; blue while on and black while off; not below 3 once a tick has seen it.
Verdict CheckLayoutFee(const FeeReading& fee);

// The focus is on an enabled edit box, button or check box.
Verdict CheckFocus(std::optional<app::Control> focus, bool disabled);

// What changed in an operator box must have come from keys typed into it.
Verdict CheckOperatorBox(app::Control box, std::string_view before, std::string_view now,
                         bool keyed);

// The three fee slots as last seen: a full slot keeps its amount until its caption empties it,
// and a slot is filled only by its save button with the print charge as it stands.
class SlotWatch {
 public:
  // `emptied` and `saved`: the caption was right-clicked, the save button clicked, since the
  // last update. `charge` is the print charge box now, `remark` the slot's remark now.
  Verdict Update(std::size_t slot, std::string_view now, bool emptied, bool saved,
                 std::string_view charge, std::string_view remark);
  void Forget() { held_ = {}; }

 private:
  std::array<std::optional<std::string>, 3> held_;  // the amount of each full slot
};

}  // namespace soak
