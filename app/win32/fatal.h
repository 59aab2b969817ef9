// The end of the program after an error it cannot recover from: a form that cannot be built, a
// main window that cannot be created, memory that cannot be had, or anything else that escapes
// the code. A message box says so; then the process exits with code -1.
#pragma once

#include <string>

namespace win32 {

inline constexpr int kFatalExitCode = -1;

[[noreturn]] void FatalError(const std::wstring& message);

// From now on a failed allocation anywhere ends the program as a fatal error.
void TreatAllocationFailureAsFatal();

// Runs `body` and turns any exception into a fatal error. Window procedures and the entry point
// run through it: an exception must never unwind through Windows' own frames.
template <typename Body>
auto Guarded(Body&& body) noexcept -> decltype(body()) {
  try {
    return body();
  } catch (...) {
    FatalError(L"程序内部出错，无法继续运行。");
  }
}

}  // namespace win32
