// Helpers shared by the amount tests: exact comparison of doubles (signed zeros and NaN payloads
// included) and a readable form of GBK byte texts for failure messages.
#pragma once

#include <bit>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include <gtest/gtest.h>
#include <vector>

#include "pricing/amount_text.h"

namespace amount_test {

inline std::uint64_t Bits(double value) {
  return std::bit_cast<std::uint64_t>(value);
}

inline double FromBits(std::uint64_t bits) {
  return std::bit_cast<double>(bits);
}

// The text with bytes outside printable ASCII written as \xHH; long texts are cut in the middle.
inline std::string Visible(std::string_view text) {
  constexpr std::size_t kShown = 48;
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.size() > 2 * kShown && i == kShown) {
      out += "...(" + std::to_string(text.size()) + " bytes)...";
      i = text.size() - kShown;
    }
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x20 && byte < 0x7F) {
      out += static_cast<char>(byte);
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      out += escaped;
    }
  }
  return out;
}

// Joins the pieces into one text. Unlike a chain of operator+ that starts with a literal, this
// does not set off GCC 12's false -Wrestrict warning in optimised builds.
template <typename... Pieces>
std::string Cat(const Pieces&... pieces) {
  std::string text;
  (text.append(std::string_view(pieces)), ...);
  return text;
}

// The text in double quotes, readable as by Visible.
inline std::string Quoted(std::string_view text) {
  return Cat("\"", Visible(text), "\"");
}

inline std::string Describe(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.17g (bits %016llX)", value,
                static_cast<unsigned long long>(Bits(value)));
  return text;
}

// Equal as bit patterns: -0 differs from +0, and an infinity equals only itself.
inline ::testing::AssertionResult SameAmount(double actual, double expected) {
  if (Bits(actual) == Bits(expected)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "got " << Describe(actual) << ", expected " << Describe(expected);
}

// A text as a control hands it over and the amount it must read as, bit for bit.
struct ReadCase {
  std::string text;
  double expected;
};

inline void ExpectReads(const std::vector<ReadCase>& cases) {
  for (const auto& c : cases) {
    SCOPED_TRACE(Quoted(c.text));
    EXPECT_TRUE(SameAmount(pricing::ParseAmount(c.text), c.expected));
  }
}

}  // namespace amount_test
