#include "calc/extended_rounding.h"

#include <algorithm>
#include <cstdint>

#include "calc/double_bits.h"

namespace calc {
namespace {

struct BinaryFormat {
    int digits;       // significand bits
    int minExponent;  // exponent of the last significand bit of the smallest values
    int maxExponent;  // exponent of the last significand bit of the largest values
};

constexpr BinaryFormat kExtendedFormat{Extended::Digits, Extended::MinExponent, Extended::MaxExponent};
constexpr BinaryFormat kDoubleFormat{53, -1074, 971};
constexpr int kWideBits = 256;

struct Rounded {
    std::uint64_t significand = 0;  // zero when the value rounds to zero
    int exponent = 0;
};

std::optional<Rounded> RoundToFormat(const WideInteger& wide, int exponent, bool sticky, BinaryFormat format)
{
    if (wide == 0)
        return Rounded{};
    const int top = static_cast<int>(boost::multiprecision::msb(wide));
    // Bits below the format's last place, as many as keep the significand in
    // its digits and the exponent within its range.
    const int shift = std::max(top - (format.digits - 1), format.minExponent - exponent);
    WideInteger kept;
    if (shift <= 0) {
        kept = wide << -shift;
    } else if (shift > kWideBits) {
        kept = 0;  // less than half of the smallest value
    } else {
        const WideInteger half = WideInteger(1) << (shift - 1);
        kept = shift == kWideBits ? WideInteger(0) : wide >> shift;
        const WideInteger dropped = shift == kWideBits ? wide : wide & ((half << 1) - 1);
        const bool odd = boost::multiprecision::bit_test(kept, 0);
        if (dropped > half || (dropped == half && (sticky || odd)))
            ++kept;
    }
    exponent += shift;
    if (kept == 0)
        return Rounded{};
    if (boost::multiprecision::msb(kept) == static_cast<unsigned>(format.digits)) {
        kept >>= 1;
        ++exponent;
    }
    if (exponent > format.maxExponent)
        return std::nullopt;
    return Rounded{static_cast<std::uint64_t>(kept), exponent};
}

}  // namespace

std::optional<Extended> NearestExtended(bool negative, const WideInteger& wide, int exponent, bool sticky)
{
    const auto rounded = RoundToFormat(wide, exponent, sticky, kExtendedFormat);
    if (!rounded)
        return std::nullopt;
    return Extended::FromParts(negative, rounded->significand, rounded->exponent);
}

std::optional<double> NearestDouble(bool negative, const WideInteger& wide, int exponent, bool sticky)
{
    const auto rounded = RoundToFormat(wide, exponent, sticky, kDoubleFormat);
    if (!rounded)
        return std::nullopt;
    constexpr std::uint64_t kHiddenBit = std::uint64_t{1} << 52;
    std::uint64_t bits = negative ? std::uint64_t{1} << 63 : 0;
    if (rounded->significand >= kHiddenBit) {
        const auto biased = static_cast<std::uint64_t>(rounded->exponent + 1075);
        bits |= biased << 52 | (rounded->significand - kHiddenBit);
    } else {
        bits |= rounded->significand;  // below the normal range, or zero
    }
    return DoubleFromBits(bits);
}

}  // namespace calc
