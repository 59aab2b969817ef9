// The suite runs under the ANSI code page it was asked for: Wine takes it from the locale of each
// process, and a missing Chinese locale would quietly run the whole suite under code page 1252.
#include <string>

#include "tests/e2e/window/running_window.h"

namespace e2e {
namespace {

TEST(Environment, RunsUnderTheAnsiCodePageAskedFor) {
  const std::wstring& asked = ProgramsUnderTest().ansi_code_page;
  if (asked.empty()) GTEST_SKIP() << "no --ansi-code-page= given";
  EXPECT_EQ(std::to_wstring(GetACP()), asked)
      << "the programs run under code page " << GetACP() << "; is the locale set up?";
}

}  // namespace
}  // namespace e2e
