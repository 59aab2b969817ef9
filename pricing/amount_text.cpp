#include "pricing/amount_text.h"

#include <algorithm>
#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <system_error>

#include "pricing/amount_arithmetic.h"

// Literals here stay ASCII: the fuzz targets build this file with clang, which cannot compile
// narrow literals to GBK.

namespace pricing {
namespace {

// A text ends at its first zero byte, as the controls hand it over; the absent text is empty.
std::string_view Terminated(std::string_view text) {
  if (text.data() == nullptr) return {};
  const void* zero = std::memchr(text.data(), 0, text.size());
  return zero ? text.substr(0, static_cast<const char*>(zero) - text.data()) : text;
}

constexpr int kEndOfText = -1;
// A two-byte character that folding leaves in place: it ends any number.
constexpr int kUnfoldedWide = 0x100;

// The full-width forms the counter accepts in place of ASCII: the ideographic space, the
// full-width tilde, the two stars, and the whole full-width row A3 A1..A3 FE (digits, signs,
// point, letters), which mirrors ASCII 0x21..0x7E.
int FoldWide(unsigned char lead, unsigned char trail) {
  if (lead == 0xA1) {
    switch (trail) {
      case 0xA1:
        return 0x20;
      case 0xAB:
        return 0x7E;
      case 0xEE:
      case 0xEF:
        return 0x2A;
      default:
        return kUnfoldedWide;
    }
  }
  if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) return trail - 0x80;
  return kUnfoldedWide;
}

bool IsSpace(int c) {
  return c == 0x20 || (c >= 0x09 && c <= 0x0D);
}
bool IsDigit(int c) {
  return c >= '0' && c <= '9';
}
bool IsExponentLetter(int c) {
  return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}

// Pasted texts can hold megabytes of digits or spaces; these look at eight bytes at a time.
std::uint64_t EightBytes(const unsigned char* p) {
  std::uint64_t bytes;
  std::memcpy(&bytes, p, sizeof bytes);
  return bytes;
}
bool AreEightDigits(const unsigned char* p) {
  // Each byte 0x30..0x39 has the high nibble 3, and adding 6 keeps it 3.
  const std::uint64_t bytes = EightBytes(p);
  constexpr std::uint64_t kHigh = 0xF0F0F0F0F0F0F0F0;
  return ((bytes & kHigh) | (((bytes + 0x0606060606060606) & kHigh) >> 4)) == 0x3333333333333333;
}
bool AreEightSpaces(const unsigned char* p) {
  return EightBytes(p) == 0x2020202020202020;
}

// Walks a text as its folded copy would read, one character at a time, without making the
// copy: a number only ever reads a beginning of it, however long the text is. The text ends at
// its first zero byte, as the controls hand it over.
class FoldedText {
 public:
  explicit FoldedText(std::string_view text)
      : here_(reinterpret_cast<const unsigned char*>(text.data())), end_(here_ + text.size()) {
    Load();
  }
  int Current() const { return current_; }
  void Advance() {
    here_ += width_;
    Load();
  }

  // Skips the run of digits that starts here, ASCII or full-width, and tells how long it was.
  // Pasted texts can hold megabytes of them; this is the loop that sees each one.
  std::int64_t SkipDigits() {
    const unsigned char* p = here_;
    std::int64_t count = 0;
    for (; end_ - p >= 8 && AreEightDigits(p); p += 8) count += 8;
    for (;; ++count) {
      if (p != end_ && IsDigit(*p)) {
        ++p;
      } else if (end_ - p >= 2 && p[0] == 0xA3 && p[1] >= 0xB0 && p[1] <= 0xB9) {
        p += 2;
      } else {
        break;
      }
    }
    here_ = p;
    Load();
    return count;
  }

  // Skips white space, ASCII or the ideographic space.
  void SkipSpaces() {
    const unsigned char* p = here_;
    for (; end_ - p >= 8 && AreEightSpaces(p); p += 8) {
    }
    for (;;) {
      if (p != end_ && IsSpace(*p)) {
        ++p;
      } else if (end_ - p >= 2 && p[0] == 0xA1 && p[1] == 0xA1) {
        p += 2;
      } else {
        break;
      }
    }
    here_ = p;
    Load();
  }

 private:
  void Load() {
    width_ = 0;
    current_ = kEndOfText;
    if (here_ == end_ || *here_ == 0) return;
    if (*here_ < 0x80) {
      current_ = *here_;
      width_ = 1;
    } else if (end_ - here_ >= 2 && here_[1] != 0) {
      current_ = FoldWide(here_[0], here_[1]);
      width_ = 2;
    }  // else a lead byte at the very end, which is dropped
  }

  const unsigned char* here_;  // the current character
  const unsigned char* end_;
  int current_ = kEndOfText;
  int width_ = 0;
};

constexpr int kMaxSignificantDigits = 24;
constexpr int kExponentLimit = 5200;  // beyond it: an infinity, or zero

// The number read from a text: value = digits × 10^scale.
struct DecimalNumber {
  bool found = false;  // the mantissa had at least one digit
  bool negative = false;
  char digits[kMaxSignificantDigits] = {};
  int digit_count = 0;
  std::int64_t scale = 0;
};

void ReadMantissa(FoldedText& text, DecimalNumber& number) {
  bool after_point = false;
  for (;;) {
    const int c = text.Current();
    if (c == '.' && !after_point) {
      after_point = true;
      text.Advance();
      continue;
    }
    if (!IsDigit(c)) return;
    number.found = true;
    if (number.digit_count == kMaxSignificantDigits) {
      // Digits beyond the 24th still count toward the magnitude before the point; after it
      // they are dropped.
      const std::int64_t skipped = text.SkipDigits();
      if (!after_point) number.scale += skipped;
      continue;
    }
    const bool leading_zero = c == '0' && number.digit_count == 0;
    if (!leading_zero) number.digits[number.digit_count++] = static_cast<char>(c);
    if (after_point) --number.scale;
    text.Advance();
  }
}

// An exponent letter counts only with a complete exponent behind it; the written value is read
// up to 5201, which already lies beyond every limit.
std::int64_t ReadExponent(FoldedText& text) {
  if (!IsExponentLetter(text.Current())) return 0;
  FoldedText lookahead = text;
  lookahead.Advance();
  bool negative = false;
  if (lookahead.Current() == '+' || lookahead.Current() == '-') {
    negative = lookahead.Current() == '-';
    lookahead.Advance();
  }
  if (!IsDigit(lookahead.Current())) return 0;
  std::int64_t value = 0;
  for (; IsDigit(lookahead.Current()); lookahead.Advance()) {
    value = std::min<std::int64_t>(value * 10 + (lookahead.Current() - '0'), kExponentLimit + 1);
  }
  text = lookahead;
  return negative ? -value : value;
}

DecimalNumber ReadNumber(std::string_view text) {
  FoldedText folded(text);
  folded.SkipSpaces();
  DecimalNumber number;
  if (folded.Current() == '+' || folded.Current() == '-') {
    number.negative = folded.Current() == '-';
    folded.Advance();
  }
  ReadMantissa(folded, number);
  if (number.found) number.scale += ReadExponent(folded);
  return number;
}

double Signed(bool negative, double magnitude) {
  return negative ? -magnitude : magnitude;
}

// Up to 15 digits and a power of ten up to 10^22 are both exact doubles, so one multiplication
// or division rounds correctly: the common amounts ("0.60", "100") need no more. Where double
// expressions are evaluated at a wider precision (the x87 unit), the one rounding would become
// two, so the general conversion serves there.
bool TryExactQuotient(const DecimalNumber& number, double& magnitude) {
#if defined(FLT_EVAL_METHOD) && FLT_EVAL_METHOD == 0
  static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                            1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  constexpr int kMaxExactDigits = 15;
  constexpr int kMaxExactPower = 22;
  if (number.digit_count > kMaxExactDigits || number.scale < -kMaxExactPower ||
      number.scale > kMaxExactPower) {
    return false;
  }
  std::int64_t digits = 0;
  for (int i = 0; i < number.digit_count; ++i) digits = digits * 10 + (number.digits[i] - '0');
  const double power = kPowersOfTen[number.scale < 0 ? -number.scale : number.scale];
  magnitude =
      number.scale < 0 ? static_cast<double>(digits) / power : static_cast<double>(digits) * power;
  return true;
#else
  (void)number;
  (void)magnitude;
  return false;
#endif
}

// At most 24 digits, 'e', a sign and five exponent digits: std::from_chars rounds correctly and
// does not look at the C locale.
double ConvertDecimal(const DecimalNumber& number, std::int64_t exponent) {
  char buffer[kMaxSignificantDigits + 16];
  char* end = std::copy_n(number.digits, number.digit_count, buffer);
  *end++ = 'e';
  end = std::to_chars(end, buffer + sizeof buffer, number.scale).ptr;
  double magnitude = 0.0;
  std::from_chars_result result;
  {
    // Short decimals with a positive exponent are read with one multiplication of two doubles,
    // which must round once.
    const PlainDoubleRounding plain_rounding;
    result = std::from_chars(buffer, end, magnitude, std::chars_format::scientific);
  }
  if (result.ec == std::errc::result_out_of_range) {
    magnitude = exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return magnitude;
}

}  // namespace

double ParseAmount(std::string_view text) {
  const DecimalNumber number = ReadNumber(text);
  if (!number.found) return 0.0;
  if (number.digit_count == 0) return Signed(number.negative, 0.0);  // only zeros

  // The decimal exponent of the leading digit decides the limits.
  const std::int64_t exponent = number.scale + number.digit_count - 1;
  if (exponent > kExponentLimit) {
    return Signed(number.negative, std::numeric_limits<double>::infinity());
  }
  if (exponent < -kExponentLimit) return Signed(number.negative, 0.0);

  double magnitude = 0.0;
  if (!TryExactQuotient(number, magnitude)) magnitude = ConvertDecimal(number, exponent);
  return Signed(number.negative, magnitude);
}

namespace {

constexpr int kShownDigits = 13;

std::string_view NotANumberText(double amount) {
  const auto bits = std::bit_cast<std::uint64_t>(amount);
  const bool negative = bits >> 63;
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
  const std::uint64_t quiet_bit = std::uint64_t{1} << 51;
  if (negative && fraction == quiet_bit) return "-1.#IND";  // what an invalid operation yields
  if (fraction & quiet_bit) return negative ? "-1.#QNAN" : "1.#QNAN";
  return negative ? "-1.#SNAN" : "1.#SNAN";
}

// The magnitude as 13 significant digits and the decimal exponent of the first: the correctly
// rounded 17-digit decimal, rounded half away from zero at its 14th digit.
struct ShownDigits {
  char digits[kShownDigits];
  int exponent;
};

ShownDigits RoundToShownDigits(double magnitude) {
  char buffer[32];  // d.dddddddddddddddde+ddd
  const char* end =
      std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 16)
          .ptr;
  const char* exponent_text = buffer + 19;  // behind "d.dddddddddddddddde"
  if (*exponent_text == '+') ++exponent_text;
  ShownDigits shown{};
  std::from_chars(exponent_text, end, shown.exponent);

  char seventeen[17];
  seventeen[0] = buffer[0];
  std::copy_n(buffer + 2, 16, seventeen + 1);
  std::copy_n(seventeen, kShownDigits, shown.digits);
  if (seventeen[kShownDigits] < '5') return shown;
  for (int i = kShownDigits - 1; i >= 0; --i) {
    if (shown.digits[i] != '9') {
      ++shown.digits[i];
      return shown;
    }
    shown.digits[i] = '0';
  }
  shown.digits[0] = '1';  // the carry ran out of the first digit: 9.99...95 becomes 1 × 10^(E+1)
  ++shown.exponent;
  return shown;
}

void RemoveTrailingZeros(std::string& fraction_text) {
  const auto point = fraction_text.find('.');
  if (point == std::string::npos) return;
  const auto last = fraction_text.find_last_not_of('0');
  fraction_text.erase(last == point ? point : last + 1);
}

std::string ExponentForm(const ShownDigits& shown) {
  std::string text(1, shown.digits[0]);
  text += '.';
  text.append(shown.digits + 1, kShownDigits - 1);
  RemoveTrailingZeros(text);
  char exponent[8];
  const int magnitude = std::abs(shown.exponent);
  exponent[0] = 'e';
  exponent[1] = shown.exponent < 0 ? '-' : '+';
  exponent[2] = static_cast<char>('0' + magnitude / 100);
  exponent[3] = static_cast<char>('0' + magnitude / 10 % 10);
  exponent[4] = static_cast<char>('0' + magnitude % 10);
  text.append(exponent, 5);
  return text;
}

std::string PlainForm(const ShownDigits& shown) {
  std::string text;
  if (shown.exponent >= 0) {
    text.assign(shown.digits, shown.exponent + 1);
    text += '.';
    text.append(shown.digits + shown.exponent + 1, kShownDigits - shown.exponent - 1);
  } else {
    text = "0.";
    text.append(-shown.exponent - 1, '0');
    text.append(shown.digits, kShownDigits);
  }
  RemoveTrailingZeros(text);
  return text;
}

}  // namespace

std::string FormatAmount(double amount) {
  if (amount == 0) return "0";
  if (std::isinf(amount)) return amount > 0 ? "1.#INF" : "-1.#INF";
  if (std::isnan(amount)) return std::string(NotANumberText(amount));

  const ShownDigits shown = RoundToShownDigits(std::fabs(amount));
  const bool exponent_form = shown.exponent < -4 || shown.exponent >= kShownDigits;
  std::string text = exponent_form ? ExponentForm(shown) : PlainForm(shown);
  return std::signbit(amount) ? "-" + text : text;
}

int CompareText(std::string_view a, std::string_view b) {
  a = Terminated(a);
  b = Terminated(b);
  const std::size_t common = std::min(a.size(), b.size());
  const int bytes = common == 0 ? 0 : std::memcmp(a.data(), b.data(), common);
  if (bytes != 0) return bytes < 0 ? -1 : 1;
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool IsEmptyText(std::string_view text) {
  return CompareText(text, {}) == 0;
}

std::size_t TextLength(std::string_view text) {
  return Terminated(text).size();
}

std::string JoinTexts(std::initializer_list<std::string_view> texts) {
  std::size_t total = 0;
  for (std::string_view text : texts) total += TextLength(text);
  std::string joined;
  joined.reserve(total);
  for (std::string_view text : texts) joined.append(Terminated(text));
  return joined;
}

}  // namespace pricing
