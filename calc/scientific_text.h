#pragma once
// A double in scientific notation, exactly rounded to the digits asked for.
#include <string>

namespace calc {

// "d.ddd…e±x" with `fractionDigits` digits after the point, never a locale's separator.
std::string ScientificText(double magnitude, int fractionDigits);

}  // namespace calc
