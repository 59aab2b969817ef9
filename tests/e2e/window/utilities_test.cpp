// The counter's conveniences: the calculator is the system's, never a calc.exe that lies in the
// working folder; a missing client print folder is neither reported nor made; neither click
// disturbs the window; the self-service notice shows its two lines and holds the window's input
// while it is open.
#include <filesystem>

#include "app/form.h"
#include "tests/e2e/driver/input.h"
#include "tests/e2e/window/expect.h"
#include "tests/e2e/window/running_window.h"

namespace e2e {
namespace {

using enum app::Control;
namespace fs = std::filesystem;

// A fresh working folder with the stand-in planted as calc.exe; removed at the end.
class PlantedFolder {
 public:
  PlantedFolder() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    path_ = fs::path(temp) / (L"quorvane-planted-" + std::to_wstring(GetCurrentProcessId()));
    fs::remove_all(path_);
    fs::create_directories(path_);
    fs::copy_file(fs::path(ProgramsUnderTest().planted_calc), path_ / L"calc.exe");
  }
  ~PlantedFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& path() const { return path_; }
  fs::path marker() const { return path_ / L"planted-calc-ran"; }

 private:
  fs::path path_;
};

// Shows that the plant works: started the way a bare name is searched, from the folder as the
// current directory, it is what runs.
bool BareNameFindsThePlant(const PlantedFolder& folder) {
  const fs::path driver_directory = fs::current_path();
  fs::current_path(folder.path());
  std::wstring command_line = L"calc.exe";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const bool started = CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, FALSE, 0,
                                      nullptr, nullptr, &startup, &process);
  fs::current_path(driver_directory);
  if (!started) return false;
  WaitForSingleObject(process.hProcess, kPatienceMs);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  const bool ran = fs::exists(folder.marker());
  fs::remove(folder.marker());
  return ran;
}

TEST(Calculator, ACalcExeInTheWorkingFolderIsNotTheOneStarted) {
  ASSERT_FALSE(ProgramsUnderTest().planted_calc.empty()) << "--planted-calc= is missing";
  PlantedFolder folder;
  ASSERT_TRUE(BareNameFindsThePlant(folder)) << "the planted calc.exe cannot stand in";

  auto app = Quorvane::Start({ProgramsUnderTest().quorvane, folder.path().wstring()});
  ASSERT_TRUE(app.has_value());
  app->Click(按钮1);
  // Input is handled in order: once the typing shows, the click has run to its end, and a
  // started program has had its time to become ready for input.
  app->Click(编辑框11);
  app->TypeText(L"1");
  ASSERT_TRUE(ShowsText(*app, 编辑框11, "1"));
  EXPECT_FALSE(fs::exists(folder.marker())) << "按钮1 started the calc.exe of the working folder";
  app->RequestClose();
  EXPECT_EQ(app->WaitForExit(), std::optional<int>(0));
}

TEST_F(RunningWindow, AMissingClientFolderIsNeitherReportedNorMade) {
  const fs::path folder = fs::path(L"C:\\00客户打印保存目录");
  if (fs::exists(folder)) GTEST_SKIP() << "this Wine prefix has the client print folder";
  app().Click(透明标签4);
  app().Click(编辑框11);
  app().TypeText(L"1");
  ASSERT_TRUE(ShowsText(app(), 编辑框11, "1"));
  EXPECT_TRUE(app().MessageBoxes().empty()) << "the missing folder was reported";
  EXPECT_FALSE(fs::exists(folder)) << "the missing folder was made";
  CloseNormally();
}

struct UtilityClick {
  const char* name;
  app::Control control;
  app::Control focus;  // where the click itself leaves the focus: a button takes it
};

class QuietClicks : public RunningWindow, public testing::WithParamInterface<UtilityClick> {};

TEST_P(QuietClicks, LeaveTheWindowAsItWas) {
  const UtilityClick& click = GetParam();
  app().TypeText(L"3");
  ASSERT_TRUE(ShowsText(app(), 编辑框5, "3"));
  std::vector<ControlState> expected = app().Capture();
  const RECT place = app().OuterRect();

  app().Click(click.control);
  EXPECT_TRUE(HasFocus(app(), click.focus));
  // A key typed into the sheet count after the click shows that the click has been dealt with.
  if (click.focus != 编辑框5) app().Click(编辑框5);
  app().PressKey(VK_END, {}, true);
  app().TypeText(L"7");
  ASSERT_TRUE(ShowsText(app(), 编辑框5, "37"));
  for (ControlState& state : expected) {
    if (state.control == 编辑框5) state.text = "37";
  }
  EXPECT_EQ(Differences(expected, app().Capture()), "") << click.name;
  const RECT now = app().OuterRect();
  EXPECT_TRUE(EqualRect(&place, &now)) << click.name << ": the window moved";
  EXPECT_FALSE(app().TopMost()) << click.name;
  EXPECT_TRUE(NoMessageBox(app())) << click.name;
  CloseNormally();
}

INSTANTIATE_TEST_SUITE_P(Utilities, QuietClicks,
                         testing::Values(UtilityClick{"Calculator", 按钮1, 按钮1},
                                         UtilityClick{"ClientFolder", 透明标签4, 编辑框5}),
                         [](const auto& info) { return std::string(info.param.name); });

constexpr std::wstring_view kNoticeFirstLine = L"本公司自主研发软件、小程序开发";
constexpr std::wstring_view kContactPrefix = L"商务QQ：";

// The notice is two lines: the first fixed, the second the prefix followed by a number.
bool IsTheNotice(std::wstring_view text) {
  const auto line_break = text.find(L"\r\n");
  if (line_break == std::wstring_view::npos) return false;
  const std::wstring_view first = text.substr(0, line_break);
  const std::wstring_view second = text.substr(line_break + 2);
  if (first != kNoticeFirstLine || !second.starts_with(kContactPrefix)) return false;
  const std::wstring_view number = second.substr(kContactPrefix.size());
  return !number.empty() && number.find_first_not_of(L"0123456789") == std::wstring_view::npos;
}

TEST_F(RunningWindow, TheNoticeShowsItsTwoLinesAndHoldsTheWindow) {
  ASSERT_TRUE(HasFocus(app(), 编辑框5));
  app().Click(透明标签3);
  HWND notice = app().WaitForMessageBox();
  ASSERT_NE(notice, nullptr) << "the self-service notice did not show";
  EXPECT_EQ(app().MessageBoxes().size(), 1u);
  EXPECT_EQ(app().MessageBoxTitle(notice), L"提示");
  const std::wstring text = app().MessageBoxText(notice);
  EXPECT_TRUE(IsTheNotice(text)) << "the notice reads \"" << Utf8(text) << "\"";
  // Keys while the notice is open go to the notice, not into the count; Enter, in the same
  // queue after the digit, closes it.
  for (WORD key : {WORD{'9'}, WORD{VK_RETURN}}) {
    KeyDown(key);
    KeyUp(key);
  }
  EXPECT_TRUE(WaitUntil([&] { return app().MessageBoxes().empty(); }));
  app().TypeText(L"2");
  EXPECT_TRUE(ShowsText(app(), 编辑框5, "2"));
  CloseNormally();
}

}  // namespace
}  // namespace e2e
