#pragma once
// Extended-precision arithmetic that raises the floating-point faults where
// they arise, so the first failing operation names the message.
#include <limits>

namespace calc {

static_assert(std::numeric_limits<long double>::digits == 64,
              "the displayed digits need the 80-bit extended long double (x86-64 with GCC or Clang)");

class Extended {
public:
    constexpr Extended(long double value) : value_(value) {}
    constexpr long double Value() const { return value_; }

    friend Extended operator+(Extended a, Extended b);
    friend Extended operator-(Extended a, Extended b);
    friend Extended operator*(Extended a, Extended b);
    friend Extended operator/(Extended a, Extended b);
    friend Extended operator-(Extended a) { return Extended(-a.value_); }

private:
    long double value_;
};

Extended Sqrt(Extended a);

// Rounds to the nearest double as a stored quantity; beyond the double range
// this is the overflow fault.
double Store(Extended a);

}  // namespace calc
