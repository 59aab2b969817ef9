// One thing an operator does at the counter: a key, a typed text, a click, a wait, a close
// request, OK on an open box. A list of actions is what the soak runs play, on the simulated
// desktop and against the real window alike, and what a failing run prints: Describe writes a
// list as C++ that pastes back into a test (see tests/soak/replay_test.cpp).
#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

#include "app/window.h"

namespace soak {

enum class Do {
  Type,         // `text` into the focused control, one key per character (GBK)
  Keypad,       // `text` on the numeric keypad: "0"-"9", ".", "-", "/"
  Enter,        // the main Enter key
  Tab,          //
  BackTab,      // Shift+Tab
  Backspace,    //
  Escape,       //
  F1,           //
  Space,        // types a space, or clicks a focused button or check box
  SelectAll,    // Ctrl+A
  Click,        // left click on the centre of `control`
  DoubleClick,  // left double-click on `control`
  RightClick,   // right click on `control`
  Background,   // a left press on the window's own background, which drags the window
  Wait,         // `ms` milliseconds of idling: the timer ticks meanwhile
  CloseButton,  // the caption's close button (or a close request from another program)
  AltF4,        // Alt+F4 in the focused control
  SessionEnd,   // Windows asks whether the program may end (log-off, shut-down)
  Fill,         // a click into `control`, Ctrl+A, then `text` typed over what it held
  Note,         // a click into the notes box, then `text` typed at its end
  ClearNotes,   // a click into the notes box, Ctrl+A, Backspace
  Ok,           // OK on the newest open message box; nothing when none is open
};

struct Action {
  Do what = Do::Ok;
  app::Control control = app::Control::编辑框5;  // Click, DoubleClick, RightClick
  std::string text;                              // Type, Keypad, Note (GBK bytes)
  long long ms = 0;                              // Wait

  Action() = default;
  // Not explicit, so that a list pastes as {{Do::Enter}, {Do::Click, 按钮3}, ...}.
  Action(Do what) : what(what) {}
  Action(Do what, app::Control control) : what(what), control(control) {}
  Action(Do what, app::Control control, std::string text)
      : what(what), control(control), text(std::move(text)) {}
  Action(Do what, std::string text) : what(what), text(std::move(text)) {}
  Action(Do what, const char* text) : what(what), text(text) {}
  Action(Do what, long long ms) : what(what), ms(ms) {}
  Action(Do what, int ms) : what(what), ms(ms) {}

  friend bool operator==(const Action&, const Action&) = default;
};

// The action as a C++ initialiser, e.g. {Do::Click, 按钮3}, {Do::Type, "１２"}, {Do::Wait, 1000}.
// Texts are written in UTF-8 (the build compiles literals to GBK); what has no GBK reading is
// written as octal escapes.
std::string Describe(const Action& action);
// A whole list, one action a line, as the body of a std::vector<soak::Action> initialiser.
std::string Describe(std::span<const Action> actions);

// GoogleTest and failure messages print actions as Describe does.
void PrintTo(const Action& action, std::ostream* out);

// GBK bytes as UTF-8, for people reading a report; none of the text is lost: bytes without a
// GBK reading come out as octal escapes.
std::string Readable(std::string_view gbk);

}  // namespace soak
