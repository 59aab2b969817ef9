// Drives a running quorvane.exe from another process, as an operator and as a screen reader
// would: real key presses and mouse clicks through SendInput, state read back from the live
// window. Controls are found by their child window ID (app::ControlId) among all descendants of
// the main window.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/window.h"

namespace e2e {

// Long enough for a slow machine; only a fault ever makes a wait run out.
// (Milliseconds as DWORD: with GBK as the execution character set <chrono> does not compile.)
inline constexpr DWORD kPatienceMs = 15000;

// Polls `condition` until it holds or the patience runs out; true when it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD patience_ms = kPatienceMs);

// A Unix path as Wine sees it on drive Z:; a Windows path unchanged.
std::wstring WindowsPath(std::wstring_view path);

// GBK bytes as UTF-8, for failure messages.
std::string Readable(std::string_view gbk);

// A name of the form, for failure messages.
std::string NameOf(app::Control control);

struct StartOptions {
  std::wstring exe;                // quorvane.exe
  std::wstring working_directory;  // empty: the driver's own
};

class Quorvane {
 public:
  // Starts the program and waits until its main window is shown. Fails the calling test (by
  // returning none) when it does not come up.
  static std::optional<Quorvane> Start(const StartOptions& options);

  Quorvane(Quorvane&& other) noexcept;
  Quorvane& operator=(Quorvane&& other) noexcept;
  Quorvane(const Quorvane&) = delete;
  // A program still running at the end of a test is ended, so that no test leaves one behind.
  ~Quorvane();

  HWND Main() const { return main_; }
  DWORD ProcessId() const { return process_id_; }

  // The control's window; null for a control without one (the timer).
  HWND Find(app::Control control) const;

  // Reading the live window.
  std::string Text(app::Control control) const;  // GBK
  std::wstring WideText(HWND window) const;
  bool Checked(app::Control control) const;
  bool Enabled(app::Control control) const;
  bool Visible(app::Control control) const;
  std::optional<app::Control> Focus() const;
  RECT RectInClient(app::Control control) const;  // in the main window's client area
  RECT OuterRect() const;                         // on the screen

  // Waits until the text reads `expected` and returns what it read last.
  std::string WaitForText(app::Control control, std::string_view expected) const;
  // Waits until the focus is in `control` and returns where it was last.
  std::optional<app::Control> WaitForFocus(app::Control control) const;

  // Real input. The window is brought to the front first.
  void BringToFront() const;
  void Click(app::Control control) const;
  void RightClick(app::Control control) const;
  void TypeText(std::wstring_view text) const;  // digits, letters, space, point
  // A key with the modifiers held (VK_SHIFT, VK_CONTROL, VK_MENU); `extended` for keys such as
  // the keypad's Enter.
  void PressKey(WORD virtual_key, std::initializer_list<WORD> modifiers = {},
                bool extended = false) const;

  // Message boxes of the program: the first one shown, its text and title, its OK button.
  HWND WaitForMessageBox() const;
  std::vector<HWND> MessageBoxes() const;
  std::wstring MessageBoxText(HWND box) const;
  std::wstring MessageBoxTitle(HWND box) const;
  void PressOk(HWND box) const;

  // Asks the window to close as another program would.
  void RequestClose() const;
  // Waits for the process to end; its exit code, or none when it did not end.
  std::optional<int> WaitForExit() const;

 private:
  Quorvane(HANDLE process, DWORD process_id, HWND main)
      : process_(process), process_id_(process_id), main_(main) {}
  POINT ScreenCentre(app::Control control) const;

  HANDLE process_ = nullptr;
  DWORD process_id_ = 0;
  HWND main_ = nullptr;
};

}  // namespace e2e
