#pragma once
// Number display: general format with 15 significant digits.
#include <string>

namespace calc {

// Fixed notation for magnitudes from 0.0001 up to below 10^15, scientific
// ("1,234E-5", "1E15") beyond; no digit grouping, no "+" sign, zero as "0".
std::string FormatNumber(double value, char separator);

}  // namespace calc
