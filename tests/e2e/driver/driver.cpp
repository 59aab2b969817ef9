#include "tests/e2e/driver/driver.h"

#include <stdexcept>

#include "app/form.h"
#include "tests/e2e/driver/input.h"
#include "tests/e2e/driver/screen.h"

namespace e2e {
namespace {

constexpr UINT kReadTimeoutMs = 5000;
constexpr DWORD kPollStepMs = 10;

std::wstring Wide(UINT code_page, std::string_view bytes) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  std::wstring wide(
      static_cast<std::size_t>(MultiByteToWideChar(code_page, 0, bytes.data(), size, nullptr, 0)),
      L'\0');
  MultiByteToWideChar(code_page, 0, bytes.data(), size, wide.data(), static_cast<int>(wide.size()));
  return wide;
}

std::string Narrow(UINT code_page, std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  std::string bytes(static_cast<std::size_t>(WideCharToMultiByte(code_page, 0, wide.data(), size,
                                                                 nullptr, 0, nullptr, nullptr)),
                    '\0');
  WideCharToMultiByte(code_page, 0, wide.data(), size, bytes.data(), static_cast<int>(bytes.size()),
                      nullptr, nullptr);
  return bytes;
}

constexpr UINT kGbk = 936;

struct WindowSearch {
  DWORD process_id;
  const wchar_t* class_name;  // none: any class
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevelWindow(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<WindowSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  if (owner == search.process_id && IsWindowVisible(window) &&
      (!search.class_name || std::wstring_view(name) == search.class_name)) {
    search.found.push_back(window);
  }
  return TRUE;
}

// The visible top-level windows of a process, optionally of one class.
std::vector<HWND> TopLevelWindows(DWORD process_id, const wchar_t* class_name) {
  WindowSearch search{process_id, class_name, {}};
  EnumWindows(CollectTopLevelWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

struct IdSearch {
  int id;
  HWND found;
};

BOOL CALLBACK StopAtId(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<IdSearch*>(data);
  if (GetDlgCtrlID(window) != search.id) return TRUE;
  search.found = window;
  return FALSE;
}

HWND FindMainWindow(DWORD process_id) {
  const std::wstring title = Wide(kGbk, app::MainWindowForm().title);
  for (HWND window : TopLevelWindows(process_id, nullptr)) {
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    if (title == text) return window;
  }
  return nullptr;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD patience_ms) {
  const ULONGLONG deadline = GetTickCount64() + patience_ms;
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(kPollStepMs);
  }
}

std::wstring WindowsPath(std::wstring_view path) {
  if (path.empty() || path.front() != L'/') return std::wstring(path);
  std::wstring windows = L"Z:" + std::wstring(path);
  for (wchar_t& c : windows) {
    if (c == L'/') c = L'\\';
  }
  return windows;
}

std::string Gbk(std::wstring_view wide) {
  return Narrow(kGbk, wide);
}

std::string Utf8(std::wstring_view wide) {
  return Narrow(CP_UTF8, wide);
}

std::string Readable(std::string_view gbk) {
  return Narrow(CP_UTF8, Wide(kGbk, gbk));
}

std::string Abridged(std::string_view gbk) {
  constexpr std::size_t kShown = 40;
  if (gbk.size() <= kShown) return Readable(gbk);
  std::size_t cut = 0;  // never between the two bytes of a character
  while (cut < kShown) cut += static_cast<unsigned char>(gbk[cut]) >= 0x80 ? 2 : 1;
  return Readable(gbk.substr(0, cut)) + "... (" + std::to_string(gbk.size()) + " bytes)";
}

// Built by appending: GCC 12 warns falsely (-Wrestrict) about chains of + on std::string.
std::string Describe(const RECT& rect) {
  std::string text = "(";
  text += std::to_string(rect.left);
  text += ", ";
  text += std::to_string(rect.top);
  text += ") ";
  text += std::to_string(rect.right - rect.left);
  text += " x ";
  text += std::to_string(rect.bottom - rect.top);
  return text;
}

bool ControlState::operator==(const ControlState& other) const {
  return control == other.control && text == other.text && checked == other.checked &&
         enabled == other.enabled && visible == other.visible && EqualRect(&rect, &other.rect);
}

std::string Differences(const std::vector<ControlState>& expected,
                        const std::vector<ControlState>& seen) {
  std::string lines;
  const auto flag = [](bool on) { return on ? "yes" : "no"; };
  for (std::size_t i = 0; i < expected.size() && i < seen.size(); ++i) {
    const ControlState& was = expected[i];
    const ControlState& now = seen[i];
    if (was == now) continue;
    lines += NameOf(was.control) + ":";
    if (was.text != now.text) {
      lines += " text expected \"" + Abridged(was.text) + "\", seen \"" + Abridged(now.text) + "\"";
    }
    if (was.checked != now.checked) {
      lines += std::string(" ticked expected ") + flag(was.checked) + ", seen " + flag(now.checked);
    }
    if (was.enabled != now.enabled) {
      lines +=
          std::string(" enabled expected ") + flag(was.enabled) + ", seen " + flag(now.enabled);
    }
    if (was.visible != now.visible) {
      lines +=
          std::string(" visible expected ") + flag(was.visible) + ", seen " + flag(now.visible);
    }
    if (!EqualRect(&was.rect, &now.rect)) {
      lines += " rectangle expected " + Describe(was.rect) + ", seen " + Describe(now.rect);
    }
    lines += "\n";
  }
  if (expected.size() != seen.size()) lines += "a different number of controls\n";
  return lines;
}

bool SetClipboardText(std::wstring_view text) {
  // Another program may hold the clipboard for a moment.
  if (!WaitUntil([] { return OpenClipboard(nullptr) != FALSE; })) return false;
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  bool placed = false;
  if (memory) {
    auto* copy = static_cast<wchar_t*>(GlobalLock(memory));
    text.copy(copy, text.size());
    copy[text.size()] = L'\0';
    GlobalUnlock(memory);
    placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    if (!placed) GlobalFree(memory);
  }
  CloseClipboard();
  return placed;
}

std::string NameOf(app::Control control) {
  const std::u8string_view name = app::FormOf(control).name;
  return std::string(name.begin(), name.end());
}

std::optional<Quorvane> Quorvane::Start(const StartOptions& options) {
  std::wstring command_line = L"\"" + options.exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(
          options.exe.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
          options.working_directory.empty() ? nullptr : options.working_directory.c_str(), &startup,
          &process)) {
    return std::nullopt;
  }
  CloseHandle(process.hThread);
  HWND main = nullptr;
  WaitUntil([&] {
    main = FindMainWindow(process.dwProcessId);
    return main != nullptr || WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0;
  });
  Quorvane started(process.hProcess, process.dwProcessId, main);
  if (!main) return std::nullopt;  // the destructor ends a program that has no window
  return started;
}

Quorvane::Quorvane(Quorvane&& other) noexcept
    : process_(other.process_), process_id_(other.process_id_), main_(other.main_) {
  other.process_ = nullptr;
}

Quorvane& Quorvane::operator=(Quorvane&& other) noexcept {
  std::swap(process_, other.process_);
  std::swap(process_id_, other.process_id_);
  std::swap(main_, other.main_);
  return *this;
}

Quorvane::~Quorvane() {
  if (!process_) return;
  if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, INFINITE);
  }
  CloseHandle(process_);
}

HWND Quorvane::Find(app::Control control) const {
  IdSearch search{app::ControlId(control), nullptr};
  EnumChildWindows(main_, StopAtId, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring Quorvane::WideText(HWND window) const {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kReadTimeoutMs,
                           &length)) {
    return L"<no answer>";
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, kReadTimeoutMs, &copied);
  text.resize(copied);
  return text;
}

std::string Quorvane::Text(app::Control control) const {
  return Narrow(kGbk, WideText(Find(control)));
}

bool Quorvane::Checked(app::Control control) const {
  DWORD_PTR state = 0;
  SendMessageTimeoutW(Find(control), BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kReadTimeoutMs, &state);
  return state == BST_CHECKED;
}

bool Quorvane::Enabled(app::Control control) const {
  return IsWindowEnabled(Find(control));
}

bool Quorvane::Visible(app::Control control) const {
  return IsWindowVisible(Find(control));
}

std::optional<app::Control> Quorvane::Focus() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(main_, nullptr), &info)) return std::nullopt;
  if (!info.hwndFocus || !IsChild(main_, info.hwndFocus)) return std::nullopt;
  const int index = GetDlgCtrlID(info.hwndFocus) - app::kFirstControlId;
  if (index < 0 || index >= app::kControlCount) return std::nullopt;
  return app::ControlAt(index);
}

RECT Quorvane::RectInClient(app::Control control) const {
  RECT rect{};
  GetWindowRect(Find(control), &rect);
  MapWindowPoints(HWND_DESKTOP, main_, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

long long Quorvane::TextLimit(app::Control control) const {
  DWORD_PTR limit = 0;
  SendMessageTimeoutW(Find(control), EM_GETLIMITTEXT, 0, 0, SMTO_ABORTIFHUNG, kReadTimeoutMs,
                      &limit);
  return static_cast<long long>(static_cast<DWORD>(limit));
}

bool Quorvane::TopMost() const {
  return (GetWindowLongPtrW(main_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

bool Quorvane::ShowsColour(app::Control control, COLORREF colour) const {
  return Screenshot(Find(control)).Count(colour) > 0;
}

std::vector<ControlState> Quorvane::Capture() const {
  std::vector<ControlState> states;
  for (const app::ControlForm& form : app::Controls()) {
    if (form.kind == app::Kind::时钟) continue;
    states.push_back(ControlState{.control = form.control,
                                  .text = Text(form.control),
                                  .checked = Checked(form.control),
                                  .enabled = Enabled(form.control),
                                  .visible = Visible(form.control),
                                  .rect = RectInClient(form.control)});
  }
  return states;
}

RECT Quorvane::OuterRect() const {
  RECT rect{};
  GetWindowRect(main_, &rect);
  return rect;
}

std::string Quorvane::WaitForText(app::Control control, std::string_view expected,
                                  DWORD patience_ms) const {
  std::string seen;
  WaitUntil(
      [&] {
        seen = Text(control);
        return seen == expected;
      },
      patience_ms);
  return seen;
}

std::optional<app::Control> Quorvane::WaitForFocus(app::Control control, DWORD patience_ms) const {
  std::optional<app::Control> seen;
  WaitUntil(
      [&] {
        seen = Focus();
        return seen == control;
      },
      patience_ms);
  return seen;
}

void Quorvane::BringToFront() const {
  if (GetForegroundWindow() == main_) return;
  SetForegroundWindow(main_);
  WaitUntil([&] { return GetForegroundWindow() == main_; });
}

POINT Quorvane::ScreenCentre(app::Control control) const {
  RECT rect{};
  GetWindowRect(Find(control), &rect);
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void Quorvane::Click(app::Control control, POINT offset) const {
  BringToFront();
  const POINT centre = ScreenCentre(control);
  const POINT point{centre.x + offset.x, centre.y + offset.y};
  ButtonDown(point, Button::Left);
  ButtonUp(point, Button::Left);
}

void Quorvane::RightClick(app::Control control) const {
  BringToFront();
  const POINT centre = ScreenCentre(control);
  ButtonDown(centre, Button::Right);
  ButtonUp(centre, Button::Right);
}

void Quorvane::PressKey(WORD virtual_key, std::initializer_list<WORD> modifiers,
                        bool extended) const {
  BringToFront();
  for (WORD modifier : modifiers) KeyDown(modifier);
  KeyDown(virtual_key, extended);
  KeyUp(virtual_key, extended);
  for (auto modifier = std::rbegin(modifiers); modifier != std::rend(modifiers); ++modifier) {
    KeyUp(*modifier);
  }
}

void Quorvane::TypeText(std::wstring_view text) const {
  for (wchar_t c : text) {
    const SHORT scan = VkKeyScanW(c);
    const WORD key = LOBYTE(scan);
    if (HIBYTE(scan) & 1) {
      PressKey(key, {VK_SHIFT});
    } else {
      PressKey(key);
    }
  }
}

void Quorvane::Paste(std::wstring_view text) const {
  if (!SetClipboardText(text)) throw std::runtime_error("the clipboard could not be written");
  PressKey('V', {VK_CONTROL});
}

void Quorvane::ReplaceText(app::Control control, std::wstring_view text) const {
  Click(control);
  PressKey(VK_HOME, {}, true);
  PressKey(VK_END, {VK_SHIFT}, true);
  if (text.empty()) {
    PressKey(VK_DELETE, {}, true);
  } else {
    Paste(text);
  }
  const std::string expected = Narrow(kGbk, text);
  const std::string seen = WaitForText(control, expected);
  if (seen != expected) {
    throw std::runtime_error(NameOf(control) + ": pasted \"" + Abridged(expected) + "\", seen \"" +
                             Abridged(seen) + "\"");
  }
}

std::vector<HWND> Quorvane::MessageBoxes() const {
  return TopLevelWindows(process_id_, L"#32770");
}

HWND Quorvane::WaitForMessageBox() const {
  HWND box = nullptr;
  WaitUntil([&] {
    const auto boxes = MessageBoxes();
    box = boxes.empty() ? nullptr : boxes.front();
    return box != nullptr;
  });
  return box;
}

std::wstring Quorvane::MessageBoxText(HWND box) const {
  return WideText(GetDlgItem(box, 0xFFFF));
}

std::wstring Quorvane::MessageBoxTitle(HWND box) const {
  return WideText(box);
}

void Quorvane::PressOk(HWND box) const {
  PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
}

void Quorvane::RequestClose() const {
  PostMessageW(main_, WM_CLOSE, 0, 0);
}

std::optional<int> Quorvane::WaitForExit() const {
  if (WaitForSingleObject(process_, kPatienceMs) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  return static_cast<int>(code);
}

}  // namespace e2e
