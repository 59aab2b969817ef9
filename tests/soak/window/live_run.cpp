#include "tests/soak/window/live_run.h"

#include <algorithm>

#include "app/form.h"
#include "app/sim/names.h"
#include "pricing/amount_arithmetic.h"
#include "pricing/amount_text.h"

namespace soak {
namespace {

using app::Control;
using enum app::Control;

constexpr long long kTimerInterval = 1000;
// The session-end question waits for OK, which comes within a few actions; the patience only
// keeps the asking thread from waiting for ever on a program that stopped answering.
constexpr UINT kQuestionPatienceMs = 600000;

// Actions that reach the window through its input, which it refuses while a box is open.
bool IsInput(Do what) {
  return what != Do::Ok && what != Do::Wait && what != Do::SessionEnd;
}

bool SendsKeys(Do what) {
  switch (what) {
    case Do::Type:
    case Do::Keypad:
    case Do::Enter:
    case Do::Tab:
    case Do::BackTab:
    case Do::Backspace:
    case Do::Escape:
    case Do::F1:
    case Do::Space:
    case Do::SelectAll:
    case Do::AltF4:
    case Do::Fill:
    case Do::Note:
    case Do::ClearNotes:
      return true;
    default:
      return false;
  }
}

WORD KeypadKey(char c) {
  switch (c) {
    case '.':
      return VK_DECIMAL;
    case '-':
      return VK_SUBTRACT;
    case '/':
      return VK_DIVIDE;
    default:
      return static_cast<WORD>(VK_NUMPAD0 + (c - '0'));
  }
}

bool Shows(const std::vector<OpenBox>& boxes, BoxKind kind) {
  return std::any_of(boxes.begin(), boxes.end(),
                     [kind](const OpenBox& box) { return box.kind == kind; });
}

Verdict Broke(std::string invariant, std::string detail) {
  return Broken{std::move(invariant), std::move(detail)};
}

}  // namespace

LiveRun::LiveRun(LiveWindow& window) : window_(window) {
  for (Control box : kOperatorBoxes) seen_[box] = window_.Text(box);
}

LiveRun::~LiveRun() {
  if (!question_) return;
  CloseBoxes();
  question_->join();
}

std::optional<Failure> LiveRun::Fail(Verdict verdict) {
  if (!verdict) return std::nullopt;
  return Failure{figures_.actions, std::move(verdict->invariant), std::move(verdict->detail)};
}

std::optional<Failure> LiveRun::Play(const Action& action) {
  ++figures_.actions;
  const std::string fee = window_.Text(编辑框7);
  const Before before{
      window_.Boxes(), window_.Focus(), window_.Text(编辑框2),
      window_.Checked(选择框7) && pricing::IsBelowFloor(pricing::ParseAmount(fee), 3, 1e-7)};
  const bool sent = Send(action, before);
  if (!window_.Settle()) {
    return Fail(Broke("the program never hangs", "it stopped repainting after the action"));
  }
  figures_.programs_ended += window_.EndStartedPrograms();
  if (sent && action.what == Do::RightClick && window_.MenuOpen()) {
    window_.Key(VK_ESCAPE);
    ++figures_.menus_closed;
    if (!window_.Settle()) return Fail(Broke("the program never hangs", "after Esc on a menu"));
  }
  return Fail(CheckAfter(action, before, sent));
}

bool LiveRun::Send(const Action& action, const Before& before) {
  if (!before.boxes.empty() && IsInput(action.what)) {
    ++figures_.left_out;
    return false;
  }
  const bool clickable = app::FormOf(action.control).visible;
  switch (action.what) {
    case Do::Type:
      window_.Type(action.text);
      return true;
    case Do::Keypad:
      for (const char c : action.text) window_.Key(KeypadKey(c));
      return true;
    case Do::Enter:
      window_.Key(VK_RETURN);
      return true;
    case Do::Tab:
      window_.Key(VK_TAB);
      return true;
    case Do::BackTab:
      window_.Key(VK_TAB, {VK_SHIFT});
      return true;
    case Do::Backspace:
      window_.Key(VK_BACK);
      return true;
    case Do::Escape:
      window_.Key(VK_ESCAPE);
      return true;
    case Do::F1:
      window_.Key(VK_F1);
      return true;
    case Do::Space:
      window_.Key(VK_SPACE);
      return true;
    case Do::SelectAll:
      window_.Key('A', {VK_CONTROL});
      return true;
    case Do::Click:
    case Do::DoubleClick:
    case Do::RightClick:
      // A hidden control cannot be clicked: there is nothing of it on the screen.
      if (!clickable) {
        ++figures_.left_out;
        return false;
      }
      if (action.what == Do::Click) window_.Click(action.control);
      if (action.what == Do::DoubleClick) window_.DoubleClick(action.control);
      if (action.what == Do::RightClick) window_.RightClick(action.control);
      return true;
    case Do::Background:
      window_.PressBackground();
      return true;
    case Do::Wait: {
      const long long ticks = action.ms / kTimerInterval;
      window_.PostTicks(ticks);
      figures_.ticks_posted += ticks;
      return true;
    }
    case Do::CloseButton:
      window_.App().RequestClose();
      return true;
    case Do::AltF4:
      window_.Key(VK_F4, {VK_MENU});
      return true;
    case Do::SessionEnd:
      if (question_ && !answered_) return false;  // one question at a time, as Windows asks
      Ask(before.notes.empty());
      return true;
    case Do::Fill:
      // As on the simulated desktop, the operator types into a box only when it takes the click.
      if (!window_.Enabled(action.control)) {
        ++figures_.left_out;
        return false;
      }
      window_.Click(action.control);
      window_.Key('A', {VK_CONTROL});
      window_.Type(action.text);
      return true;
    case Do::Note:
      window_.Click(编辑框2);
      window_.Type(action.text);
      return true;
    case Do::ClearNotes:
      window_.Click(编辑框2);
      window_.Key('A', {VK_CONTROL});
      window_.Key(VK_BACK);
      return true;
    case Do::Ok:
      if (before.boxes.empty()) return false;
      window_.PressOk(before.boxes.back().window);
      return true;
  }
  return false;
}

void LiveRun::Ask(bool notes_empty) {
  if (question_) question_->join();
  answered_ = false;
  question_met_empty_notes_ = notes_empty;
  HWND main = window_.App().Main();
  question_ = std::make_unique<std::thread>([this, main] {
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP, SMTO_NORMAL,
                        kQuestionPatienceMs, &answer);
    answer_ = answer;
    answered_ = true;
  });
  ++figures_.end_questions;
}

Verdict LiveRun::CheckQuestion() {
  if (!question_ || !answered_) return std::nullopt;
  question_->join();
  question_.reset();
  const bool may_end = answer_ != 0;
  if (may_end == question_met_empty_notes_) return std::nullopt;
  return Broke("the session may end exactly when the notes are empty",
               may_end ? "it may end while the notes hold text" : "it was held up by empty notes");
}

std::optional<Failure> LiveRun::CloseBoxes() {
  for (int presses = 0; presses < app::kControlCount; ++presses) {
    const std::vector<OpenBox> boxes = window_.Boxes();
    if (boxes.empty()) return Fail(CheckQuestion());
    window_.PressOk(boxes.back().window);
    if (!window_.Settle()) return Fail(Broke("the program never hangs", "after OK on a box"));
  }
  return Fail(Broke("a box closes when OK is pressed", "boxes stay open"));
}

std::optional<Failure> LiveRun::WarningCycle(long long ticks) {
  if (!window_.Checked(选择框7)) window_.Click(选择框7);
  window_.Click(编辑框7);
  window_.Key('A', {VK_CONTROL});
  window_.Type("1");
  // Posted messages go before waiting input: the fee must be in before the ticks are posted.
  if (!window_.Settle()) return Fail(Broke("the program never hangs", "typing the fee"));
  window_.PostTicks(ticks);
  figures_.ticks_posted += ticks;
  if (!window_.Settle()) return Fail(Broke("the program never hangs", "in the fee-floor warning"));
  std::vector<OpenBox> boxes = window_.Boxes();
  if (Verdict verdict = CheckBoxes(boxes)) return Fail(std::move(verdict));
  const auto warning = std::find_if(boxes.begin(), boxes.end(), [](const OpenBox& box) {
    return box.kind == BoxKind::FeeWarning;
  });
  if (warning == boxes.end()) {
    return Fail(Broke("a fee below the floor is raised with a warning",
                      "no warning after a tick with the fee " + Quote(window_.Text(编辑框7))));
  }
  // Keys pressed while the warning waits do nothing to it or to the window.
  window_.Type("27");
  if (!window_.Settle()) return Fail(Broke("the program never hangs", "typing on the warning"));
  if (Verdict verdict = CheckBoxes(window_.Boxes())) return Fail(std::move(verdict));
  window_.PressOk(warning->window);
  if (!window_.Settle()) return Fail(Broke("the program never hangs", "after OK on the warning"));
  return Fail(CheckBoxes(window_.Boxes()));
}

Verdict LiveRun::CheckAfter(const Action& action, const Before& before, bool sent) {
  const bool close_request = action.what == Do::CloseButton || action.what == Do::AltF4;
  if (!window_.Running()) {
    // A window on its way out is hidden first; the process ends soon after.
    const std::optional<int> code = window_.App().WaitForExit();
    if (sent && close_request && pricing::IsEmptyText(before.notes) && code == 0) {
      return std::nullopt;
    }
    if (!pricing::IsEmptyText(before.notes)) {
      return Broke("the window never closes while the notes hold text",
                   "it closed with the notes " + Quote(before.notes));
    }
    return Broke("the program never crashes",
                 "it ended with exit code " + std::to_string(code.value_or(-1)));
  }
  const std::vector<OpenBox> boxes = window_.Boxes();
  if (Verdict verdict = CheckBoxes(boxes)) return verdict;
  if (Verdict verdict = CheckQuestion()) return verdict;
  if (Verdict verdict = CheckCloseRequest(action, before, boxes)) return verdict;
  return CheckWindow(action, before, sent, !boxes.empty());
}

Verdict LiveRun::CheckBoxes(const std::vector<OpenBox>& boxes) {
  std::vector<BoxKind> kinds;
  for (const OpenBox& box : boxes) {
    kinds.push_back(box.kind);
    if (std::find(boxes_counted_.begin(), boxes_counted_.end(), box.window) !=
        boxes_counted_.end()) {
      continue;
    }
    boxes_counted_.push_back(box.window);
    figures_.refusals += box.kind == BoxKind::Refusal;
    figures_.fee_warnings += box.kind == BoxKind::FeeWarning;
    figures_.notices += box.kind == BoxKind::Notice;
  }
  std::erase_if(boxes_counted_, [&](HWND counted) {
    return std::none_of(boxes.begin(), boxes.end(),
                        [counted](const OpenBox& box) { return box.window == counted; });
  });
  figures_.most_boxes_open = std::max(figures_.most_boxes_open, static_cast<int>(boxes.size()));
  return CheckOpenBoxes(kinds, window_.Text(编辑框7));
}

Verdict LiveRun::CheckCloseRequest(const Action& action, const Before& before,
                                   const std::vector<OpenBox>& boxes) {
  const bool close_request = action.what == Do::CloseButton || action.what == Do::AltF4;
  if (!close_request || before.boxes.size() > 0) return std::nullopt;
  if (pricing::IsEmptyText(before.notes)) {
    return Broke("a close request that meets empty notes closes the window",
                 "the window stayed open");
  }
  // Alt+F4 goes to whatever has the keyboard: when a tick opens the fee-floor warning just
  // before it, it closes that warning instead.
  if (action.what == Do::AltF4 && before.fee_low) return std::nullopt;
  if (!Shows(boxes, BoxKind::Refusal)) {
    return Broke("a close request that meets notes shows the refusal", "no refusal is open");
  }
  return std::nullopt;
}

// Whether the action presses `button`: a click on it, or Space while it has the focus.
bool LiveRun::Clicks(const Action& action, const Before& before, Control button) const {
  if ((action.what == Do::Click || action.what == Do::DoubleClick) && action.control == button) {
    return true;
  }
  const bool space = action.what == Do::Space ||
                     (action.what == Do::Type && action.text.find(' ') != std::string::npos);
  return space && before.focus == button;
}

Verdict LiveRun::CheckWindow(const Action& action, const Before& before, bool sent,
                             bool boxes_after) {
  for (std::size_t i = 0; i < kSlots.size(); ++i) {
    const Slot& slot = kSlots[i];
    const bool emptied = sent && action.what == Do::RightClick && action.control == slot.caption;
    const bool saved = sent && Clicks(action, before, slot.save);
    if (Verdict verdict = slots_.Update(i, window_.Text(slot.amount), emptied, saved,
                                        window_.Text(编辑框3), window_.Text(slot.remark))) {
      return verdict;
    }
  }
  // A total is surely computed only when no box took the click: none open before or after, and
  // no tick could have opened the fee-floor warning in between.
  if (sent && Clicks(action, before, 按钮6) && before.boxes.empty() && !boxes_after &&
      !before.fee_low) {
    ++figures_.totals_checked;
    std::array<std::string, 6> addends;
    for (std::size_t i = 0; i < kAddends.size(); ++i) addends[i] = window_.Text(kAddends[i]);
    if (Verdict verdict = CheckGrandTotal(addends, window_.Text(编辑框14))) return verdict;
  }
  if (Verdict verdict = CheckPriceBox(
          PriceReading{window_.Checked(选择框5), window_.Checked(选择框6), window_.Checked(选择框1),
                       !window_.Enabled(编辑框6), window_.Text(编辑框6), std::nullopt})) {
    return verdict;
  }
  const bool waited = action.what == Do::Wait && action.ms >= kTimerInterval;
  if (Verdict verdict =
          CheckLayoutFee(FeeReading{window_.Checked(选择框7), !window_.Enabled(编辑框7),
                                    std::nullopt, window_.Text(编辑框7), waited})) {
    return verdict;
  }
  for (Control box : kOperatorBoxes) {
    const std::string now = window_.Text(box);
    if (Verdict verdict = CheckOperatorBox(box, seen_[box], now, sent && SendsKeys(action.what))) {
      return verdict;
    }
    seen_[box] = now;
  }
  if (boxes_after || !window_.InFront() || window_.MenuOpen()) return std::nullopt;
  const std::optional<Control> focus = window_.Focus();
  Verdict verdict = CheckFocus(focus, focus && !window_.Enabled(*focus));
  // The timer may have opened the fee-floor warning since the boxes were read; the warning has
  // the focus then.
  if (verdict && !window_.Boxes().empty()) return std::nullopt;
  return verdict;
}

}  // namespace soak
