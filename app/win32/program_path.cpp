#include "app/win32/program_path.h"

namespace win32 {
namespace {

// The program name at the start of a command line, without its quotes.
std::wstring_view ProgramName(std::wstring_view command_line) {
  if (!command_line.empty() && command_line.front() == L'"') {
    const std::wstring_view quoted = command_line.substr(1);
    return quoted.substr(0, quoted.find(L'"'));
  }
  return command_line.substr(0, command_line.find_first_of(L" \t"));
}

bool HasDirectoryPart(std::wstring_view name) {
  return name.find_first_of(L"\\/:") != std::wstring_view::npos;
}

}  // namespace

std::optional<ProgramStart> ResolveProgram(std::wstring_view command_line,
                                           std::wstring_view system_directory) {
  ProgramStart start{{}, std::wstring(command_line)};
  const std::wstring_view name = ProgramName(command_line);
  if (name.empty() || HasDirectoryPart(name)) return start;
  if (system_directory.empty()) return std::nullopt;
  start.application = system_directory;
  if (start.application.back() != L'\\') start.application += L'\\';
  start.application += name;
  // Windows adds ".exe" to a name without an extension; the full path must carry it itself.
  if (name.find(L'.') == std::wstring_view::npos) start.application += L".exe";
  return start;
}

}  // namespace win32
