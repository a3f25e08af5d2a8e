#pragma once
// Rounding an exact binary value to the extended format or to a double: round
// to nearest, ties to even, with gradual underflow below the normal range.
#include <optional>

#include <boost/multiprecision/cpp_int.hpp>

#include "calc/extended.h"

namespace calc {

// Wide enough for the exact product of two significands and for the quotients
// and roots carried to more digits than any format here keeps.
using WideInteger = boost::multiprecision::uint256_t;

// The value ± wide × 2^exponent rounded once; sticky says the exact value lies
// above wide × 2^exponent by less than a unit of wide's last bit. Nothing where
// the rounded value lies beyond the format's range.
std::optional<Extended> NearestExtended(bool negative, const WideInteger& wide, int exponent, bool sticky);
std::optional<double> NearestDouble(bool negative, const WideInteger& wide, int exponent, bool sticky);

}  // namespace calc
