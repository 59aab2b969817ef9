// Arithmetic on amounts. Amounts are doubles, but the counter computes with a 64-bit significand
// (the x87 80-bit format, round to nearest even) and rounds to a double only where a result is
// stored: a product before anything is added to it, a sum of two, and the grand total's running
// sum once at its end. This header is the only place that knows the extended type.
#pragma once

#include <initializer_list>
#include <limits>

namespace pricing {

using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64,
              "amount arithmetic needs the 80-bit extended format with a 64-bit significand");

// Rounds an extended result to the double that is stored. The volatile store forces the
// rounding even where the compiler would keep the value in an x87 register.
inline double RoundToAmount(Extended value) {
  volatile double stored = static_cast<double>(value);
  return stored;
}

// a × b, rounded to a double.
inline double MultiplyAmounts(double a, double b) {
  return RoundToAmount(static_cast<Extended>(a) * static_cast<Extended>(b));
}

// a + b, rounded to a double.
inline double AddAmounts(double a, double b) {
  return RoundToAmount(static_cast<Extended>(a) + static_cast<Extended>(b));
}

// Adds strictly left to right, keeps the running sum extended and rounds it once at the end.
inline double SumAmounts(std::initializer_list<double> amounts) {
  Extended sum = 0;
  bool first = true;
  for (double amount : amounts) {
    sum = first ? static_cast<Extended>(amount) : sum + static_cast<Extended>(amount);
    first = false;
  }
  return RoundToAmount(sum);
}

// True when amount − floor, taken extended, is below −tolerance (the tolerance as a double).
inline bool IsBelowFloor(double amount, double floor, double tolerance) {
  const Extended difference = static_cast<Extended>(amount) - static_cast<Extended>(floor);
  return difference < -static_cast<Extended>(tolerance);
}

// Puts the floating-point unit into the state the arithmetic relies on: x87 round to nearest
// with a 64-bit significand and every exception masked (control word 0x37F), and the SSE unit
// at its defaults (MXCSR 0x1F80). Start-up calls it before any handler runs; tests do too.
inline void ResetFloatingPoint() {
#if defined(__x86_64__) || defined(__i386__)
  const unsigned short x87_control = 0x37F;
  __asm__ volatile("fldcw %0" : : "m"(x87_control));
#if defined(__SSE__)
  const unsigned int mxcsr = 0x1F80;
  __asm__ volatile("ldmxcsr %0" : : "m"(mxcsr));
#endif
#else
#error "amount arithmetic needs the x87 extended format"
#endif
}

// While it lives, every double operation rounds once, straight to the nearest double, as SSE
// does. A 32-bit x86 build evaluates double expressions on the x87 unit, its standard library's
// compiled code included; at the 64-bit significand the arithmetic needs, a product of two
// doubles is rounded to 64 bits in the register and again to 53 when it is stored, and may land
// one unit off the nearest double. Code whose results must be the nearest double (reading a
// decimal) runs inside this scope; the previous control word comes back at its end. Elsewhere
// doubles never touch the x87 unit and the scope does nothing.
class PlainDoubleRounding {
 public:
#if defined(__i386__)
  PlainDoubleRounding() {
    __asm__ volatile("fnstcw %0" : "=m"(saved_) : : "memory");
    const unsigned short double_significand = (saved_ & ~kPrecisionField) | kDoublePrecision;
    __asm__ volatile("fldcw %0" : : "m"(double_significand) : "memory");
  }
  ~PlainDoubleRounding() {
    __asm__ volatile("fldcw %0" : : "m"(saved_) : "memory");
  }

 private:
  static constexpr unsigned short kPrecisionField = 0x0300;
  static constexpr unsigned short kDoublePrecision = 0x0200;
  unsigned short saved_;
#else
  PlainDoubleRounding() {}  // doubles use SSE: nothing to switch
#endif
  PlainDoubleRounding(const PlainDoubleRounding&) = delete;
  PlainDoubleRounding& operator=(const PlainDoubleRounding&) = delete;
};

}  // namespace pricing
