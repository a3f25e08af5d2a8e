#pragma once
// Number entry: the whole text of a box, as typed, to a double.
#include <string_view>

namespace calc {

// Blanks only around the number, one optional sign, digits with at most one
// decimal separator, an optional exponent; no digit grouping. A text that is
// not a number raises the conversion fault; a value beyond the double range
// raises the overflow fault.
double ParseNumber(std::string_view text, char separator);

}  // namespace calc
