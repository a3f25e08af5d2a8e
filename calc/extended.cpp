#include "calc/extended.h"

#include <bit>
#include <string_view>
#include <utility>

#include "calc/double_bits.h"
#include "calc/extended_rounding.h"
#include "calc/fault.h"

namespace calc {
namespace {

[[noreturn]] void Raise(std::string_view message)
{
    throw Fault(std::string(message));
}

Extended Zero(bool negative) { return Extended::FromParts(negative, 0, 0); }

Extended Nearest(bool negative, const WideInteger& wide, int exponent, bool sticky = false)
{
    if (wide == 0)
        return Zero(false);  // an exact cancellation is a positive zero
    const auto rounded = NearestExtended(negative, wide, exponent, sticky);
    if (!rounded)
        Raise(messages::Overflow);
    return *rounded;
}

// A non-zero value with its significand's top bit set, the exponent unbounded below.
struct Normalised {
    explicit Normalised(Extended value)
    {
        const int lead = std::countl_zero(value.Significand());
        significand = value.Significand() << lead;
        exponent = value.Exponent() - lead;
    }
    std::uint64_t significand;
    int exponent;

    bool LargerThan(const Normalised& other) const
    {
        return exponent != other.exponent ? exponent > other.exponent : significand > other.significand;
    }
};

}  // namespace

Extended::Extended(double value)
{
    const auto bits = BitsOfDouble(value);
    const auto biased = static_cast<int>((bits >> 52) & 0x7ff);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    if (biased == 0x7ff)
        Raise(fraction != 0 ? messages::InvalidOperation : messages::Overflow);
    const bool negative = (bits >> 63) != 0;
    if (biased == 0)
        *this = FromParts(negative, fraction, -1074);
    else
        *this = FromParts(negative, fraction | std::uint64_t{1} << 52, biased - 1075);
}

Extended operator+(Extended a, Extended b)
{
    if (b.IsZero())
        return a.IsZero() ? Zero(a.Negative() && b.Negative()) : a;
    if (a.IsZero())
        return b;
    if (Normalised(b).LargerThan(Normalised(a)))
        std::swap(a, b);
    const Normalised larger(a), smaller(b);
    // Beyond this gap the smaller value lies far below half the larger one's
    // last place: only its sign can sway the rounding, so one unit stands in for it.
    constexpr int kFarGap = 130;
    const int gap = larger.exponent - smaller.exponent;
    WideInteger wide = WideInteger(larger.significand) << std::min(gap, kFarGap);
    const WideInteger addend = gap <= kFarGap ? WideInteger(smaller.significand) : WideInteger(1);
    const int exponent = larger.exponent - std::min(gap, kFarGap);
    wide = a.Negative() == b.Negative() ? wide + addend : wide - addend;
    return Nearest(a.Negative(), wide, exponent);
}

Extended operator-(Extended a, Extended b) { return a + -b; }

Extended operator*(Extended a, Extended b)
{
    const bool negative = a.Negative() != b.Negative();
    if (a.IsZero() || b.IsZero())
        return Zero(negative);
    const Normalised x(a), y(b);
    return Nearest(negative, WideInteger(x.significand) * y.significand, x.exponent + y.exponent);
}

Extended operator/(Extended a, Extended b)
{
    if (b.IsZero()) {
        if (a.IsZero())
            Raise(messages::InvalidOperation);
        Raise(messages::DivisionByZero);
    }
    const bool negative = a.Negative() != b.Negative();
    if (a.IsZero())
        return Zero(negative);
    const Normalised x(a), y(b);
    // The quotient to 64 bits beyond the significand; the remainder decides ties.
    constexpr int kExtraBits = 128;
    const WideInteger numerator = WideInteger(x.significand) << kExtraBits;
    WideInteger quotient, remainder;
    boost::multiprecision::divide_qr(numerator, WideInteger(y.significand), quotient, remainder);
    return Nearest(negative, quotient, x.exponent - y.exponent - kExtraBits, remainder != 0);
}

Extended Sqrt(Extended a)
{
    if (a.IsZero())
        return a;
    if (a.Negative())
        Raise(messages::InvalidOperation);
    const Normalised x(a);
    // The root of significand × 2^128 keeps 32 bits beyond the significand; an
    // even exponent halves exactly.
    constexpr int kExtraBits = 128;
    WideInteger radicand = WideInteger(x.significand) << kExtraBits;
    int exponent = x.exponent - kExtraBits;
    if (exponent % 2 != 0) {
        radicand <<= 1;
        --exponent;
    }
    WideInteger remainder;
    const WideInteger root = boost::multiprecision::sqrt(radicand, remainder);
    return Nearest(false, root, exponent / 2, remainder != 0);
}

double Store(Extended a)
{
    const auto stored = NearestDouble(a.Negative(), a.Significand(), a.Exponent(), false);
    if (!stored)
        Raise(messages::Overflow);
    return *stored;
}

}  // namespace calc
