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

// UTF-16 as GBK, the program's texts.
std::string Gbk(std::wstring_view wide);

// UTF-16 as UTF-8, for failure messages.
std::string Utf8(std::wstring_view wide);

// A name of the form, for failure messages.
std::string NameOf(app::Control control);

// What another program can read of a control (the timer has no window).
struct ControlState {
  app::Control control;
  std::string text;  // GBK
  bool checked = false;
  bool enabled = false;
  bool visible = false;
  RECT rect{};  // in the main window's client area

  bool operator==(const ControlState& other) const;
};

// One line for each control whose state differs, naming what was expected and what is seen;
// empty when the two captures agree.
std::string Differences(const std::vector<ControlState>& expected,
                        const std::vector<ControlState>& seen);

// "(left, top) width x height", for failure messages.
std::string Describe(const RECT& rect);

// Shortens a long text for a failure message: its first characters and its length.
std::string Abridged(std::string_view gbk);

// Puts `text` on the clipboard, which the driver then owns; false when the clipboard is busy.
bool SetClipboardText(std::wstring_view text);

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

  long long TextLimit(app::Control control) const;  // of an edit box, in characters
  bool TopMost() const;
  // Whether some pixel of the control on the screen shows `colour` (0x00BBGGRR).
  bool ShowsColour(app::Control control, COLORREF colour) const;

  // Waits until the text reads `expected` and returns what it read last.
  std::string WaitForText(app::Control control, std::string_view expected,
                          DWORD patience_ms = kPatienceMs) const;
  // Waits until the focus is in `control` and returns where it was last.
  std::optional<app::Control> WaitForFocus(app::Control control,
                                           DWORD patience_ms = kPatienceMs) const;

  // Everything another program can read of every control but the timer.
  std::vector<ControlState> Capture() const;

  // Real input. The window is brought to the front first.
  void BringToFront() const;
  // A left click in the middle of the control, or `offset` pixels away from it.
  void Click(app::Control control, POINT offset = {0, 0}) const;
  void RightClick(app::Control control) const;
  void TypeText(std::wstring_view text) const;  // digits, letters, space, point
  // Puts `text` on the clipboard and presses Ctrl+V: any text, of any length, in one piece. The
  // program reads the clipboard when it handles the key: paste again only once this paste has
  // shown, or the program may read the later text.
  void Paste(std::wstring_view text) const;
  // Clicks into a one-line box, selects all it holds with Home and Shift+End, pastes `text` over
  // it (an empty `text` deletes the selection instead) and waits until the box shows it; throws
  // std::runtime_error, which fails the test, when it does not.
  void ReplaceText(app::Control control, std::wstring_view text) const;
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
