#pragma once
// Whole-number entry: the whole text of a box, as typed, to a 32-bit integer.
#include <cstdint>
#include <string_view>

namespace calc {

// Leading blanks, one optional sign, then decimal digits or hexadecimal digits
// after "$", "x" or "0x" (either case). Anything else, a trailing blank
// included, or a value outside the 32-bit signed range raises
// "'<text>' is not a valid integer value".
std::int32_t ParseWholeNumber(std::string_view text);

}  // namespace calc
