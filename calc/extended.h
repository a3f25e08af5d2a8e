#pragma once
// Extended-precision arithmetic: the extended format (64-bit significand, the
// extended exponent range with gradual underflow, round to nearest with ties to
// even), done in integers so that every processor and compiler gives the same
// bits. Faults are raised where they arise, so the first failing operation
// names the message.
#include <cstdint>

namespace calc {

class Extended {
public:
    // The value is ± significand × 2^exponent; a finite non-zero value has the
    // top bit of its significand set, save below the normal range, where the
    // exponent is MinExponent.
    static constexpr int Digits = 64;
    static constexpr int MinExponent = -16445;
    static constexpr int MaxExponent = 16320;

    // Widening is exact; a value that is no finite number raises its fault.
    Extended(double value);

    // ± significand × 2^exponent, which must be exactly representable.
    static constexpr Extended FromParts(bool negative, std::uint64_t significand, int exponent)
    {
        Extended value;
        value.negative_ = negative;
        if (significand == 0)
            return value;
        while ((significand >> 63) == 0 && exponent > MinExponent) {
            significand <<= 1;
            --exponent;
        }
        value.significand_ = significand;
        value.exponent_ = exponent;
        return value;
    }

    constexpr bool Negative() const { return negative_; }
    constexpr std::uint64_t Significand() const { return significand_; }
    constexpr int Exponent() const { return exponent_; }
    constexpr bool IsZero() const { return significand_ == 0; }

    friend Extended operator+(Extended a, Extended b);
    friend Extended operator-(Extended a, Extended b);
    friend Extended operator*(Extended a, Extended b);
    friend Extended operator/(Extended a, Extended b);
    friend constexpr Extended operator-(Extended a)
    {
        a.negative_ = !a.negative_;
        return a;
    }

private:
    constexpr Extended() = default;

    bool negative_ = false;
    std::uint64_t significand_ = 0;
    int exponent_ = 0;
};

Extended Sqrt(Extended a);

// Rounds to the nearest double as a stored quantity; beyond the double range
// this is the overflow fault.
double Store(Extended a);

}  // namespace calc
