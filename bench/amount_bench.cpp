// How fast the counter reads and writes amounts, side by side with the C library on the same
// inputs: ParseAmount against strtod, FormatAmount against snprintf("%.16e"). After the usual
// table it prints how many times slower (or faster) our own function is for each input set.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "pricing/amount_text.h"

namespace {

// Each input as the operator types it and the same number in ASCII for strtod.
struct ParseInput {
  std::string typed;
  std::string ascii;
};

std::vector<ParseInput> SameInBoth(const std::vector<std::string>& texts) {
  std::vector<ParseInput> inputs;
  for (const auto& text : texts) inputs.push_back({text, text});
  return inputs;
}

// The full-width forms of ASCII 0x21..0x7E are A3 A1..A3 FE in GBK.
std::string FullWidth(const std::string& ascii) {
  std::string text;
  for (const char c : ascii) {
    text += '\xA3';
    text += static_cast<char>(static_cast<unsigned char>(c) + 0x80);
  }
  return text;
}

std::vector<ParseInput> ShortAmounts() {
  return SameInBoth({"0.60", "100", "6.00", "3", "12.5", "1234.56", "0.35", "250"});
}

std::vector<ParseInput> LongDigitStrings() {
  std::string thousand_digits = "0.";
  while (thousand_digits.size() < 1002) thousand_digits += "1234567890";
  return SameInBoth({"3.14159265358979323846264338327950288419716939937510",
                     "123456789012345678901234567890.123456789012345678901234567890",
                     "0.000000000000000000000000000000000000000000123456789012345678901234",
                     thousand_digits});
}

// A pasted megabyte: leading white space, and a mantissa of a million digits.
std::vector<ParseInput> MegabyteTexts() {
  constexpr std::size_t kMegabyte = 1 << 20;
  std::string digits = "0.";
  while (digits.size() < kMegabyte) digits += "1234567890";
  return SameInBoth({std::string(kMegabyte, ' ') + "42", digits});
}

std::vector<ParseInput> FullWidthAmounts() {
  std::vector<ParseInput> inputs;
  for (const auto& input : ShortAmounts()) inputs.push_back({FullWidth(input.ascii), input.ascii});
  return inputs;
}

std::vector<double> FormatInputs() {
  return {0.6, 60, 1.7999999999999998, 1.0 / 3.0, 1e-5, 123456789.123, 5e-324, 1.5e300};
}

void ParseWithParseAmount(benchmark::State& state, const std::vector<ParseInput>& inputs) {
  for (auto _ : state) {
    for (const auto& input : inputs) benchmark::DoNotOptimize(pricing::ParseAmount(input.typed));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(inputs.size()));
}

void ParseWithStrtod(benchmark::State& state, const std::vector<ParseInput>& inputs) {
  for (auto _ : state) {
    for (const auto& input : inputs) {
      benchmark::DoNotOptimize(std::strtod(input.ascii.c_str(), nullptr));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(inputs.size()));
}

void FormatWithFormatAmount(benchmark::State& state) {
  const std::vector<double> amounts = FormatInputs();
  for (auto _ : state) {
    for (const double amount : amounts) {
      std::string text = pricing::FormatAmount(amount);
      benchmark::DoNotOptimize(text.data());
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(amounts.size()));
}

void FormatWithSnprintf(benchmark::State& state) {
  const std::vector<double> amounts = FormatInputs();
  for (auto _ : state) {
    for (const double amount : amounts) {
      char text[32];
      std::snprintf(text, sizeof text, "%.16e", amount);
      std::string kept(text);  // FormatAmount hands back a new text too
      benchmark::DoNotOptimize(kept.data());
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(amounts.size()));
}

// The pairs compared: our function first, the C library's second.
struct Pair {
  std::string ours;
  std::string library;
};
const std::vector<Pair> kPairs = {
    {"Parse/short/ParseAmount", "Parse/short/strtod"},
    {"Parse/long_digits/ParseAmount", "Parse/long_digits/strtod"},
    {"Parse/full_width/ParseAmount", "Parse/full_width/strtod(ascii)"},
    {"Parse/megabyte/ParseAmount", "Parse/megabyte/strtod"},
    {"Format/FormatAmount", "Format/snprintf(%.16e)"},
};

void RegisterAll() {
  const auto register_parse = [](const std::string& set, std::vector<ParseInput> inputs,
                                 const char* library_name) {
    benchmark::RegisterBenchmark(("Parse/" + set + "/ParseAmount").c_str(), ParseWithParseAmount,
                                 inputs);
    benchmark::RegisterBenchmark(("Parse/" + set + "/" + library_name).c_str(), ParseWithStrtod,
                                 inputs);
  };
  register_parse("short", ShortAmounts(), "strtod");
  register_parse("long_digits", LongDigitStrings(), "strtod");
  register_parse("full_width", FullWidthAmounts(), "strtod(ascii)");
  register_parse("megabyte", MegabyteTexts(), "strtod");
  benchmark::RegisterBenchmark("Format/FormatAmount", FormatWithFormatAmount);
  benchmark::RegisterBenchmark("Format/snprintf(%.16e)", FormatWithSnprintf);
}

// The console table, then one line per pair: CPU time of ours divided by the library's, taken
// as the median over the repetitions (--benchmark_repetitions) of each.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  // Colours only on a terminal, so that a saved report stays plain text.
  RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const auto& run : runs) {
      if (run.error_occurred) continue;
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (run.run_type == Run::RT_Iteration || median) {
        (median ? median_cpu_time_[run.run_name.str()] : cpu_times_[run.run_name.str()])
            .push_back(run.GetAdjustedCPUTime());
      }
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\nCPU time ours / C library (same inputs, same units):\n");
    for (const auto& pair : kPairs) {
      const double ours = CpuTime(pair.ours);
      const double library = CpuTime(pair.library);
      if (ours > 0 && library > 0) {
        std::printf("  %-32s %8.2fx  (%s)\n", pair.ours.c_str(), ours / library,
                    pair.library.c_str());
      }
    }
  }

 private:
  static double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    const std::size_t middle = times.size() / 2;
    return times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
  }

  // The median of the repetitions; with --benchmark_report_aggregates_only only the median
  // aggregate is reported, so that one is used.
  double CpuTime(const std::string& name) const {
    const auto times = cpu_times_.find(name);
    if (times != cpu_times_.end()) return Median(times->second);
    const auto median = median_cpu_time_.find(name);
    return median != median_cpu_time_.end() ? median->second.front() : 0.0;
  }

  std::map<std::string, std::vector<double>> cpu_times_;
  std::map<std::string, std::vector<double>> median_cpu_time_;
};

}  // namespace

int main(int argc, char** argv) {
  RegisterAll();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
