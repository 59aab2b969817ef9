#include "tests/soak/sim_run.h"

#include <algorithm>
#include <array>
#include <exception>
#include <map>
#include <memory>
#include <set>
#include <string_view>
#include <utility>
#include <vector>

#include "app/sim/names.h"
#include "pricing/amount_arithmetic.h"
#include "pricing/amount_text.h"
#include "tests/soak/boxes.h"
#include "tests/soak/rules.h"
#include "tests/soak/shrink.h"

namespace soak {
namespace {

using app::Control;
using app::Event;
using enum app::Control;

constexpr long long kTimerInterval = 1000;

// Thrown to leave every open box and handler at once.
struct Stop {
  Failure failure;
};

// What the window did since the last check, read from its event log.
struct Happened {
  std::array<bool, 3> saved{};    // a slot's save button was clicked
  std::array<bool, 3> emptied{};  // a slot's caption was right-clicked
  bool total = false;             // 按钮6 was clicked
  std::set<Control> keyed;        // controls that got a KeyDown
};

// The state of the window just before an action.
struct Before {
  std::string notes;
  bool shown = false;
  std::size_t boxes = 0;  // boxes shown so far
};

bool IsCloseRequest(Do what) {
  return what == Do::CloseButton || what == Do::AltF4 || what == Do::SessionEnd;
}

class Player {
 public:
  Player(std::span<const Action> actions, sim::Desktop::HandlerLookup lookup)
      : actions_(actions), lookup_(lookup) {}

  Outcome Play() {
    Outcome outcome;
    try {
      OpenWindow();
      while (next_ < actions_.size()) {
        PlayOne(actions_[next_++]);
        if (desk_->Closed()) {
          WindowClosed();
          OpenWindow();
        }
      }
      WindowClosed();
    } catch (const Stop& stop) {
      outcome.failure = stop.failure;
    } catch (const std::exception& fault) {
      outcome.failure = Failure{next_, "nothing throws", fault.what()};
    }
    figures_.actions = next_;
    outcome.figures = figures_;
    return outcome;
  }

 private:
  [[noreturn]] void Fail(std::string invariant, std::string detail) {
    throw Stop{Failure{next_, std::move(invariant), std::move(detail)}};
  }
  void Enforce(Verdict verdict) {
    if (verdict) Fail(std::move(verdict->invariant), std::move(verdict->detail));
  }

  void OpenWindow() {
    desk_ = std::make_unique<sim::Desktop>(lookup_);
    desk_->SetModalLoop([this](sim::Desktop&, const sim::InfoBox& box) { InBox(box); });
    // Starting the calculator holds the window for a while, as a real start does.
    desk_->SetProgramStartDelay(300);
    desk_->Start();
    ++figures_.windows;
    window_opened_at_ = next_;
    checked_events_ = 0;
    slot_watch_.Forget();
    open_.clear();
    for (Control box : kOperatorBoxes) seen_[box] = desk_->Text(box);
    Check(Action(Do::Ok), Observe());
  }

  void WindowClosed() {
    figures_.longest_window = std::max(figures_.longest_window, next_ - window_opened_at_);
    figures_.simulated_ms += desk_->Now();
    for (const sim::InfoBox& box : desk_->InfoBoxes()) {
      switch (KindOf(box.text, box.title)) {
        case BoxKind::Refusal:
          ++figures_.refusals;
          break;
        case BoxKind::FeeWarning:
          ++figures_.fee_warnings;
          break;
        case BoxKind::Notice:
          ++figures_.notices;
          break;
        case BoxKind::Unknown:
          break;
      }
    }
    for (const sim::RaisedEvent& event : desk_->Events()) {
      figures_.ticks += event.event == Event::TimerTick;
    }
  }

  Before Observe() const {
    return Before{desk_->TextOf(编辑框2), desk_->Shown(), desk_->InfoBoxes().size()};
  }

  void PlayOne(const Action& action) {
    const Before before = Observe();
    const bool asked = Apply(action);
    Check(action, before);
    if (IsCloseRequest(action.what) && asked) CheckCloseRequest(before);
  }

  // Carries the action out; for a close request, true when the window was asked.
  bool Apply(const Action& action) {
    sim::Desktop& desk = *desk_;
    switch (action.what) {
      case Do::Type:
        return desk.Type(action.text);
      case Do::Keypad:
        return desk.TypeOnKeypad(action.text);
      case Do::Enter:
        return desk.Press(sim::Key::Enter);
      case Do::Tab:
        return desk.Press(sim::Key::Tab);
      case Do::BackTab:
        return desk.Press(sim::Key::Tab, app::kShiftShift);
      case Do::Backspace:
        return desk.Press(sim::Key::Backspace);
      case Do::Escape:
        return desk.Press(sim::Key::Escape);
      case Do::F1:
        return desk.Press(sim::Key::F1);
      case Do::Space:
        return desk.Press(sim::Key::Space);
      case Do::SelectAll:
        return desk.SelectAll();
      case Do::Click:
        return desk.Click(action.control);
      case Do::DoubleClick:
        return desk.DoubleClick(action.control);
      case Do::RightClick:
        return desk.RightClick(action.control);
      case Do::Background:
        return desk.PressBackground();
      case Do::Wait:
        desk.Advance(action.ms);
        return true;
      case Do::CloseButton:
        return AskedBy([&] { desk.RequestClose(); });
      case Do::AltF4:
        return AskedBy([&] { desk.Press(sim::Key::F4, app::kShiftAlt); });
      case Do::SessionEnd:
        return AskEndOfSession();
      case Do::Fill:
        return desk.Click(action.control) && desk.SelectAll() && desk.Type(action.text);
      case Do::Note:
        return desk.Click(编辑框2) && desk.Type(action.text);
      case Do::ClearNotes:
        return desk.Click(编辑框2) && desk.SelectAll() && desk.Press(sim::Key::Backspace);
      case Do::Ok:
        return false;  // no box open: nothing to press
    }
    return false;
  }

  // True when the request reached CloseQuery.
  template <typename Request>
  bool AskedBy(Request request) {
    const std::size_t from = desk_->Events().size();
    request();
    const auto& events = desk_->Events();
    return std::any_of(events.begin() + static_cast<std::ptrdiff_t>(from), events.end(),
                       [](const sim::RaisedEvent& e) { return e.event == Event::CloseQuery; });
  }

  // Windows asks whatever is open. While the refusal itself is open, the real window answers
  // "no" without asking again (one refusal on the screen is enough); the simulated desktop would
  // open a second refusal, so the question is answered here as the real window does.
  bool AskEndOfSession() {
    if (std::count(open_.begin(), open_.end(), BoxKind::Refusal) > 0) {
      ++figures_.end_queries_while_refusing;
      return false;
    }
    return AskedBy([&] { desk_->QueryEndSession(); });
  }

  // The modal loop of an open box: the operator's next actions go on (the window refuses the
  // input, the timer ticks on) until one of them is OK.
  void InBox(const sim::InfoBox& box) {
    const BoxKind kind = KindOf(box.text, box.title);
    open_.push_back(kind);
    if (Verdict verdict = CheckOpenBoxes(open_, desk_->Text(编辑框7))) {
      verdict->detail += " (" + Quote(box.title) + " " + Quote(box.text) + ")";
      Enforce(std::move(verdict));
    }
    figures_.most_boxes_open = std::max(figures_.most_boxes_open, static_cast<int>(open_.size()));
    while (next_ < actions_.size() && !desk_->Closed()) {
      const Action& action = actions_[next_++];
      if (action.what == Do::Ok) break;
      PlayOne(action);
    }
    open_.pop_back();
  }

  void CheckCloseRequest(const Before& before) {
    if (!pricing::IsEmptyText(before.notes)) {
      const auto& boxes = desk_->InfoBoxes();
      if (boxes.size() <= before.boxes ||
          KindOf(boxes[before.boxes].text, boxes[before.boxes].title) != BoxKind::Refusal) {
        Fail("a close request that meets notes shows the refusal", "no refusal was shown");
      }
    } else if (!desk_->Closed()) {
      Fail("a close request that meets empty notes closes the window", "the window stayed open");
    }
  }

  Happened ReadEvents() {
    Happened happened;
    const auto& events = desk_->Events();
    for (; checked_events_ < events.size(); ++checked_events_) {
      const sim::RaisedEvent& event = events[checked_events_];
      if (!event.control) continue;
      const Control control = *event.control;
      if (event.event == Event::KeyDown) happened.keyed.insert(control);
      if (event.event == Event::Click && control == 按钮6) happened.total = true;
      for (std::size_t i = 0; i < kSlots.size(); ++i) {
        if (event.event == Event::Click && control == kSlots[i].save) happened.saved[i] = true;
        if (event.event == Event::RightButtonDown && control == kSlots[i].caption) {
          happened.emptied[i] = true;
        }
      }
    }
    return happened;
  }

  void Check(const Action& action, const Before& before) {
    if (desk_->Closed()) {
      if (!pricing::IsEmptyText(desk_->TextOf(编辑框2))) {
        Fail("the window never closes while the notes hold text",
             "it closed with the notes " + Quote(desk_->TextOf(编辑框2)));
      }
      return;
    }
    const Happened happened = ReadEvents();
    if (desk_->OpenBoxes() != static_cast<int>(open_.size())) {
      Fail("every open box is one the operator sees",
           std::to_string(desk_->OpenBoxes()) + " open, " + std::to_string(open_.size()) + " seen");
    }
    CheckSlots(happened);
    if (happened.total) CheckGrandTotal();
    CheckPriceBox();
    CheckLayoutFee(action);
    CheckOperatorBoxes(happened);
    if (before.shown) CheckFocus();
  }

  void CheckSlots(const Happened& happened) {
    for (std::size_t i = 0; i < kSlots.size(); ++i) {
      const Slot& slot = kSlots[i];
      Enforce(slot_watch_.Update(i, desk_->Text(slot.amount), happened.emptied[i],
                                 happened.saved[i], desk_->Text(编辑框3),
                                 desk_->TextOf(slot.remark)));
    }
  }

  void CheckGrandTotal() {
    ++figures_.totals_checked;
    std::array<std::string, 6> addends;
    for (std::size_t i = 0; i < kAddends.size(); ++i) addends[i] = desk_->Text(kAddends[i]);
    Enforce(soak::CheckGrandTotal(addends, desk_->Text(编辑框14)));
  }

  void CheckPriceBox() {
    Enforce(soak::CheckPriceBox(PriceReading{
        desk_->Checked(选择框5) == 1, desk_->Checked(选择框6) == 1, desk_->Checked(选择框1) == 1,
        desk_->Disabled(编辑框6), desk_->Text(编辑框6), desk_->TextColor(编辑框6)}));
  }

  void CheckLayoutFee(const Action& action) {
    // A wait of a whole interval always holds a tick.
    const bool waited = action.what == Do::Wait && action.ms >= kTimerInterval;
    Enforce(
        soak::CheckLayoutFee(FeeReading{desk_->Checked(选择框7) == 1, desk_->Disabled(编辑框7),
                                        desk_->TextColor(编辑框7), desk_->Text(编辑框7), waited}));
  }

  void CheckOperatorBoxes(const Happened& happened) {
    for (Control box : kOperatorBoxes) {
      const std::string now = desk_->Text(box);
      Enforce(CheckOperatorBox(box, seen_[box], now, happened.keyed.count(box) > 0));
      seen_[box] = now;
    }
  }

  void CheckFocus() {
    const std::optional<Control> focus = desk_->Focus();
    Enforce(soak::CheckFocus(focus, focus && desk_->Disabled(*focus)));
  }

  std::span<const Action> actions_;
  sim::Desktop::HandlerLookup lookup_;
  std::unique_ptr<sim::Desktop> desk_;
  std::size_t next_ = 0;
  std::size_t window_opened_at_ = 0;
  std::size_t checked_events_ = 0;
  SlotWatch slot_watch_;
  std::map<Control, std::string> seen_;  // operator boxes as last checked
  std::vector<BoxKind> open_;            // the boxes open now, oldest first
  Figures figures_;
};

}  // namespace

Outcome PlayOnSimulatedDesktop(std::span<const Action> actions,
                               sim::Desktop::HandlerLookup lookup) {
  return Player(actions, lookup).Play();
}

Shrunk ShrinkOnSimulatedDesktop(std::span<const Action> actions, const Failure& failure,
                                sim::Desktop::HandlerLookup lookup) {
  // What comes after the failing action plays no part.
  const std::size_t played = std::min(failure.actions, actions.size());
  std::vector<Action> prefix(actions.begin(),
                             actions.begin() + static_cast<std::ptrdiff_t>(played));
  Shrunk shrunk;
  shrunk.actions = Shrink(std::move(prefix), [&](const std::vector<Action>& candidate) {
    const Outcome outcome = PlayOnSimulatedDesktop(candidate, lookup);
    return outcome.failure && outcome.failure->invariant == failure.invariant;
  });
  shrunk.failure = PlayOnSimulatedDesktop(shrunk.actions, lookup).failure.value_or(failure);
  return shrunk;
}

std::string Report(const Failure& failure, const Shrunk& shrunk) {
  return "broken: " + failure.invariant + "\n  after " + std::to_string(failure.actions) +
         " actions; the shortest list that still breaks it has " +
         std::to_string(shrunk.actions.size()) + ", and shows: " + shrunk.failure.detail +
         "\n  To paste into a test:\n" + Describe(shrunk.actions);
}

}  // namespace soak
