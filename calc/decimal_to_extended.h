#pragma once
// Exact decimal text to the extended format, rounded once.
#include <optional>
#include <string_view>

#include "calc/extended.h"

namespace calc {

// The exact value ± digits × 10^exponent (digits: decimal digits only) to the
// nearest extended value; nothing where that lies beyond the extended range.
std::optional<Extended> DecimalToExtended(std::string_view digits, long long exponent, bool negative);

}  // namespace calc
