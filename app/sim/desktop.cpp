#include "app/sim/desktop.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "app/sim/names.h"
#include "pricing/amount_arithmetic.h"

namespace sim {
namespace {

using app::Kind;

const app::ControlForm& Form(Control control) {
  return app::FormOf(control);
}
Kind KindOf(Control control) {
  return Form(control).kind;
}
bool IsEdit(Control control) {
  return KindOf(control) == Kind::编辑框;
}
// A left press on these moves the window like its caption.
bool DragsTheWindow(Control control) {
  return KindOf(control) == Kind::标签 || KindOf(control) == Kind::分组框;
}
bool IsButtonLike(Control control) {
  return KindOf(control) == Kind::按钮 || KindOf(control) == Kind::选择框;
}

// A handler that asks a control for something its kind does not have is a fault in the handler:
// the real window would silently do nothing, so the simulated one says so loudly.
void Require(bool allowed, Control control, const char* what) {
  if (!allowed)
    throw std::logic_error(std::string(what) + " is not a property of " + app::NameOf(control));
}

bool HasCaption(Control control) {
  const Kind kind = KindOf(control);
  return kind == Kind::编辑框 || kind == Kind::标签 || kind == Kind::透明标签;
}

// The pointer in the middle of the control.
app::EventArgs MouseArgs(Control control) {
  app::EventArgs args;
  args.x = Form(control).width / 2;
  args.y = Form(control).height / 2;
  return args;
}

// Where the last character of an edit box's text starts: a GBK lead byte takes its trail byte
// with it, and a line break of a multi-line box is CR LF.
std::size_t LastCharacterStart(std::string_view text) {
  std::size_t last = 0;
  for (std::size_t at = 0; at < text.size();) {
    last = at;
    const bool two_bytes = static_cast<unsigned char>(text[at]) >= 0x80 ||
                           (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n');
    at += two_bytes ? 2 : 1;
  }
  return last;
}

class Nesting {
 public:
  explicit Nesting(int& depth) : depth_(depth) { ++depth_; }
  ~Nesting() { --depth_; }
  Nesting(const Nesting&) = delete;
  Nesting& operator=(const Nesting&) = delete;

 private:
  int& depth_;
};

}  // namespace

Desktop::Desktop(HandlerLookup lookup) : lookup_(lookup) {
  controls_.reserve(app::kControlCount);
  for (const app::ControlForm& form : app::Controls()) {
    ControlState state;
    state.text = form.text;
    state.text_colour = form.text_colour;
    controls_.push_back(std::move(state));
  }
}

void Desktop::Start() {
  if (stage_ != Stage::Built) throw std::logic_error("the window starts only once");
  pricing::ResetFloatingPoint();
  Raise(std::nullopt, app::Event::WindowReady);
  stage_ = Stage::Running;
  Idle();
}

// The window contract.

std::string Desktop::Text(Control control) const {
  Require(IsEdit(control), control, "Text (read)");
  return State(control).text;
}

void Desktop::SetText(Control control, std::string_view text) {
  Require(HasCaption(control), control, "Text");
  State(control).text = text;
  State(control).all_selected = false;
}

int Desktop::Checked(Control control) const {
  Require(KindOf(control) == Kind::选择框, control, "Checked");
  return State(control).checked ? 1 : 0;
}

void Desktop::SetChecked(Control control, int checked) {
  Require(KindOf(control) == Kind::选择框, control, "Checked");
  State(control).checked = checked != 0;
}

void Desktop::SetDisabled(Control control, int disabled) {
  Require(IsEdit(control), control, "Disabled");
  State(control).disabled = disabled != 0;
  // A disabled control cannot keep the focus.
  if (disabled != 0 && focus_ == control) focus_.reset();
}

void Desktop::SetTextColor(Control control, app::Colour colour) {
  Require(IsEdit(control), control, "TextColor");
  State(control).text_colour = colour;
}

void Desktop::SetInterval(Control control, int milliseconds) {
  Require(KindOf(control) == Kind::时钟, control, "Interval");
  const int interval = std::max(milliseconds, 0);
  if (interval == interval_) return;
  interval_ = interval;
  tick_pending_ = false;
  next_tick_ = now_ + interval;
}

void Desktop::SetTopMost(int top_most) {
  top_most_ = top_most != 0 ? 1 : 0;
}

void Desktop::SetFocus(Control control) {
  Require(KindOf(control) != Kind::时钟, control, "the focus");
  focus_ = control;
}

void Desktop::ShowInfoBox(std::string_view text, std::string_view title) {
  const InfoBox box{std::string(text), std::string(title)};
  boxes_.push_back(box);
  ++open_boxes_;
  most_boxes_open_ = std::max(most_boxes_open_, open_boxes_);
  struct Closing {
    int& open;
    ~Closing() { --open; }
  } closing{open_boxes_};
  // The box's own message loop delivers whatever is waiting, then the operator's turn.
  DeliverPendingTick();
  if (modal_loop_) {
    const ModalLoop loop = modal_loop_;
    loop(*this, box);
  }
}

bool Desktop::RunProgram(std::string_view command_line) {
  programs_.emplace_back(command_line);
  if (!programs_start_) return false;
  // Waiting until the program is ready for input holds the thread.
  Stall(program_start_delay_);
  return true;
}

void Desktop::OpenFolder(std::string_view path) {
  folders_.emplace_back(path);
}

void Desktop::ApplySkin(int style) {
  skins_.push_back(style);
}

// Keyboard.

bool Desktop::Type(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const char c = text[at];
    bool delivered = true;
    if (static_cast<unsigned char>(c) >= 0x80) {
      if (at + 1 >= text.size()) throw std::invalid_argument("a GBK lead byte without its trail");
      delivered = KeyGoesDown({kVkProcessKey, 0}, KeyEffect::Insert, text.substr(at, 2));
      at += 2;
      continue;
    }
    ++at;
    if (c == '\r' || c == '\n') {
      if (c == '\r' && at < text.size() && text[at] == '\n') ++at;
      delivered = Press(Key::Enter);
    } else if (c == '\t') {
      delivered = Press(Key::Tab);
    } else if (c == ' ') {
      delivered = Press(Key::Space);
    } else if (c == '\b') {
      delivered = Press(Key::Backspace);
    } else {
      const std::optional<KeyStroke> stroke = KeyForCharacter(c);
      if (!stroke) throw std::invalid_argument("no key types this character");
      delivered = KeyGoesDown(*stroke, KeyEffect::Insert, text.substr(at - 1, 1));
    }
    if (!delivered) return false;
  }
  return true;
}

bool Desktop::TypeOnKeypad(std::string_view keys) {
  for (const char c : keys) {
    const std::optional<KeyStroke> stroke = KeypadKeyFor(c);
    if (!stroke) throw std::invalid_argument("the keypad has no such key");
    const KeyEffect effect = c == '\r' ? KeyEffect::Enter : KeyEffect::Insert;
    if (!KeyGoesDown(*stroke, effect, std::string_view(&c, 1))) return false;
  }
  return true;
}

bool Desktop::Press(Key key, int shift) {
  switch (key) {
    case Key::Tab:
      if (!TakesInput()) return false;
      MoveFocusAlongTab((shift & app::kShiftShift) == 0);
      Idle();
      return true;
    case Key::Enter:
      return KeyGoesDown({kVkEnter, shift}, KeyEffect::Enter);
    case Key::Escape:
      return KeyGoesDown({kVkEscape, shift}, KeyEffect::None);
    case Key::Space:
      return KeyGoesDown({kVkSpace, shift}, KeyEffect::Space, " ");
    case Key::Backspace:
      return KeyGoesDown({kVkBackspace, shift}, KeyEffect::Erase);
    case Key::F1:
      return KeyGoesDown({kVkF1, shift}, KeyEffect::None);
    case Key::F4:
      return KeyGoesDown({kVkF4, shift},
                         (shift & app::kShiftAlt) != 0 ? KeyEffect::Close : KeyEffect::None);
  }
  return false;
}

bool Desktop::SelectAll() {
  return KeyGoesDown({'A', app::kShiftCtrl}, KeyEffect::SelectAll);
}

bool Desktop::KeyGoesDown(KeyStroke stroke, KeyEffect effect, std::string_view typed) {
  if (!TakesInput()) return false;
  // Without a focused control the key reaches the window itself, which binds nothing to keys.
  const std::optional<Control> target = focus_;
  if (target && State(*target).disabled) return false;
  // The key belongs to the control that had the focus when it went down, even if the handler
  // moves the focus.
  const bool swallowed = target && Raise(*target, app::Event::KeyDown,
                                         {stroke.key_code, stroke.shift}) == app::Result::False;
  // Alt combinations type nothing.
  if (!swallowed && ((stroke.shift & app::kShiftAlt) == 0 || effect == KeyEffect::Close)) {
    ApplyKey(effect, target, typed);
  }
  Idle();
  return true;
}

void Desktop::ApplyKey(KeyEffect effect, std::optional<Control> target, std::string_view typed) {
  if (effect == KeyEffect::Close) {
    AskToClose();
    return;
  }
  if (!target) return;
  const app::ControlForm& form = Form(*target);
  const bool editable = IsEdit(*target) && !form.read_only && !State(*target).disabled;
  switch (effect) {
    case KeyEffect::Insert:
      if (editable) Insert(*target, typed);
      break;
    case KeyEffect::Enter:
      // A one-line box ignores Enter; no button is the default one.
      if (editable && form.multi_line) Insert(*target, "\r\n");
      break;
    case KeyEffect::Space:
      if (editable) Insert(*target, typed);
      if (IsButtonLike(*target)) Release(*target);
      break;
    case KeyEffect::Erase:
      if (editable) EraseLast(*target);
      break;
    case KeyEffect::SelectAll:
      if (IsEdit(*target)) State(*target).all_selected = true;
      break;
    case KeyEffect::Close:
    case KeyEffect::None:
      break;
  }
}

void Desktop::Insert(Control box, std::string_view typed) {
  ControlState& state = State(box);
  if (state.all_selected) state.text.clear();
  state.all_selected = false;
  state.text += typed;
}

void Desktop::EraseLast(Control box) {
  ControlState& state = State(box);
  if (state.all_selected) {
    state.text.clear();
  } else {
    state.text.erase(LastCharacterStart(state.text));
  }
  state.all_selected = false;
}

void Desktop::MoveFocusAlongTab(bool forward) {
  const std::optional<Control> next = app::NextTabStop(
      focus_, !forward, [this](Control control) { return !State(control).disabled; });
  if (!next) return;
  focus_ = next;
  // As in a dialog, a one-line box reached by Tab has its text selected, ready to be typed over;
  // the notes box keeps its caret, so typing never wipes the notes.
  if (IsEdit(*next) && !Form(*next).multi_line) State(*next).all_selected = true;
}

// Mouse.

bool Desktop::Click(Control control) {
  if (!TakesMouse(control)) return false;
  if (DragsTheWindow(control)) {
    ++drags_;
  } else {
    LeftPress(control);
  }
  Idle();
  return true;
}

bool Desktop::RightClick(Control control) {
  if (!TakesMouse(control)) return false;
  // A group box lets presses through to the window's background, where the right button does
  // nothing.
  if (KindOf(control) != Kind::分组框) {
    Raise(control, app::Event::RightButtonDown, MouseArgs(control));
  }
  Idle();
  return true;
}

bool Desktop::DoubleClick(Control control, MouseButton button) {
  const bool first = button == MouseButton::Left ? Click(control) : RightClick(control);
  if (!first) return false;
  // The second press arrives as a double-click: it raises no button-down event, but a button
  // or check box takes it as one more click, and a label or group box drags again.
  if (button == MouseButton::Right || !TakesMouse(control)) return true;
  if (IsButtonLike(control)) Release(control);
  if (DragsTheWindow(control)) ++drags_;
  Idle();
  return true;
}

bool Desktop::PressBackground() {
  if (!TakesInput()) return false;
  ++drags_;
  return true;
}

void Desktop::LeftPress(Control control) {
  if (Raise(control, app::Event::LeftButtonDown, MouseArgs(control)) == app::Result::False) return;
  const Kind kind = KindOf(control);
  if (kind == Kind::透明标签) return;
  // The press puts the focus (and an edit box's caret) into the control; the release clicks a
  // button.
  if (TakesMouse(control)) {
    focus_ = control;
    State(control).all_selected = false;
  }
  if (IsButtonLike(control)) Release(control);
}

// A check box toggles before its Click is raised, so the handler reads the new state.
void Desktop::Release(Control control) {
  if (KindOf(control) == Kind::选择框) State(control).checked = !State(control).checked;
  Raise(control, app::Event::Click);
}

// Closing.

bool Desktop::RequestClose() {
  if (!TakesInput()) return false;
  AskToClose();
  Idle();
  return Closed();
}

bool Desktop::QueryEndSession() {
  if (stage_ != Stage::Running) return true;
  const bool may_end = Raise(std::nullopt, app::Event::CloseQuery) != app::Result::False;
  if (may_end) Close();
  return may_end;
}

void Desktop::AskToClose() {
  if (Raise(std::nullopt, app::Event::CloseQuery) != app::Result::False) Close();
}

void Desktop::Close() {
  stage_ = Stage::Closed;
  focus_.reset();
  tick_pending_ = false;
}

// The clock.

void Desktop::Advance(long long milliseconds) {
  if (milliseconds < 0) throw std::invalid_argument("the clock does not run backwards");
  // Without a message loop (the window not yet shown) time passes as for a busy thread.
  if (!Shown()) {
    Stall(milliseconds);
    return;
  }
  const long long until = now_ + milliseconds;
  DeliverPendingTick();
  while (Shown() && TimerRunning() && next_tick_ <= until) {
    now_ = std::max(now_, next_tick_);
    next_tick_ += interval_;
    Raise(Control::时钟1, app::Event::TimerTick);
  }
  now_ = std::max(now_, until);
}

void Desktop::Stall(long long milliseconds) {
  if (milliseconds < 0) throw std::invalid_argument("the clock does not run backwards");
  now_ += milliseconds;
  if (!TimerRunning() || next_tick_ > now_) return;
  // However many intervals pass, one tick waits.
  tick_pending_ = true;
  next_tick_ += ((now_ - next_tick_) / interval_ + 1) * interval_;
}

void Desktop::DeliverPendingTick() {
  if (!tick_pending_ || !Shown() || !TimerRunning()) return;
  tick_pending_ = false;
  Raise(Control::时钟1, app::Event::TimerTick);
}

void Desktop::Idle() {
  DeliverPendingTick();
}

// Test reads.

std::string Desktop::TextOf(Control control) const {
  return State(control).text;
}
bool Desktop::Disabled(Control control) const {
  return State(control).disabled;
}
app::Colour Desktop::TextColor(Control control) const {
  return State(control).text_colour;
}

// Events.

bool Desktop::TakesInput() const {
  return stage_ == Stage::Running && open_boxes_ == 0;
}

bool Desktop::TakesMouse(Control control) const {
  const app::ControlForm& form = Form(control);
  return TakesInput() && form.visible && !State(control).disabled;
}

app::Result Desktop::Raise(std::optional<Control> control, app::Event event,
                           const app::EventArgs& args) {
  const app::Handler handler = lookup_ != nullptr ? lookup_(control, event) : nullptr;
  const std::size_t entry = events_.size();
  events_.push_back(
      RaisedEvent{control, event, args, handler != nullptr, app::Result::None, depth_, now_});
  if (handler == nullptr) return app::Result::None;
  app::Result result;
  {
    const Nesting nesting(depth_);
    result = handler(*this, args);
  }
  events_[entry].result = result;
  return result;
}

}  // namespace sim
