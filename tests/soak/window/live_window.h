// The running quorvane.exe as a soak run drives it: the end-to-end driver's real input and
// read-back, plus what a long run needs on top: typing any GBK text (full-width forms come as
// Unicode key strokes, as an input method delivers them), timer ticks posted with the timer's own
// ID, the program's message boxes told apart by kind, a barrier that waits until the program
// has handled all the input sent so far, and the programs the counter starts (the calculator)
// closed again so that they neither pile up nor take the keyboard.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "app/form.h"
#include "tests/e2e/driver/driver.h"
#include "tests/soak/boxes.h"

namespace soak {

struct OpenBox {
  HWND window;
  BoxKind kind;
};

class LiveWindow {
 public:
  explicit LiveWindow(e2e::Quorvane& app);
  LiveWindow(const LiveWindow&) = delete;
  LiveWindow& operator=(const LiveWindow&) = delete;
  ~LiveWindow();

  e2e::Quorvane& App() { return app_; }
  // The process runs and its window is shown (a closing window is hidden first).
  bool Running() const;
  // The exit code once the program has ended; none while it runs.
  std::optional<int> ExitCode() const;

  // Waits until the program has handled everything sent before: it is asked to repaint, and a
  // window repaints only once no input is waiting. False when it does not get there in time.
  bool Settle();

  // Reading back.
  std::string Text(app::Control control) const;  // GBK
  bool Checked(app::Control control) const;
  bool Enabled(app::Control control) const;
  std::optional<app::Control> Focus() const { return app_.Focus(); }
  bool InFront() const { return GetForegroundWindow() == app_.Main(); }
  // An edit box's own context menu, opened by a right click.
  bool MenuOpen() const;
  // The program's open message boxes, oldest first.
  std::vector<OpenBox> Boxes();

  // Real input.
  void Key(WORD virtual_key, std::initializer_list<WORD> modifiers = {});
  void Type(std::string_view gbk);
  void Click(app::Control control);
  void DoubleClick(app::Control control);
  void RightClick(app::Control control);
  void PressBackground();
  // Timer ticks delivered as the system delivers them: WM_TIMER with the timer's ID.
  void PostTicks(long long ticks);
  void PressOk(HWND box) { app_.PressOk(box); }

  // Ends the programs the counter started since the run began (the calculator): closed as
  // asked, or ended when they do not go. Returns how many.
  int EndStartedPrograms();

 private:
  POINT Centre(app::Control control) const;

  e2e::Quorvane& app_;
  HANDLE process_;
  std::array<HWND, app::kControlCount> handles_{};
  std::vector<HWND> boxes_seen_;     // in the order they were first seen
  std::set<HWND> windows_at_start_;  // top-level windows of other programs before the run
};

}  // namespace soak
