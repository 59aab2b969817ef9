// Which file a command line starts: a bare program name comes from the system directory only,
// never from the current directory; a name with a directory part is started as written.
#include <gtest/gtest.h>

#include "app/win32/program_path.h"

namespace win32 {
namespace {

constexpr std::wstring_view kSystem = L"C:\\windows\\system32";

struct PathCase {
  const wchar_t* command_line;
  std::wstring_view system_directory;
  std::optional<std::wstring> application;  // none: nothing may be started
};

class ProgramPaths : public testing::TestWithParam<PathCase> {};

TEST_P(ProgramPaths, ResolveSafely) {
  const PathCase& path = GetParam();
  const auto start = ResolveProgram(path.command_line, path.system_directory);
  ASSERT_EQ(start.has_value(), path.application.has_value()) << path.command_line;
  if (!start) return;
  EXPECT_EQ(start->application, *path.application) << path.command_line;
  EXPECT_EQ(start->command_line, path.command_line) << "the command line is passed on unchanged";
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, ProgramPaths,
    testing::Values(
        PathCase{L"calc.exe", kSystem, L"C:\\windows\\system32\\calc.exe"},
        PathCase{L"calc.exe", L"C:\\windows\\system32\\", L"C:\\windows\\system32\\calc.exe"},
        PathCase{L"calc", kSystem, L"C:\\windows\\system32\\calc.exe"},
        PathCase{L"calc.exe /x", kSystem, L"C:\\windows\\system32\\calc.exe"},
        PathCase{L"\"calc.exe\" /x", kSystem, L"C:\\windows\\system32\\calc.exe"},
        PathCase{L"\"my tool.exe\" a b", kSystem, L"C:\\windows\\system32\\my tool.exe"},
        PathCase{L"calc.exe\t/x", kSystem, L"C:\\windows\\system32\\calc.exe"},
        // A directory part says where the program is; it is started as written.
        PathCase{L"C:\\tools\\calc.exe", kSystem, L""},
        PathCase{L"\"C:\\Program Files\\calc.exe\"", kSystem, L""},
        PathCase{L".\\calc.exe", kSystem, L""}, PathCase{L"tools/calc.exe", kSystem, L""},
        PathCase{L"D:calc.exe", kSystem, L""}, PathCase{L"", kSystem, L""},
        // Without a system directory a bare name is not started at all.
        PathCase{L"calc.exe", L"", std::nullopt}));

}  // namespace
}  // namespace win32
