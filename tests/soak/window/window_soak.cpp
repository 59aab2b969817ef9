// The operator who never stops, against the real quorvane.exe under Wine (or on Windows): the
// seeded generator drives the window with real input, every rule is checked after every action,
// and the process's GDI objects, USER objects, handles and private bytes are read back at
// checkpoints. Then an hour of timer ticks runs, with the fee-floor warning opened and closed
// while keys are typed; then the window is closed and must end with exit code 0.
//
//   window_soak --quorvane=PATH [--seed=S] [--actions=N] [--baseline=N] [--every=N]
//               [--hour-ticks=N] [--ticks-per-warning=N]
//
// Readings are taken once the first `baseline` actions are played, then every `every` actions,
// every 600 ticks of the hour and at the end; none may exceed the baseline reading by more than
// the limits below. The program exits with 0 when every rule held, 1 otherwise.
#include <cstdio>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "app/form.h"
#include "tests/e2e/driver/driver.h"
#include "tests/soak/arguments.h"
#include "tests/soak/generator.h"
#include "tests/soak/window/live_run.h"
#include "tests/soak/window/live_window.h"
#include "tests/soak/window/resources.h"

namespace {

// What a reading may hold beyond the baseline. The counts of objects and handles wander by a
// few as the system caches brushes and device contexts; the heap keeps pages it has touched. A
// leak of one object per action or per box exceeds these long before the end of a run, and so
// does a leak of a few hundred bytes per action over ten thousand actions.
constexpr soak::Resources kGrowthLimit{16, 4, 8, 2 << 20};
constexpr long long kTicksPerReading = 600;
// Actions shown before a failure, to replay them or paste them into a test.
constexpr std::size_t kActionsShown = 40;

struct Options {
  std::wstring quorvane;
  unsigned long long seed = 1;
  unsigned long long actions = 10000;
  unsigned long long baseline = 1000;
  unsigned long long every = 1000;
  unsigned long long hour_ticks = 3600;
  unsigned long long ticks_per_warning = 10;
};

bool Parse(int argc, wchar_t** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::wstring_view argument = argv[i];
    if (argument.starts_with(L"--quorvane=")) {
      options.quorvane = e2e::WindowsPath(argument.substr(11));
    } else if (!soak::TakeNumber<wchar_t>(argument, L"--seed=", options.seed) &&
               !soak::TakeNumber<wchar_t>(argument, L"--actions=", options.actions) &&
               !soak::TakeNumber<wchar_t>(argument, L"--baseline=", options.baseline) &&
               !soak::TakeNumber<wchar_t>(argument, L"--every=", options.every) &&
               !soak::TakeNumber<wchar_t>(argument, L"--hour-ticks=", options.hour_ticks) &&
               !soak::TakeNumber<wchar_t>(argument, L"--ticks-per-warning=",
                                          options.ticks_per_warning)) {
      return false;
    }
  }
  return !options.quorvane.empty() && options.every > 0 && options.ticks_per_warning > 0;
}

struct Reading {
  std::string when;
  soak::Resources resources;
  std::size_t text_bytes;  // what the edit boxes hold: memory that is data, not a leak
};

class Soak {
 public:
  Soak(const Options& options, e2e::Quorvane& app)
      : options_(options), window_(app), run_(window_), reader_(app.ProcessId()) {}

  int Run() {
    if (!reader_.Opened()) return Stop("the process cannot be read");
    if (!PlayActions() || !PlayHour() || !Close()) return 1;
    PrintFigures();
    return Grew() ? 1 : 0;
  }

 private:
  bool PlayActions() {
    soak::Generator generator(options_.seed, soak::Profile::OneWindow);
    for (unsigned long long played = 1; played <= options_.actions; ++played) {
      const soak::Action action = generator.Next();
      recent_.push_back(action);
      if (recent_.size() > kActionsShown) recent_.pop_front();
      if (const auto failure = run_.Play(action)) return Report(*failure);
      if (!window_.Running()) return Stop("the window closed in the middle of the run") == 0;
      const bool checkpoint = played == options_.baseline ||
                              (played > options_.baseline && played % options_.every == 0) ||
                              played == options_.actions;
      if (checkpoint && !Measure("after " + std::to_string(played) + " actions")) return false;
    }
    return true;
  }

  // An hour of ticks, a fee-floor warning opened and closed every few of them.
  bool PlayHour() {
    long long ticks = 0;
    while (ticks < static_cast<long long>(options_.hour_ticks)) {
      const auto cycle = static_cast<long long>(options_.ticks_per_warning);
      if (const auto failure = run_.WarningCycle(cycle)) return Report(*failure);
      const long long before = ticks;
      ticks += cycle;
      if (ticks / kTicksPerReading != before / kTicksPerReading &&
          !Measure(std::to_string(ticks) + " ticks into the hour")) {
        return false;
      }
    }
    return Measure("after the hour");
  }

  // With the notes emptied, the first close request ends the program with exit code 0.
  bool Close() {
    if (const auto failure = run_.CloseBoxes()) return Report(*failure);
    for (const soak::Action& action :
         {soak::Action(soak::Do::ClearNotes), soak::Action(soak::Do::CloseButton)}) {
      if (const auto failure = run_.Play(action)) return Report(*failure);
    }
    const std::optional<int> code = window_.App().WaitForExit();
    if (code != 0) {
      Stop(code ? "the program ended with exit code " + std::to_string(*code)
                : "the window stayed open after a close request with empty notes");
      return false;
    }
    return true;
  }

  bool Measure(const std::string& when) {
    if (const auto failure = run_.CloseBoxes()) return Report(*failure);
    window_.EndStartedPrograms();
    if (!window_.Settle()) return Stop("the program stopped answering before a reading") == 0;
    readings_.push_back(Reading{when, reader_.Read(), TextBytes()});
    const soak::Resources& r = readings_.back().resources;
    std::printf(
        "%-28s GDI %5lld  USER %5lld  handles %5lld  private %8lld KiB  (texts %zu bytes)\n",
        when.c_str(), r.gdi_objects, r.user_objects, r.handles, r.private_bytes / 1024,
        readings_.back().text_bytes);
    std::fflush(stdout);
    return true;
  }

  std::size_t TextBytes() const {
    std::size_t bytes = 0;
    for (const app::ControlForm& form : app::Controls()) {
      if (form.kind == app::Kind::编辑框) bytes += window_.Text(form.control).size();
    }
    return bytes;
  }

  // Every reading after the baseline stays within the limits of it.
  bool Grew() const {
    if (readings_.empty()) return false;
    const soak::Resources& base = readings_.front().resources;
    bool grew = false;
    for (const Reading& reading : readings_) {
      const soak::Resources& r = reading.resources;
      auto check = [&](const char* what, long long now, long long then, long long limit) {
        if (now - then <= limit) return;
        std::printf("GROWTH: %s went from %lld to %lld (%s), more than %lld\n", what, then, now,
                    reading.when.c_str(), limit);
        grew = true;
      };
      check("GDI objects", r.gdi_objects, base.gdi_objects, kGrowthLimit.gdi_objects);
      check("USER objects", r.user_objects, base.user_objects, kGrowthLimit.user_objects);
      check("handles", r.handles, base.handles, kGrowthLimit.handles);
      check("private bytes", r.private_bytes, base.private_bytes, kGrowthLimit.private_bytes);
    }
    return grew;
  }

  void PrintFigures() const {
    const soak::LiveFigures& f = run_.Figures();
    const soak::ResourceSources& s = reader_.Sources();
    std::printf(
        "seed %llu: %zu actions (%zu left out while a box was open), %lld ticks posted; boxes: "
        "%d refusals, %d fee warnings, %d notices, at most %d open; %d grand totals checked; "
        "%d session-end questions; %d calculators closed; %d edit menus closed\n",
        options_.seed, f.actions, f.left_out, f.ticks_posted, f.refusals, f.fee_warnings, f.notices,
        f.most_boxes_open, f.totals_checked, f.end_questions, f.programs_ended, f.menus_closed);
    std::printf("read from: GDI %s; USER %s; handles %s; private bytes %s\n", s.gdi_objects.c_str(),
                s.user_objects.c_str(), s.handles.c_str(), s.private_bytes.c_str());
  }

  bool Report(const soak::Failure& failure) {
    std::printf(
        "broken: %s\n  seen: %s\n  after %zu actions of seed %llu (one-window profile); "
        "the last actions, to replay:\n%s",
        failure.invariant.c_str(), failure.detail.c_str(), failure.actions, options_.seed,
        soak::Describe(std::vector<soak::Action>(recent_.begin(), recent_.end())).c_str());
    return false;
  }

  int Stop(const std::string& why) const {
    std::printf("stopped: %s\n", why.c_str());
    return 1;
  }

  const Options& options_;
  soak::LiveWindow window_;
  soak::LiveRun run_;
  soak::ResourceReader reader_;
  std::vector<Reading> readings_;
  std::deque<soak::Action> recent_;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  Options options;
  if (!Parse(argc, argv, options)) {
    std::fprintf(stderr,
                 "usage: window_soak --quorvane=PATH [--seed=S] [--actions=N] [--baseline=N] "
                 "[--every=N] [--hour-ticks=N] [--ticks-per-warning=N]\n");
    return 2;
  }
  auto app = e2e::Quorvane::Start({options.quorvane, {}});
  if (!app) {
    std::printf("stopped: quorvane.exe did not show its window\n");
    return 1;
  }
  return Soak(options, *app).Run();
}
