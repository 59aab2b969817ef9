// The end-to-end tests of quorvane.exe. Run under Wine on a display:
//   window_e2e --quorvane=PATH --planted-calc=PATH [--ansi-code-page=N] [GoogleTest flags]
#include <gtest/gtest.h>

#include <cstdio>
#include <string_view>

#include "tests/e2e/window/running_window.h"

namespace e2e {
namespace {

Programs programs;

bool TakeOption(std::wstring_view argument, std::wstring_view name, std::wstring& value) {
  if (!argument.starts_with(name)) return false;
  value = WindowsPath(argument.substr(name.size()));
  return true;
}

}  // namespace

const Programs& ProgramsUnderTest() {
  return programs;
}

}  // namespace e2e

int wmain(int argc, wchar_t** argv) {
  testing::InitGoogleTest(&argc, argv);
  for (int i = 1; i < argc; ++i) {
    if (!e2e::TakeOption(argv[i], L"--quorvane=", e2e::programs.quorvane) &&
        !e2e::TakeOption(argv[i], L"--planted-calc=", e2e::programs.planted_calc) &&
        !e2e::TakeOption(argv[i], L"--ansi-code-page=", e2e::programs.ansi_code_page)) {
      std::fprintf(stderr, "unknown argument: %ls\n", argv[i]);
      return 2;
    }
  }
  if (e2e::programs.quorvane.empty()) {
    std::fprintf(stderr,
                 "usage: window_e2e --quorvane=PATH --planted-calc=PATH [--ansi-code-page=N]\n");
    return 2;
  }
  return RUN_ALL_TESTS();
}
