// Plays actions on the real window with real input and checks, after every action, the rules the
// simulated run checks, as far as the live window lets them be read back (text colours cannot
// be, and which handler ran is known only from the action itself):
//   - the program neither ends nor stops answering (it repaints once its input is handled);
//   - a close request that meets notes shows the refusal and the window stays; the session-end
//     question is answered "no" while the notes hold text;
//   - at most one box of each kind is open, each one the program knows, and while the fee-floor
//     warning is open the fee reads "3.00";
//   - the slots, the grand total, the price box, the layout fee, the operator's boxes and the
//     focus, as the simulated run checks them (tests/soak/rules.h).
// As on the simulated desktop, input actions are left out while a box is open: the window takes
// no input then. A right click that opens an edit box's own context menu is followed by Esc, as
// the operator closes that menu.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "tests/soak/action.h"
#include "tests/soak/rules.h"
#include "tests/soak/sim_run.h"
#include "tests/soak/window/live_window.h"

namespace soak {

struct LiveFigures {
  std::size_t actions = 0;
  std::size_t left_out = 0;  // input actions not sent because a box was open
  int refusals = 0;          // boxes seen opening, by kind
  int fee_warnings = 0;
  int notices = 0;
  int most_boxes_open = 0;
  int totals_checked = 0;
  long long ticks_posted = 0;
  int programs_ended = 0;  // calculators started by 按钮1 and closed again
  int menus_closed = 0;    // edit box context menus closed with Esc
  int end_questions = 0;   // session-end questions asked and answered
};

class LiveRun {
 public:
  explicit LiveRun(LiveWindow& window);
  LiveRun(const LiveRun&) = delete;
  LiveRun& operator=(const LiveRun&) = delete;
  ~LiveRun();

  // Plays one action and checks every rule; the first one broken, or none.
  std::optional<Failure> Play(const Action& action);
  // OK on every open box, until the window is bare; fails when a box will not go.
  std::optional<Failure> CloseBoxes();
  // Types a fee below the floor and posts `ticks` timer ticks: the first raises the fee and
  // opens the warning, the rest run inside it; then keys are tried on the open warning and OK
  // closes it.
  std::optional<Failure> WarningCycle(long long ticks);

  const LiveFigures& Figures() const { return figures_; }

 private:
  struct Before {
    std::vector<OpenBox> boxes;
    std::optional<app::Control> focus;
    std::string notes;
    bool fee_low = false;  // the fee is on and below the floor: a tick may open the warning
  };

  std::optional<Failure> Fail(Verdict verdict);
  bool Send(const Action& action, const Before& before);
  void Ask(bool notes_empty);
  Verdict CheckQuestion();
  Verdict CheckAfter(const Action& action, const Before& before, bool sent);
  Verdict CheckBoxes(const std::vector<OpenBox>& boxes);
  Verdict CheckCloseRequest(const Action& action, const Before& before,
                            const std::vector<OpenBox>& boxes);
  Verdict CheckWindow(const Action& action, const Before& before, bool sent, bool boxes_after);
  bool Clicks(const Action& action, const Before& before, app::Control button) const;

  LiveWindow& window_;
  SlotWatch slots_;
  std::map<app::Control, std::string> seen_;  // operator boxes as last checked
  std::vector<HWND> boxes_counted_;           // boxes already counted in the figures
  LiveFigures figures_;

  // The session-end question waits for its answer, which waits for OK: it is asked from a
  // thread of its own.
  std::unique_ptr<std::thread> question_;
  std::atomic<bool> answered_{false};
  DWORD_PTR answer_ = 0;
  bool question_met_empty_notes_ = false;
};

}  // namespace soak
