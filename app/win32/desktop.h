// The main window as the handlers see it: the contract carried out with Win32. It reads and
// writes the live controls, remembers where the keyboard focus belongs, runs the timers and
// raises events to the handlers the form binds.
#pragma once

#include <windows.h>

#include <array>
#include <optional>

#include "app/form.h"
#include "app/win32/colours.h"
#include "app/win32/fonts.h"
#include "app/win32/window_builder.h"

namespace win32 {

class Desktop final : public app::Window {
 public:
  explicit Desktop(HINSTANCE instance) : instance_(instance) {}
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  // Builds the hidden window and its controls; false when they cannot be created.
  bool Build(WNDPROC main_procedure);
  // Called by the main window procedure as soon as the window exists.
  void Attach(HWND main) { main_ = main; }

  HWND Main() const { return main_; }
  HWND Handle(app::Control control) const;
  // The control whose window this is, if it is one of the main window's descendants.
  std::optional<app::Control> ControlOf(HWND window) const;
  const ControlColours& Colours() const { return colours_; }

  // Runs the handler bound to (control, event); no control: the window's own events.
  app::Result Raise(std::optional<app::Control> control, app::Event event,
                    const app::EventArgs& args = {});
  // Asks CloseQuery; a request that comes while the question is already open is refused.
  bool MayClose();

  // Keyboard focus that survives deactivation: remembered when the window loses activation,
  // given back when it gets it again.
  void RememberFocus();
  bool RestoreFocus();
  // Tab and Shift+Tab along the form's fixed sequence.
  void MoveFocusAlongTabs(bool backward);

  // The contract.
  std::string Text(app::Control control) const override;
  void SetText(app::Control control, std::string_view text) override;
  int Checked(app::Control control) const override;
  void SetChecked(app::Control control, int checked) override;
  void SetDisabled(app::Control control, int disabled) override;
  void SetTextColor(app::Control control, app::Colour colour) override;
  void SetInterval(app::Control control, int milliseconds) override;
  void SetTopMost(int top_most) override;
  void SetFocus(app::Control control) override;
  void ShowInfoBox(std::string_view text, std::string_view title) override;
  bool RunProgram(std::string_view command_line) override;
  void OpenFolder(std::string_view path) override;
  void ApplySkin(int style) override;

 private:
  bool IsInTabCycle(app::Control control) const;

  HINSTANCE instance_;
  HWND main_ = nullptr;
  Fonts fonts_;
  ControlColours colours_;
  std::array<HWND, app::kControlCount> controls_{};
  std::array<int, app::kControlCount> intervals_{};
  HWND focus_ = nullptr;  // the control that gets the focus when the window is active again
  bool asking_close_ = false;
};

}  // namespace win32
