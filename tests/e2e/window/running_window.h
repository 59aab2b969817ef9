// What every end-to-end test starts from: the paths of the programs under test, given on the
// command line, and a freshly started quorvane.exe.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/e2e/driver/driver.h"

namespace e2e {

struct Programs {
  std::wstring quorvane;      // --quorvane=PATH
  std::wstring planted_calc;  // --planted-calc=PATH
  // --ansi-code-page=N: the code page Wine must be running the programs under (936 as on a
  // Chinese Windows, 1252 as on a Western one); empty: not checked.
  std::wstring ansi_code_page;
};
const Programs& ProgramsUnderTest();

class RunningWindow : public testing::Test {
 protected:
  void SetUp() override {
    app_ = Quorvane::Start({ProgramsUnderTest().quorvane, {}});
    ASSERT_TRUE(app_.has_value()) << "quorvane.exe did not show its window";
  }

  Quorvane& app() { return *app_; }

  // Closes with empty notes; the program must end with exit code 0.
  void CloseNormally() {
    app().RequestClose();
    EXPECT_EQ(app().WaitForExit(), std::optional<int>(0));
  }

 private:
  std::optional<Quorvane> app_;
};

}  // namespace e2e
