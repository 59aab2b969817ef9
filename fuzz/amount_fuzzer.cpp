// Feeds arbitrary bytes to the amount rules. ParseAmount must read every text without a NaN,
// agree with strtod on plain ASCII numbers, and read full-width spellings the same way; every
// double that FormatAmount writes must have one of the allowed shapes, at most 13 significant
// digits, and read back to within 13 digits. A violated check aborts, so libFuzzer reports it.
// This file is built with clang, which cannot compile literals to GBK: literals stay ASCII.
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "pricing/amount_text.h"

namespace {

[[noreturn]] void Fail(const char* what, std::string_view text, double value) {
  std::fprintf(stderr, "amount_fuzzer: %s\n  value %.17g (bits %016llx)\n  text \"", what, value,
               static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(value)));
  for (const char c : text.substr(0, 200)) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F) {
      std::fputc(byte, stderr);
    } else {
      std::fprintf(stderr, "\\x%02X", byte);
    }
  }
  std::fprintf(stderr, "\"\n");
  std::abort();
}

void Check(bool holds, const char* what, std::string_view text, double value) {
  if (!holds) Fail(what, text, value);
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The position of doubles in numeric order, with -0 and +0 at the same place: neighbouring
// doubles (and the largest double and infinity) are one apart.
std::int64_t OrderOf(double value) {
  const auto bits = std::bit_cast<std::int64_t>(value);
  return bits < 0 ? std::numeric_limits<std::int64_t>::min() - bits : bits;
}

bool WithinOneStep(double a, double b) {
  const std::int64_t difference = OrderOf(a) - OrderOf(b);
  return difference >= -1 && difference <= 1;
}

// Digits "d[.ddd]" with no zero at the end of the fraction and no point without digits after
// it; returns the number of digits, or -1 for any other shape.
int CountMantissaDigits(std::string_view mantissa) {
  const std::size_t point = mantissa.find('.');
  int digits = 0;
  for (std::size_t i = 0; i < mantissa.size(); ++i) {
    if (i == point) continue;
    if (!IsDigit(mantissa[i])) return -1;
    ++digits;
  }
  if (point == std::string_view::npos) return digits;
  if (point == 0 || point + 1 == mantissa.size() || mantissa.back() == '0') return -1;
  return digits;
}

// "d[.ddd]e+DDD" with d not 0, an exponent below -4 or from 13 on, and at most 13 digits.
bool IsExponentForm(std::string_view text) {
  const std::size_t e = text.find('e');
  if (e == std::string_view::npos || text.size() != e + 5) return false;
  const std::string_view exponent = text.substr(e + 1);
  if ((exponent[0] != '+' && exponent[0] != '-') || !IsDigit(exponent[1]) ||
      !IsDigit(exponent[2]) || !IsDigit(exponent[3])) {
    return false;
  }
  const int value = std::atoi(std::string(exponent).c_str());
  if (value >= -4 && value < 13) return false;
  const std::string_view mantissa = text.substr(0, e);
  if (mantissa.empty() || mantissa[0] == '0') return false;
  if (mantissa.size() > 1 && mantissa[1] != '.') return false;
  const int digits = CountMantissaDigits(mantissa);
  return digits >= 1 && digits <= 13;
}

// "ddd[.ddd]" for magnitudes from 0.0001 to below 10^13: no leading zero except the one before
// the point of "0.ddd", at most 13 significant digits.
bool IsPlainForm(std::string_view text) {
  const int digits = CountMantissaDigits(text);
  if (digits < 1) return false;
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  if (whole.size() > 1 && whole[0] == '0') return false;
  if (whole != "0") return digits <= 13;
  const std::string_view fraction = text.substr(point + 1);
  const std::size_t first_significant = fraction.find_first_not_of('0');
  return first_significant <= 3 && fraction.size() - first_significant <= 13;
}

std::string_view FixedTextFor(double value) {
  if (std::isinf(value)) return value > 0 ? "1.#INF" : "-1.#INF";
  const auto bits = std::bit_cast<std::uint64_t>(value);
  const bool negative = bits >> 63;
  const bool quiet = (bits >> 51) & 1;
  if (bits == 0xFFF8000000000000ULL) return "-1.#IND";
  if (quiet) return negative ? "-1.#QNAN" : "1.#QNAN";
  return negative ? "-1.#SNAN" : "1.#SNAN";
}

// The distance to the next double up from a magnitude (toward zero from the largest).
double Spacing(double magnitude) {
  const double up = std::nextafter(magnitude, std::numeric_limits<double>::infinity());
  if (std::isinf(up)) return magnitude - std::nextafter(magnitude, 0.0);
  return up - magnitude;
}

// The shown text is the value rounded to 13 digits through its 17-digit decimal: at most half a
// unit of the 13th digit plus half a unit of the 17th away from it, and reading the text back
// adds at most half the spacing of doubles there. (A bare 5e-13 bound is too tight: the
// double 1.0000000000015e-298 is shown as 1.000000000002e-298, 5.0015e-13 away.)
void CheckShownAmount(double value) {
  const std::string shown = pricing::FormatAmount(value);
  if (value == 0) return Check(shown == "0", "zero not shown as 0", shown, value);
  if (!std::isfinite(value)) {
    return Check(shown == FixedTextFor(value), "wrong fixed text", shown, value);
  }
  const bool negative = std::signbit(value);
  Check(negative == (shown[0] == '-'), "sign of the text differs from the amount", shown, value);
  const std::string_view unsigned_text = std::string_view(shown).substr(negative ? 1 : 0);
  Check(IsExponentForm(unsigned_text) || IsPlainForm(unsigned_text), "text of a wrong shape", shown,
        value);

  const double back = pricing::ParseAmount(shown);
  const double error = std::fabs(back - value);
  const double allowed = 5.0006e-13 * std::fabs(value) + Spacing(std::fabs(back)) / 2;
  Check(error <= allowed, "text does not read back to within 13 digits", shown, value);
  Check(std::strtod(shown.c_str(), nullptr) == back, "strtod reads the shown text otherwise", shown,
        value);
}

bool IsPlainAscii(std::string_view text) {
  for (const char c : text) {
    if (!std::strchr(" \t\n\v\f\r0123456789+-.eEdD", c) || c == '\0') return false;
  }
  return true;
}

// On texts made only of white space, digits, signs, points and exponent letters the counter
// reads what strtod reads (with d and D as e), up to one step between neighbouring doubles where
// a number lies extremely close to a midpoint or has more digits than a double tells apart.
void CheckAgainstStrtod(std::string_view text, double parsed) {
  if (text.size() > 64 || !IsPlainAscii(text)) return;
  std::string for_strtod(text);
  for (char& c : for_strtod) {
    if (c == 'd' || c == 'D') c = 'e';
  }
  const double expected = std::strtod(for_strtod.c_str(), nullptr);
  Check(WithinOneStep(parsed, expected), "differs from strtod", text, parsed);
}

// Typed with a Chinese input method: spaces as ideographic spaces and the rest of printable ASCII
// as the full-width row; tabs and line ends stay.
void CheckFullWidthSpelling(std::string_view text, double parsed) {
  std::string full_width;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80) return;
    if (byte == 0x20) {
      full_width += "\xA1\xA1";
    } else if (byte > 0x20 && byte < 0x7F) {
      full_width += '\xA3';
      full_width += static_cast<char>(byte + 0x80);
    } else {
      full_width += c;
    }
  }
  const double full_width_parsed = pricing::ParseAmount(full_width);
  Check(std::bit_cast<std::uint64_t>(full_width_parsed) == std::bit_cast<std::uint64_t>(parsed),
        "full-width spelling reads differently", text, full_width_parsed);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double parsed = pricing::ParseAmount(text);
  Check(!std::isnan(parsed), "ParseAmount gave a NaN", text, parsed);
  const std::size_t zero = text.find('\0');
  if (zero != std::string_view::npos) {
    Check(pricing::ParseAmount(text.substr(0, zero)) == parsed, "bytes after a zero byte count",
          text, parsed);
  }
  CheckAgainstStrtod(text, parsed);
  CheckFullWidthSpelling(text, parsed);
  CheckShownAmount(parsed);

  if (size >= sizeof(double)) {
    double amount;
    std::memcpy(&amount, data, sizeof amount);
    CheckShownAmount(amount);
  }
  return 0;
}
