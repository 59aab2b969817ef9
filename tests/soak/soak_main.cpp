// The operator who never stops, on the simulated desktop: for each seed, a stream of actions
// played on the counter window with every invariant checked after every action.
//
//   quorvane_soak [--seeds=N] [--first-seed=S] [--actions=N]
//
// Prints the figures of each seed and of the whole run. A failing seed prints the rule that
// broke and the shortest action list that still breaks it, then the program exits with 1.
#include <cstdio>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "tests/soak/arguments.h"
#include "tests/soak/generator.h"
#include "tests/soak/sim_run.h"

namespace {

struct Options {
  unsigned long long first_seed = 1;
  unsigned long long seeds = 3;
  unsigned long long actions = 2000;
};

double Seconds() {
  std::timespec now{};
  std::timespec_get(&now, TIME_UTC);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

void Print(const char* label, const soak::Figures& f, double seconds) {
  std::printf(
      "%s: %zu actions in %.1f s; %d windows (longest %zu actions), %lld ticks over %.1f "
      "simulated hours; boxes: %d refusals, %d fee warnings, %d notices, at most %d open; "
      "%d grand totals checked; %d session-end questions met an open refusal\n",
      label, f.actions, seconds, f.windows, f.longest_window, f.ticks,
      static_cast<double>(f.simulated_ms) / 3.6e6, f.refusals, f.fee_warnings, f.notices,
      f.most_boxes_open, f.totals_checked, f.end_queries_while_refusing);
}

void Add(soak::Figures& all, const soak::Figures& f) {
  all.actions += f.actions;
  all.windows += f.windows;
  all.longest_window = std::max(all.longest_window, f.longest_window);
  all.refusals += f.refusals;
  all.fee_warnings += f.fee_warnings;
  all.notices += f.notices;
  all.most_boxes_open = std::max(all.most_boxes_open, f.most_boxes_open);
  all.ticks += f.ticks;
  all.simulated_ms += f.simulated_ms;
  all.totals_checked += f.totals_checked;
  all.end_queries_while_refusing += f.end_queries_while_refusing;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    using soak::TakeNumber;
    if (!TakeNumber<char>(argument, "--seeds=", options.seeds) &&
        !TakeNumber<char>(argument, "--first-seed=", options.first_seed) &&
        !TakeNumber<char>(argument, "--actions=", options.actions)) {
      std::fprintf(stderr, "usage: quorvane_soak [--seeds=N] [--first-seed=S] [--actions=N]\n");
      return 2;
    }
  }
  soak::Figures all;
  const double start = Seconds();
  for (unsigned long long seed = options.first_seed; seed < options.first_seed + options.seeds;
       ++seed) {
    const double seed_start = Seconds();
    const std::vector<soak::Action> actions =
        soak::Generate(seed, options.actions, soak::Profile::Day);
    const soak::Outcome outcome = soak::PlayOnSimulatedDesktop(actions);
    const std::string label = "seed " + std::to_string(seed);
    Print(label.c_str(), outcome.figures, Seconds() - seed_start);
    std::fflush(stdout);
    Add(all, outcome.figures);
    if (outcome.failure) {
      const soak::Shrunk shrunk = soak::ShrinkOnSimulatedDesktop(actions, *outcome.failure);
      std::printf("%s %s", label.c_str(), soak::Report(*outcome.failure, shrunk).c_str());
      return 1;
    }
  }
  Print("all seeds", all, Seconds() - start);
  return 0;
}
