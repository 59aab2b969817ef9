#include "app/win32/desktop.h"

#include <algorithm>

#include "app/win32/services.h"
#include "app/win32/skin.h"
#include "app/win32/tab_cycle.h"
#include "app/win32/text.h"
#include "pricing/amount_arithmetic.h"

namespace win32 {
namespace {

std::size_t Slot(app::Control control) {
  return static_cast<std::size_t>(app::Index(control));
}

}  // namespace

bool Desktop::Build(WNDPROC main_procedure) {
  const BuiltWindow built = BuildMainWindow(instance_, main_procedure, this, fonts_, colours_);
  if (!built.main) return false;
  main_ = built.main;
  controls_ = built.controls;
  return true;
}

HWND Desktop::Handle(app::Control control) const {
  return controls_[Slot(control)];
}

std::optional<app::Control> Desktop::ControlOf(HWND window) const {
  if (!window || !main_ || !IsChild(main_, window)) return std::nullopt;
  const int index = GetDlgCtrlID(window) - app::kFirstControlId;
  if (index < 0 || index >= app::kControlCount) return std::nullopt;
  return app::ControlAt(index);
}

app::Result Desktop::Raise(std::optional<app::Control> control, app::Event event,
                           const app::EventArgs& args) {
  const app::Handler handler = app::FindHandler(control, event);
  if (!handler) return app::Result::None;
  // Start-up set the floating-point unit for the amount arithmetic, but code that runs in this
  // process meanwhile may have changed it: the shell extensions the folder browser loads, a
  // printer or graphics driver. Every handler gets the environment it was written for.
  pricing::ResetFloatingPoint();
  return handler(*this, args);
}

bool Desktop::MayClose() {
  if (asking_close_) return false;
  asking_close_ = true;
  const app::Result result = Raise(std::nullopt, app::Event::CloseQuery);
  asking_close_ = false;
  return result != app::Result::False;
}

void Desktop::RememberFocus() {
  HWND focus = GetFocus();
  if (focus && IsChild(main_, focus)) focus_ = focus;
}

bool Desktop::RestoreFocus() {
  if (!focus_ || !IsWindow(focus_) || !IsWindowEnabled(focus_)) return false;
  ::SetFocus(focus_);
  return true;
}

bool Desktop::IsInTabCycle(app::Control control) const {
  HWND window = Handle(control);
  return app::FormOf(control).tab_stop && window && IsWindowVisible(window) &&
         IsWindowEnabled(window);
}

void Desktop::MoveFocusAlongTabs(bool backward) {
  const auto next = NextTabStop(app::TabSequence(), ControlOf(GetFocus()), backward,
                                [this](app::Control control) { return IsInTabCycle(control); });
  if (!next) return;
  SetFocus(*next);
  // As in a dialog, a one-line box reached by Tab has its text selected, ready to be typed
  // over. The notes box keeps its caret: typing must never wipe the notes.
  const app::ControlForm& form = app::FormOf(*next);
  if (form.kind == app::Kind::编辑框 && !form.multi_line) {
    SendMessageW(Handle(*next), EM_SETSEL, 0, -1);
  }
}

std::string Desktop::Text(app::Control control) const {
  return GbkFromWide(WindowTextOf(Handle(control)));
}

void Desktop::SetText(app::Control control, std::string_view text) {
  SetWindowTextW(Handle(control), WideFromGbk(text).c_str());
}

int Desktop::Checked(app::Control control) const {
  return SendMessageW(Handle(control), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void Desktop::SetChecked(app::Control control, int checked) {
  SendMessageW(Handle(control), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Desktop::SetDisabled(app::Control control, int disabled) {
  EnableWindow(Handle(control), disabled ? FALSE : TRUE);
}

void Desktop::SetTextColor(app::Control control, app::Colour colour) {
  colours_.SetTextColour(control, colour);
  InvalidateRect(Handle(control), nullptr, TRUE);
}

void Desktop::SetInterval(app::Control control, int milliseconds) {
  const int interval = std::max(milliseconds, 0);
  int& current = intervals_[Slot(control)];
  if (interval == current) return;  // the countdown runs on undisturbed
  const auto timer = static_cast<UINT_PTR>(app::ControlId(control));
  KillTimer(main_, timer);
  current = interval;
  if (interval > 0) SetTimer(main_, timer, static_cast<UINT>(interval), nullptr);
}

void Desktop::SetTopMost(int top_most) {
  SetWindowPos(main_, top_most ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Desktop::SetFocus(app::Control control) {
  HWND window = Handle(control);
  if (!window) return;
  // Remembered even when the window is not active now: that is where the operator finds the
  // focus when coming back.
  focus_ = window;
  ::SetFocus(window);
}

void Desktop::ShowInfoBox(std::string_view text, std::string_view title) {
  win32::ShowInfoBox(main_, text, title);
}

bool Desktop::RunProgram(std::string_view command_line) {
  return win32::RunProgram(command_line);
}

void Desktop::OpenFolder(std::string_view path) {
  win32::OpenFolder(path);
}

void Desktop::ApplySkin(int style) {
  win32::ApplySkin(style);
}

}  // namespace win32
