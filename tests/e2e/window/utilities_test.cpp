// The counter's conveniences that reach outside the window: the calculator is the system's, never
// a calc.exe that lies in the working folder, and a missing client print folder is neither
// reported nor made.
#include <filesystem>

#include "app/form.h"
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
  ASSERT_EQ(app->WaitForText(编辑框11, "1"), "1");
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
  ASSERT_EQ(app().WaitForText(编辑框11, "1"), "1");
  EXPECT_TRUE(app().MessageBoxes().empty()) << "the missing folder was reported";
  EXPECT_FALSE(fs::exists(folder)) << "the missing folder was made";
  CloseNormally();
}

}  // namespace
}  // namespace e2e
