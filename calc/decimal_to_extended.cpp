#include "calc/decimal_to_extended.h"

#include <algorithm>
#include <string>

#include <boost/multiprecision/cpp_int.hpp>

#include "calc/extended_rounding.h"

namespace calc {
namespace {

using boost::multiprecision::cpp_int;

// Every point halfway between two extended values is written exactly in fewer
// significant digits than this, so digits past it only tell that something
// non-zero follows.
constexpr std::size_t kDecidingDigits = 11600;
// 10^4933 lies beyond the largest extended value, and 10^-4951 below half the smallest.
constexpr long long kFirstPowerAbove = 4933;
constexpr long long kLastPowerBelow = -4951;
// Bits kept when a wide value is narrowed for rounding: far more than a significand.
constexpr unsigned kNarrowBits = 200;
// Quotient bits beyond the significand, so that the remainder alone decides ties.
constexpr int kQuotientBits = Extended::Digits + 4;

}  // namespace

std::optional<Extended> DecimalToExtended(std::string_view digits, long long exponent, bool negative)
{
    // Leading and trailing zeros carry no value; dropping them keeps the work short.
    while (!digits.empty() && digits.front() == '0')
        digits.remove_prefix(1);
    while (!digits.empty() && digits.back() == '0') {
        digits.remove_suffix(1);
        ++exponent;
    }
    const Extended zero = Extended::FromParts(negative, 0, 0);
    if (digits.empty())
        return zero;
    // The value lies in [10^(leading - 1), 10^leading).
    const long long leading = exponent + static_cast<long long>(digits.size());
    if (leading - 1 >= kFirstPowerAbove)
        return std::nullopt;
    if (leading <= kLastPowerBelow)
        return zero;

    std::string deciding(digits.substr(0, std::min(digits.size(), kDecidingDigits)));
    if (digits.size() > kDecidingDigits) {
        // The last digit is not zero, so the dropped part is not: a final 1 says so.
        deciding += '1';
        exponent += static_cast<long long>(digits.size() - kDecidingDigits) - 1;
    }
    const cpp_int significand(deciding);
    const int scale = static_cast<int>(exponent);

    cpp_int wide;
    int binaryExponent = 0;
    bool sticky = false;
    if (scale >= 0) {
        wide = significand * boost::multiprecision::pow(cpp_int(10), scale);
    } else {
        const cpp_int divisor = boost::multiprecision::pow(cpp_int(10), -scale);
        const int shift = std::max(0, static_cast<int>(boost::multiprecision::msb(divisor)) -
                                          static_cast<int>(boost::multiprecision::msb(significand)) + kQuotientBits);
        cpp_int remainder;
        boost::multiprecision::divide_qr(cpp_int(significand << shift), divisor, wide, remainder);
        sticky = remainder != 0;
        binaryExponent = -shift;
    }
    const unsigned top = boost::multiprecision::msb(wide);
    if (top > kNarrowBits) {
        const unsigned drop = top - kNarrowBits;
        sticky = sticky || boost::multiprecision::lsb(wide) < drop;
        wide >>= drop;
        binaryExponent += static_cast<int>(drop);
    }
    return NearestExtended(negative, static_cast<WideInteger>(wide), binaryExponent, sticky);
}

}  // namespace calc
