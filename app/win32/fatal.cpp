#include "app/win32/fatal.h"

#include <windows.h>

#include <new>

namespace win32 {
namespace {

void OutOfMemory() {
  // No allocation from here on: the message is a literal and the box is the system's.
  MessageBoxW(nullptr, L"内存不足，程序无法继续运行。", L"QuorvaneV1.2",
              MB_OK | MB_ICONERROR | MB_TASKMODAL);
  ExitProcess(static_cast<UINT>(kFatalExitCode));
}

}  // namespace

void FatalError(const std::wstring& message) {
  MessageBoxW(nullptr, message.c_str(), L"QuorvaneV1.2", MB_OK | MB_ICONERROR | MB_TASKMODAL);
  ExitProcess(static_cast<UINT>(kFatalExitCode));
}

void TreatAllocationFailureAsFatal() {
  std::set_new_handler(OutOfMemory);
}

}  // namespace win32
