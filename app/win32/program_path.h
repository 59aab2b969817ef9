// Which file a command line starts. A bare program name ("calc.exe") is searched by Windows in
// the current directory before the system directory, so a file of that name planted beside the
// working folder would run instead of the system's program. A bare name is therefore always
// taken from the system directory; a name with a directory part is started as written.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace win32 {

struct ProgramStart {
  std::wstring application;   // the program file to start; empty: as the command line names it
  std::wstring command_line;  // passed on unchanged
};

// None when a bare name cannot be placed in the system directory: better not to start at all.
std::optional<ProgramStart> ResolveProgram(std::wstring_view command_line,
                                           std::wstring_view system_directory);

}  // namespace win32
