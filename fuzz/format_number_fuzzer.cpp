// Number display: every finite double is written as a number that entry reads
// back to the double nearest its 15-significant-digit rounding.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "calc/fault.h"
#include "calc/number_display.h"
#include "calc/number_entry.h"
#include "grammar.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < sizeof(double) + 1)
        return 0;
    double value;
    std::memcpy(&value, data + 1, sizeof value);
    if (!std::isfinite(value))
        return 0;
    const char separator = data[0] & 1 ? ',' : '.';
    const std::string text = calc::FormatNumber(value, separator);
    if (!HasNumberGrammar(text, separator) || text.find(' ') != std::string::npos || text.find('+') != std::string::npos)
        std::abort();

    double readBack = 0;
    try {
        readBack = calc::ParseNumber(text, separator);
    } catch (const calc::Fault&) {
        // Only a value that rounds up past the largest double may overflow.
        if (std::fabs(value) < 1.7976931348623e308)
            std::abort();
        return 0;
    }
    // The text has at most 15 significant digits: written with 15, it reads the same...
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.14e", readBack);
    if (calc::ParseNumber(digits, '.') != readBack)
        std::abort();
    // ...and lies within half a unit of the 15th digit of the value (plus the
    // 18-digit step's rounding and the double nearest the text).
    if (value != 0) {
        const long double unit = std::pow(10.0L, std::floor(std::log10(std::fabs((long double)value))) - 14);
        const long double error = std::fabs((long double)readBack - value);
        if (error > 0.5005L * unit + std::fabs(value) * 2.3e-16L + 4.9406564584124654e-324L)
            std::abort();
    } else if (readBack != 0) {
        std::abort();
    }
    return 0;
}
