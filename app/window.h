// The window contract: how handlers read and write the controls of the main window, which events
// reach them, and the desktop services they call. Handlers know only this; the real desktop
// (app/win32) and the simulated one (app/sim) carry it out.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace app {

// The 47 controls of the main window, named as on the form and listed in the form's order: the
// window's own children, then those of 分组框1, then those of 分组框2, each in stacking order
// (topmost first). The order is part of the contract: a control's child window ID is
// kFirstControlId + its position here.
enum class Control : int {
  // Children of the window.
  透明标签3,
  透明标签2,
  透明标签1,
  标签16,
  编辑框2,
  分组框2,
  分组框1,
  // Children of 分组框1 ("打印模块").
  透明标签4,
  选择框2,
  选择框1,
  选择框7,
  编辑框7,
  标签7,
  选择框6,
  选择框5,
  标签6,
  按钮2,
  标签5,
  编辑框3,
  标签4,
  标签3,
  编辑框6,
  标签2,
  编辑框5,
  标签1,
  // Children of 分组框2 ("综合计算").
  按钮1,
  编辑框13,
  定位编辑框1,
  时钟1,
  按钮6,
  编辑框14,
  标签15,
  编辑框12,
  编辑框11,
  标签14,
  按钮5,
  标签13,
  编辑框10,
  标签12,
  按钮4,
  标签11,
  编辑框9,
  标签10,
  按钮3,
  标签9,
  编辑框8,
  标签8,
};

inline constexpr int kControlCount = 47;
inline constexpr int kFirstControlId = 1001;

constexpr int Index(Control control) {
  return static_cast<int>(control);
}
constexpr Control ControlAt(int index) {
  return static_cast<Control>(index);
}
constexpr int ControlId(Control control) {
  return kFirstControlId + Index(control);
}

// 0x00BBGGRR: red in the low byte (255 red, 0xFF0000 blue, 0 black).
using Colour = std::uint32_t;

enum class Event {
  WindowReady,      // the window, once, after all controls exist and before it is first shown
  CloseQuery,       // the window, on every close request and on the session-end query
  Click,            // push buttons and check boxes (a check box has toggled already)
  KeyDown,          // the focused edit box, before the box sees the key
  LeftButtonDown,   // edit boxes and transparent labels
  RightButtonDown,  // labels
  TimerTick,        // the timer
};

// What a handler hands back. Only False has an effect: CloseQuery keeps the window open and
// KeyDown swallows the key.
enum class Result { None, False };

// Key codes and modifier bits of KeyDown and the mouse events.
inline constexpr int kKeyEnter = 13;
inline constexpr int kShiftCtrl = 1;
inline constexpr int kShiftShift = 2;
inline constexpr int kShiftAlt = 4;

// The arguments of an event; each event reads only its own.
struct EventArgs {
  int key_code = 0;  // KeyDown: the virtual-key code (keypad digits 48-57; keypad -./ 189-191)
  int shift = 0;     // KeyDown: sum of kShiftCtrl, kShiftShift, kShiftAlt
  int x = 0;         // mouse: pointer position in the control's client area
  int y = 0;
  int key_state = 0;  // mouse: sum of kShiftCtrl, kShiftShift, kShiftAlt
};

// The main window as a handler sees it. A property read sees the live state; a property write
// never raises an event.
class Window {
 public:
  virtual ~Window() = default;

  // Text of an edit box (a copy; an empty box reads as the empty text).
  virtual std::string Text(Control control) const = 0;
  // Replaces the text of an edit box or the caption of a label, and repaints.
  virtual void SetText(Control control, std::string_view text) = 0;
  // 1 when the check box is ticked, else 0.
  virtual int Checked(Control control) const = 0;
  // 0 clears the check box, any other value ticks it.
  virtual void SetChecked(Control control, int checked) = 0;
  // Non-zero: the edit box is greyed and takes no input; 0: enabled again.
  virtual void SetDisabled(Control control, int disabled) = 0;
  virtual void SetTextColor(Control control, Colour colour) = 0;
  // Timer interval in ms: negative counts as 0; the current value changes nothing; otherwise
  // the countdown restarts, and 0 stops the timer.
  virtual void SetInterval(Control control, int milliseconds) = 0;
  // Non-zero keeps the main window above windows that are not top-most; 0 returns it to the
  // normal order. Neither moves nor activates it.
  virtual void SetTopMost(int top_most) = 0;

  // Moves the keyboard focus, also to the hidden 定位编辑框1.
  virtual void SetFocus(Control control) = 0;
  // A modal information box with one OK button; returns when the operator closes it. Timer
  // ticks keep running meanwhile.
  virtual void ShowInfoBox(std::string_view text, std::string_view title) = 0;
  // Starts a program without waiting for its end; true when it started.
  virtual bool RunProgram(std::string_view command_line) = 0;
  // Opens a folder in the desktop's file browser; a missing folder is neither reported nor made.
  virtual void OpenFolder(std::string_view path) = 0;
  // 1, 2 or 3: the flat owner-drawn skin for every window of the thread; others: system look.
  virtual void ApplySkin(int style) = 0;
};

// Every handler is a free function without state.
using Handler = Result (*)(Window& window, const EventArgs& args);

}  // namespace app
