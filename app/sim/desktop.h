// The simulated desktop: the main window in memory, built from the form and driven as an operator
// drives the real one. It applies the real window's input rules (KeyDown before the box sees the
// key, check boxes that toggle before their Click, the Tab cycle, dragging by labels, disabled
// controls that take nothing, the timer, modal information boxes with ticks running nested), so
// that tests exercise the handlers exactly as the counter does, on any system.
//
// Time is virtual: nothing happens between two calls except what the calls themselves do, and
// the clock moves only with Advance and Stall.
//
// The caret of an edit box stays at the end of its text. Ctrl+A, and Tab into a one-line box,
// select the whole text, so that the next key replaces it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/form.h"
#include "app/sim/keyboard.h"
#include "app/window.h"

namespace sim {

using app::Control;

// One event the window raised, in the order raised. An event raised while handlers were running
// (a tick inside an information box) has a depth above 0.
struct RaisedEvent {
  std::optional<Control> control;  // none: the window itself
  app::Event event;
  app::EventArgs args;
  bool bound = false;  // the form binds a handler, which ran
  app::Result result = app::Result::None;
  int depth = 0;
  long long at = 0;  // the clock when it was raised
};

struct InfoBox {
  std::string text;
  std::string title;

  friend bool operator==(const InfoBox&, const InfoBox&) = default;
};

enum class Key { Enter, Tab, Escape, Space, Backspace, F1, F4 };
enum class MouseButton { Left, Right };

class Desktop final : public app::Window {
 public:
  // Where events find their handlers; tests of the desktop itself may bind their own.
  using HandlerLookup = app::Handler (*)(std::optional<Control>, app::Event);
  // Runs while an information box is open, nested inside the handler that opened it. It may
  // advance the clock (ticks then run nested) and try any input (which the window refuses);
  // returning from it is the operator pressing OK. The default presses OK at once.
  using ModalLoop = std::function<void(Desktop&, const InfoBox&)>;

  // Builds the window and its controls from the form, hidden, in their initial state.
  explicit Desktop(HandlerLookup lookup = &app::FindHandler);

  // Start-up: resets the floating-point unit, raises WindowReady, then shows the window. Input
  // is taken only from here until the window closes.
  void Start();
  bool Shown() const { return stage_ == Stage::Running; }
  bool Closed() const { return stage_ == Stage::Closed; }

  // The window contract, as handlers use it. A call that makes no sense for the control's kind
  // (Checked of a button, Interval of an edit box) throws std::logic_error.
  std::string Text(Control control) const override;
  void SetText(Control control, std::string_view text) override;
  int Checked(Control control) const override;
  void SetChecked(Control control, int checked) override;
  void SetDisabled(Control control, int disabled) override;
  void SetTextColor(Control control, app::Colour colour) override;
  void SetInterval(Control control, int milliseconds) override;
  void SetTopMost(int top_most) override;
  void SetFocus(Control control) override;
  void ShowInfoBox(std::string_view text, std::string_view title) override;
  bool RunProgram(std::string_view command_line) override;
  void OpenFolder(std::string_view path) override;
  void ApplySkin(int style) override;

  // The operator's keyboard. Each returns false when the window refused the input: it is not
  // shown, an information box is open, or the focused control is disabled.
  //
  // Types GBK text into the focused control, one key per character: a two-byte character comes
  // from the input method as one character; "\r\n", "\r" or "\n" is Enter, "\t" is Tab, " " is
  // Space, "\b" is Backspace.
  bool Type(std::string_view text);
  // Types "0" to "9", ".", "-", "/" and "\r" (Enter) on the numeric keypad.
  bool TypeOnKeypad(std::string_view keys);
  // One key with the modifiers held (app::kShiftCtrl, kShiftShift, kShiftAlt): Shift+Tab goes
  // back, Alt+F4 asks the window to close.
  bool Press(Key key, int shift = 0);
  // Ctrl+A: selects the whole text of the focused edit box.
  bool SelectAll();

  // The operator's mouse, on a control's centre. A left click presses and releases: a button
  // or check box takes the focus and is clicked, an edit box or transparent label raises
  // LeftButtonDown (and the edit box takes the focus), a label or group box drags the window.
  bool Click(Control control);
  bool RightClick(Control control);
  // The second press of a double-click raises no button-down event; buttons and check boxes
  // count it as a second click.
  bool DoubleClick(Control control, MouseButton button = MouseButton::Left);
  // A left press on the window's own background: it drags the window.
  bool PressBackground();

  // The close button, Alt+F4 from the system menu or a close request from another program.
  // True when the window closed.
  bool RequestClose();
  // Windows asks before a log-off or shut-down whether the program may end; true lets it end
  // and the window goes with it. Asked even while an information box is open, as Windows does.
  bool QueryEndSession();

  // The clock. Advance lets the window idle: every timer tick that falls due runs, one at its
  // time. Stall keeps the thread busy: ticks that fall due meanwhile fold into one, delivered
  // when the window next idles.
  void Advance(long long milliseconds);
  void Stall(long long milliseconds);
  long long Now() const { return now_; }

  void SetModalLoop(ModalLoop loop) { modal_loop_ = std::move(loop); }
  // Every box shown, in order of opening.
  const std::vector<InfoBox>& InfoBoxes() const { return boxes_; }
  int OpenBoxes() const { return open_boxes_; }
  int MostBoxesOpen() const { return most_boxes_open_; }

  // Whether the desktop starts the programs that RunProgram asks for, and how long the start
  // holds the thread.
  void SetProgramsStart(bool start) { programs_start_ = start; }
  void SetProgramStartDelay(long long milliseconds) { program_start_delay_ = milliseconds; }

  // What the operator sees, beyond the contract's reads.
  std::string TextOf(Control control) const;  // any control's text or caption
  std::optional<Control> Focus() const { return focus_; }
  bool Disabled(Control control) const;
  app::Colour TextColor(Control control) const;
  int Interval() const { return interval_; }
  // The countdown runs from the first Interval write until the window closes; ticks are
  // delivered once the window is shown.
  bool TimerRunning() const { return !Closed() && interval_ > 0; }
  int TopMost() const { return top_most_; }
  const std::vector<int>& SkinsApplied() const { return skins_; }
  const std::vector<std::string>& ProgramsRun() const { return programs_; }
  const std::vector<std::string>& FoldersOpened() const { return folders_; }
  const std::vector<RaisedEvent>& Events() const { return events_; }
  int Drags() const { return drags_; }

 private:
  enum class Stage { Built, Running, Closed };

  struct ControlState {
    std::string text;
    bool checked = false;
    bool disabled = false;
    app::Colour text_colour = 0;
    bool all_selected = false;
  };

  ControlState& State(Control control) { return controls_[app::Index(control)]; }
  const ControlState& State(Control control) const { return controls_[app::Index(control)]; }

  // What a key does in the focused control once its KeyDown has let it through.
  enum class KeyEffect { None, Insert, Enter, Space, Erase, SelectAll, Close };

  app::Result Raise(std::optional<Control> control, app::Event event,
                    const app::EventArgs& args = {});
  bool TakesInput() const;
  bool TakesMouse(Control control) const;
  bool KeyGoesDown(KeyStroke stroke, KeyEffect effect, std::string_view typed = {});
  void ApplyKey(KeyEffect effect, std::optional<Control> target, std::string_view typed);
  void Insert(Control box, std::string_view typed);
  void EraseLast(Control box);
  void MoveFocusAlongTab(bool forward);
  void LeftPress(Control control);
  void Release(Control control);
  void AskToClose();
  void Close();
  void DeliverPendingTick();
  void Idle();

  HandlerLookup lookup_;
  Stage stage_ = Stage::Built;
  std::vector<ControlState> controls_;
  std::optional<Control> focus_;
  int top_most_ = 0;
  std::vector<int> skins_;
  std::vector<std::string> programs_;
  std::vector<std::string> folders_;
  bool programs_start_ = true;
  long long program_start_delay_ = 0;
  int drags_ = 0;

  long long now_ = 0;
  int interval_ = 0;
  long long next_tick_ = 0;
  bool tick_pending_ = false;

  ModalLoop modal_loop_;
  std::vector<InfoBox> boxes_;
  int open_boxes_ = 0;
  int most_boxes_open_ = 0;

  std::vector<RaisedEvent> events_;
  int depth_ = 0;  // handlers running
};

}  // namespace sim
