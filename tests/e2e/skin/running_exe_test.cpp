// quorvane.exe as the operator sees it on the screen: it opens skinned, and the message boxes it
// shows, the notice, the fee-floor warning and the closing refusal, have their OK button skinned
// too. Run under Wine on a display:
//   skin_e2e --quorvane=PATH [GoogleTest flags]
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "app/form.h"
#include "tests/e2e/driver/driver.h"
#include "tests/e2e/skin/pixels.h"

namespace skin_test {
namespace {

using enum app::Control;
using e2e::Quorvane;

constexpr COLORREF kBlueGrey = RGB(123, 158, 189);

std::wstring quorvane_exe;

class RunningExe : public testing::Test {
 protected:
  void SetUp() override {
    app_ = Quorvane::Start({quorvane_exe, {}});
    ASSERT_TRUE(app_.has_value()) << "quorvane.exe did not show its window";
  }
  void CloseNormally() {
    app().RequestClose();
    EXPECT_EQ(app().WaitForExit(), std::optional<int>(0));
  }
  Quorvane& app() { return *app_; }

 private:
  std::optional<Quorvane> app_;
};

// Waits until the window shows the colour in the middle of its left edge; the colour seen last.
COLORREF WaitForLeftEdge(HWND window, COLORREF expected) {
  COLORREF seen = 0;
  e2e::WaitUntil([&] {
    seen = Pixels::FromScreen(window).LeftEdge();
    return seen == expected;
  });
  return seen;
}

TEST_F(RunningExe, OpensWithEveryKindOfStandardControlSkinned) {
  for (app::Control control :
       {按钮2, 按钮6, 选择框5, 选择框2, 分组框1, 分组框2, 编辑框5, 编辑框14, 编辑框8, 编辑框2}) {
    EXPECT_EQ(WaitForLeftEdge(app().Find(control), kBlueGrey), kBlueGrey) << e2e::NameOf(control);
  }
  CloseNormally();
}

struct BoxCase {
  const char* what;
  void (*open)(const Quorvane& app);
  const wchar_t* title;
  bool notes_typed;  // the closing refusal needs text in the notes

  friend void PrintTo(const BoxCase& box, std::ostream* out) { *out << box.what; }
};

void OpenNotice(const Quorvane& app) {
  app.Click(透明标签3);
}

// Another program writes a fee below the floor; the next tick raises it and warns.
void OpenFeeFloorWarning(const Quorvane& app) {
  app.Click(选择框7);
  ASSERT_EQ(app.WaitForText(编辑框7, "6.00"), "6.00");
  DWORD_PTR done = 0;
  SendMessageTimeoutW(app.Find(编辑框7), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"1"),
                      SMTO_ABORTIFHUNG, e2e::kPatienceMs, &done);
}

void OpenClosingRefusal(const Quorvane& app) {
  app.Click(编辑框2);
  ASSERT_EQ(app.WaitForFocus(编辑框2), std::optional(编辑框2));
  app.TypeText(L"a");
  ASSERT_EQ(app.WaitForText(编辑框2, "a"), "a");
  app.RequestClose();
}

class MessageBoxes : public RunningExe, public testing::WithParamInterface<BoxCase> {};

TEST_P(MessageBoxes, ShowTheirOkButtonSkinned) {
  const BoxCase& box_case = GetParam();
  box_case.open(app());
  HWND box = app().WaitForMessageBox();
  ASSERT_NE(box, nullptr) << box_case.what << " did not open";
  EXPECT_EQ(app().MessageBoxTitle(box), box_case.title);
  HWND ok = GetDlgItem(box, IDOK);
  EXPECT_EQ(WaitForLeftEdge(ok, kBlueGrey), kBlueGrey) << box_case.what;
  app().PressOk(box);
  EXPECT_TRUE(e2e::WaitUntil([&] { return app().MessageBoxes().empty(); })) << box_case.what;
  if (box_case.notes_typed) {
    DWORD_PTR done = 0;
    SendMessageTimeoutW(app().Find(编辑框2), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""),
                        SMTO_ABORTIFHUNG, e2e::kPatienceMs, &done);
  }
  CloseNormally();
}

INSTANTIATE_TEST_SUITE_P(
    Program, MessageBoxes,
    testing::Values(BoxCase{"the self-service notice", OpenNotice, L"提示", false},
                    BoxCase{"the fee-floor warning", OpenFeeFloorWarning, L"警告", false},
                    BoxCase{"the closing refusal", OpenClosingRefusal, L"警告", true}),
    [](const auto& info) { return std::to_string(info.index); });

}  // namespace
}  // namespace skin_test

int wmain(int argc, wchar_t** argv) {
  testing::InitGoogleTest(&argc, argv);
  constexpr std::wstring_view kOption = L"--quorvane=";
  for (int i = 1; i < argc; ++i) {
    const std::wstring_view argument = argv[i];
    if (!argument.starts_with(kOption)) {
      std::fprintf(stderr, "unknown argument: %ls\n", argv[i]);
      return 2;
    }
    skin_test::quorvane_exe = e2e::WindowsPath(argument.substr(kOption.size()));
  }
  if (skin_test::quorvane_exe.empty()) {
    std::fprintf(stderr, "usage: skin_e2e --quorvane=PATH\n");
    return 2;
  }
  return RUN_ALL_TESTS();
}
