// Start-up of quorvane.exe against an empty window built the same way, under the same Wine:
// the time from launch until the window has taken its first key press, and the private memory
// of the process at that moment.
//   startup_bench --quorvane=PATH --empty=PATH [--rounds=N]
// Each round starts both programs one after the other, in alternating order, with the wineserver
// already running (as it is for an operator's second start). A key press is sent as soon as the
// window is the foreground window; the time ends when the focused control's text shows it.
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cwctype>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "tests/e2e/driver/driver.h"

namespace {

constexpr DWORD kPatienceMs = 15000;

struct Program {
  const char* name;
  std::wstring path;
  std::vector<double> shown_ms;
  std::vector<double> milliseconds;
  std::vector<double> private_kib;
};

struct Sample {
  double shown_ms = 0;  // until the window is shown in front
  double milliseconds = 0;
  double private_kib = 0;
};

double Now() {
  static const LONGLONG frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f.QuadPart;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency);
}

struct Search {
  DWORD process_id;
  HWND found;
};

BOOL CALLBACK FindShown(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<Search*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search.process_id || !IsWindowVisible(window)) return TRUE;
  search.found = window;
  return FALSE;
}

HWND ShownWindow(DWORD process_id) {
  Search search{process_id, nullptr};
  EnumWindows(FindShown, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring FocusedText(HWND main) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info) || !info.hwndFocus) {
    return {};
  }
  wchar_t text[256] = {};
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(info.hwndFocus, WM_GETTEXT, 255, reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, kPatienceMs, &copied);
  return std::wstring(text, copied);
}

void PressDigit() {
  for (DWORD flags : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = '5';
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW('5', MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof input);
  }
}

// Polls with a short step until the condition holds; false when the patience ran out.
template <typename Condition>
bool PollUntil(Condition condition) {
  const double deadline = Now() + kPatienceMs;
  while (!condition()) {
    if (Now() > deadline) return false;
    Sleep(1);
  }
  return true;
}

// Wine does not report another process's memory (GetProcessMemoryInfo gives 0), so the Linux
// process that runs the program is looked up through drive Z: by its command line, which Wine
// sets to the program's Windows path, and its private memory is read from smaps_rollup: the
// resident pages that no other process shares, clean and dirty, in KiB.
std::string ReadWhole(const std::wstring& path) {
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

double PrivateKib(const std::wstring& program_path) {
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, program_path.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string wanted(static_cast<std::size_t>(size), '\0');  // ends with the zero of argv[0]
  WideCharToMultiByte(CP_UTF8, 0, program_path.c_str(), -1, wanted.data(), size, nullptr, nullptr);
  wanted = Lower(wanted);
  for (const auto& entry : std::filesystem::directory_iterator(L"Z:\\proc")) {
    const std::wstring pid = entry.path().filename().wstring();
    if (pid.empty() || !std::all_of(pid.begin(), pid.end(), iswdigit)) continue;
    if (!Lower(ReadWhole(entry.path().wstring() + L"\\cmdline")).starts_with(wanted)) continue;
    std::istringstream rollup(ReadWhole(entry.path().wstring() + L"\\smaps_rollup"));
    double kib = 0;
    for (std::string line; std::getline(rollup, line);) {
      if (line.starts_with("Private_Clean:") || line.starts_with("Private_Dirty:")) {
        kib += std::stod(line.substr(line.find(':') + 1));
      }
    }
    return kib;
  }
  return 0;
}

std::optional<Sample> StartOnce(const Program& program) {
  std::wstring command_line = L"\"" + program.path + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const double start = Now();
  if (!CreateProcessW(program.path.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0,
                      nullptr, nullptr, &startup, &process)) {
    return std::nullopt;
  }
  CloseHandle(process.hThread);
  HWND main = nullptr;
  const bool shown = PollUntil([&] {
    main = ShownWindow(process.dwProcessId);
    return main && GetForegroundWindow() == main;
  });
  Sample sample{Now() - start, 0, 0};
  if (shown) PressDigit();
  const bool taken = shown && PollUntil([&] { return FocusedText(main).ends_with(L'5'); });
  sample.milliseconds = Now() - start;
  if (taken) sample.private_kib = PrivateKib(program.path);
  if (main) PostMessageW(main, WM_CLOSE, 0, 0);
  const bool ended = WaitForSingleObject(process.hProcess, kPatienceMs) == WAIT_OBJECT_0;
  if (!ended) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hProcess);
  if (!taken || !ended) return std::nullopt;
  return sample;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void Report(const Program& program) {
  const auto& times = program.milliseconds;
  std::printf("%-12s %6zu %10.1f %10.1f %10.1f %10.1f %14.0f\n", program.name, times.size(),
              Median(program.shown_ms), Median(times),
              *std::min_element(times.begin(), times.end()),
              *std::max_element(times.begin(), times.end()), Median(program.private_kib));
}

bool TakeOption(std::wstring_view argument, std::wstring_view name, std::wstring& value) {
  if (!argument.starts_with(name)) return false;
  value = argument.substr(name.size());
  return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  Program quorvane{"quorvane.exe", {}, {}, {}, {}};
  Program empty{"empty window", {}, {}, {}, {}};
  std::wstring rounds_text = L"20";
  for (int i = 1; i < argc; ++i) {
    if (!TakeOption(argv[i], L"--quorvane=", quorvane.path) &&
        !TakeOption(argv[i], L"--empty=", empty.path) &&
        !TakeOption(argv[i], L"--rounds=", rounds_text)) {
      std::fprintf(stderr, "unknown argument: %ls\n", argv[i]);
      return 2;
    }
  }
  if (quorvane.path.empty() || empty.path.empty()) {
    std::fprintf(stderr, "usage: startup_bench --quorvane=PATH --empty=PATH [--rounds=N]\n");
    return 2;
  }
  for (Program* program : {&quorvane, &empty}) {
    wchar_t full[MAX_PATH] = {};
    GetFullPathNameW(e2e::WindowsPath(program->path).c_str(), MAX_PATH, full, nullptr);
    program->path = full;
  }
  const int rounds = std::max(1, _wtoi(rounds_text.c_str()));

  // One start of each first, unmeasured: the first start of a program loads it from the disk.
  for (Program* program : {&quorvane, &empty}) {
    if (!StartOnce(*program)) {
      std::fprintf(stderr, "%s did not take a key press\n", program->name);
      return 1;
    }
  }
  for (int round = 0; round < rounds; ++round) {
    Program* order[] = {&quorvane, &empty};
    if (round % 2) std::swap(order[0], order[1]);
    for (Program* program : order) {
      const auto sample = StartOnce(*program);
      if (!sample) {
        std::fprintf(stderr, "%s did not take a key press in round %d\n", program->name, round);
        return 1;
      }
      program->shown_ms.push_back(sample->shown_ms);
      program->milliseconds.push_back(sample->milliseconds);
      program->private_kib.push_back(sample->private_kib);
    }
  }
  std::vector<double> ratios;
  for (int round = 0; round < rounds; ++round) {
    ratios.push_back(quorvane.milliseconds[round] / empty.milliseconds[round]);
  }
  std::printf("%-12s %6s %10s %10s %10s %10s %14s\n", "program", "runs", "shown ms", "key ms",
              "min ms", "max ms", "private KiB");
  Report(quorvane);
  Report(empty);
  std::printf(
      "\nstart-up ratio, quorvane.exe / empty window: %.3f (median of the %d rounds' "
      "ratios; ratio of the medians %.3f)\n",
      Median(ratios), rounds, Median(quorvane.milliseconds) / Median(empty.milliseconds));
  std::printf(
      "(medians; shown: the window is in front; key: it has taken a key press, and the\n"
      " ratio and min and max are of that time)\n");
  std::printf("private memory ratio: %.2f\n",
              Median(quorvane.private_kib) / Median(empty.private_kib));
  return 0;
}
