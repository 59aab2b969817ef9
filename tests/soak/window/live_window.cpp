#include "tests/soak/window/live_window.h"

#include <algorithm>
#include <string_view>

#include "app/win32/text.h"
#include "tests/e2e/driver/input.h"

namespace soak {
namespace {

using app::Control;

// A place on the window's own background, left of both group boxes.
constexpr POINT kBackground{2, 200};
constexpr DWORD kProgramEndPatienceMs = 5000;

struct TopLevel {
  DWORD skip_a;
  DWORD skip_b;
  std::vector<HWND> found;
};

// The visible top-level windows of every process but two.
BOOL CALLBACK CollectOthers(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<TopLevel*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search.skip_a && owner != search.skip_b && IsWindowVisible(window)) {
    search.found.push_back(window);
  }
  return TRUE;
}

std::vector<HWND> OtherWindows(DWORD program) {
  TopLevel search{program, GetCurrentProcessId(), {}};
  EnumWindows(CollectOthers, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

struct MenuSearch {
  DWORD process_id;
  bool found;
};

// A popup menu is a top-level window of the class #32768.
BOOL CALLBACK FindMenu(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<MenuSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  search.found =
      owner == search.process_id && IsWindowVisible(window) && std::wstring_view(name) == L"#32768";
  return !search.found;
}

void SendUnicode(wchar_t c) {
  INPUT inputs[2] = {};
  for (int i = 0; i < 2; ++i) {
    inputs[i].type = INPUT_KEYBOARD;
    inputs[i].ki.wScan = c;
    inputs[i].ki.dwFlags = KEYEVENTF_UNICODE | (i == 1 ? KEYEVENTF_KEYUP : 0);
  }
  SendInput(2, inputs, sizeof inputs[0]);
}

}  // namespace

LiveWindow::LiveWindow(e2e::Quorvane& app)
    : app_(app),
      process_(
          OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, app.ProcessId())) {
  for (int i = 0; i < app::kControlCount; ++i) handles_[i] = app_.Find(app::ControlAt(i));
  for (HWND window : OtherWindows(app_.ProcessId())) windows_at_start_.insert(window);
}

LiveWindow::~LiveWindow() {
  if (process_) CloseHandle(process_);
}

bool LiveWindow::Running() const {
  return !ExitCode() && IsWindowVisible(app_.Main());
}

std::optional<int> LiveWindow::ExitCode() const {
  if (!process_ || WaitForSingleObject(process_, 0) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  return static_cast<int>(code);
}

bool LiveWindow::MenuOpen() const {
  MenuSearch search{app_.ProcessId(), false};
  EnumWindows(FindMenu, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool LiveWindow::Settle() {
  HWND main = app_.Main();
  InvalidateRect(main, nullptr, FALSE);
  return e2e::WaitUntil([&] {
    RECT update;
    return !IsWindow(main) || !GetUpdateRect(main, &update, FALSE);
  });
}

std::string LiveWindow::Text(Control control) const {
  return win32::GbkFromWide(app_.WideText(handles_[app::Index(control)]));
}

bool LiveWindow::Checked(Control control) const {
  DWORD_PTR state = 0;
  SendMessageTimeoutW(handles_[app::Index(control)], BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG,
                      e2e::kPatienceMs, &state);
  return state == BST_CHECKED;
}

bool LiveWindow::Enabled(Control control) const {
  return IsWindowEnabled(handles_[app::Index(control)]);
}

std::vector<OpenBox> LiveWindow::Boxes() {
  const std::vector<HWND> open = app_.MessageBoxes();
  for (HWND box : open) {
    if (std::find(boxes_seen_.begin(), boxes_seen_.end(), box) == boxes_seen_.end()) {
      boxes_seen_.push_back(box);
    }
  }
  std::erase_if(boxes_seen_,
                [&](HWND box) { return std::find(open.begin(), open.end(), box) == open.end(); });
  std::vector<OpenBox> boxes;
  for (HWND box : boxes_seen_) {
    const std::string text = win32::GbkFromWide(app_.MessageBoxText(box));
    const std::string title = win32::GbkFromWide(app_.MessageBoxTitle(box));
    boxes.push_back(OpenBox{box, KindOf(text, title)});
  }
  return boxes;
}

void LiveWindow::Key(WORD virtual_key, std::initializer_list<WORD> modifiers) {
  app_.PressKey(virtual_key, modifiers);
}

void LiveWindow::Type(std::string_view gbk) {
  for (const wchar_t c : win32::WideFromGbk(gbk)) {
    if (c == L' ') {
      Key(VK_SPACE);
      continue;
    }
    const SHORT scan = c < 0x80 ? VkKeyScanW(c) : -1;
    if (scan == -1) {
      app_.BringToFront();
      SendUnicode(c);
    } else if (HIBYTE(scan) & 1) {
      Key(LOBYTE(scan), {VK_SHIFT});
    } else {
      Key(LOBYTE(scan));
    }
  }
}

POINT LiveWindow::Centre(Control control) const {
  RECT rect{};
  GetWindowRect(handles_[app::Index(control)], &rect);
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void LiveWindow::Click(Control control) {
  app_.Click(control);
}

void LiveWindow::DoubleClick(Control control) {
  app_.BringToFront();
  const POINT centre = Centre(control);
  for (int press = 0; press < 2; ++press) {
    e2e::ButtonDown(centre, e2e::Button::Left);
    e2e::ButtonUp(centre, e2e::Button::Left);
  }
}

void LiveWindow::RightClick(Control control) {
  app_.RightClick(control);
}

void LiveWindow::PressBackground() {
  app_.BringToFront();
  POINT point = kBackground;
  ClientToScreen(app_.Main(), &point);
  e2e::ButtonDown(point, e2e::Button::Left);
  e2e::ButtonUp(point, e2e::Button::Left);
}

void LiveWindow::PostTicks(long long ticks) {
  const auto timer = static_cast<WPARAM>(app::ControlId(Control::时钟1));
  for (long long i = 0; i < ticks; ++i) PostMessageW(app_.Main(), WM_TIMER, timer, 0);
}

int LiveWindow::EndStartedPrograms() {
  int ended = 0;
  for (HWND window : OtherWindows(app_.ProcessId())) {
    if (windows_at_start_.count(window)) continue;
    DWORD process_id = 0;
    GetWindowThreadProcessId(window, &process_id);
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, process_id);
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (process) {
      if (WaitForSingleObject(process, kProgramEndPatienceMs) != WAIT_OBJECT_0) {
        TerminateProcess(process, 1);
        WaitForSingleObject(process, kProgramEndPatienceMs);
      }
      CloseHandle(process);
    }
    ++ended;
  }
  return ended;
}

}  // namespace soak
