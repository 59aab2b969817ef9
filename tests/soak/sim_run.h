// Plays an action list on the simulated desktop and checks, after every action, what must hold
// however long the operator works:
//   - nothing throws (a handler that asks a control for what its kind lacks, a desktop fault);
//   - the window never closes while the notes box holds text, and a close request that meets
//     empty notes closes it at once; a request that meets notes shows the refusal;
//   - at most one message box of each kind is open, and each box is one the program knows;
//     the fee-floor warning opens with the fee already raised to "3.00";
//   - a full slot keeps its amount until a right click on its caption empties it, and a slot is
//     filled only by its save button, with the print charge copied as it stands;
//   - a grand total, when computed, is our amount rules' sum of the six boxes;
//   - the price box is disabled exactly when 选择框5 or 选择框6 is ticked (never both), and then
//     shows the preset of the ticked kind and sides in black, otherwise a custom price in red;
//   - the layout fee is blue while switched on and black while off, never disabled, and never
//     stays below 3 through a wait of a second or more while it is on;
//   - the boxes that only the operator writes (notes, sheet count, custom amounts) change only
//     by keys typed into them;
//   - while the window is shown the focus is on an enabled edit box, button or check box.
// When the window closes, the day goes on in a new one.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/form.h"
#include "app/sim/desktop.h"
#include "tests/soak/action.h"

namespace soak {

struct Failure {
  std::size_t actions = 0;  // the actions played when it broke: this prefix fails again
  std::string invariant;    // which rule broke; the same words for every failure of that rule
  std::string detail;       // what was seen
};

struct Figures {
  std::size_t actions = 0;
  int windows = 0;                     // windows opened (the first one included)
  std::size_t longest_window = 0;      // the most actions one window took before it closed
  int refusals = 0;                    // closing refusals shown
  int fee_warnings = 0;                // fee-floor warnings shown
  int notices = 0;                     // self-service notices shown
  int most_boxes_open = 0;             // boxes open at once, at the most
  long long ticks = 0;                 // timer ticks delivered
  long long simulated_ms = 0;          // time on the windows' clocks, added up
  int totals_checked = 0;              // grand totals compared with the sum of the six boxes
  int end_queries_while_refusing = 0;  // session-end questions met by an open refusal
};

struct Outcome {
  std::optional<Failure> failure;
  Figures figures;
};

// Plays `actions` from a freshly started window, with the handlers `lookup` finds (tests plant
// faulty ones to show that the checks catch them).
Outcome PlayOnSimulatedDesktop(std::span<const Action> actions,
                               sim::Desktop::HandlerLookup lookup = &app::FindHandler);

struct Shrunk {
  std::vector<Action> actions;  // the shortest list found
  Failure failure;              // how it breaks the rule
};

// The shortest list found, among the actions up to `failure`, that still breaks the same rule.
Shrunk ShrinkOnSimulatedDesktop(std::span<const Action> actions, const Failure& failure,
                                sim::Desktop::HandlerLookup lookup = &app::FindHandler);

// What a failing run prints: the rule, what the shortest list shows, and the list, ready to paste.
std::string Report(const Failure& failure, const Shrunk& shrunk);

}  // namespace soak
