#include "app/win32/services.h"

#include <shellapi.h>

#include <string>

#include "app/win32/program_path.h"
#include "app/win32/text.h"

namespace win32 {
namespace {

constexpr DWORD kReadyWaitMs = 1000;

std::wstring SystemDirectory() {
  wchar_t buffer[MAX_PATH];
  const UINT length = GetSystemDirectoryW(buffer, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return std::wstring(buffer, length);
}

}  // namespace

void ShowInfoBox(HWND owner, std::string_view text, std::string_view title) {
  MessageBoxW(owner, WideFromGbk(text).c_str(), WideFromGbk(title).c_str(),
              MB_OK | MB_ICONINFORMATION);
}

bool RunProgram(std::string_view command_line) {
  const auto start = ResolveProgram(WideFromGbk(command_line), SystemDirectory());
  if (!start) return false;
  std::wstring writable = start->command_line;  // CreateProcessW may write into it
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  const wchar_t* application = start->application.empty() ? nullptr : start->application.c_str();
  if (!CreateProcessW(application, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return false;
  }
  WaitForInputIdle(process.hProcess, kReadyWaitMs);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

void OpenFolder(std::string_view path) {
  ShellExecuteW(nullptr, L"open", WideFromGbk(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace win32
