#include "calc/whole_number.h"

#include <limits>

#include "calc/fault.h"

namespace calc {
namespace {

// The digit's value in the base, or -1 where it is no digit of that base.
int DigitValue(char c, int base)
{
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

bool StartsWith(std::string_view text, std::size_t at, std::string_view prefix)
{
    return text.substr(at, prefix.size()) == prefix;
}

}  // namespace

std::int32_t ParseWholeNumber(std::string_view text)
{
    const auto notAWholeNumber = [&] { return Fault(NotAnIntegerValue(text)); };

    std::size_t at = 0;
    while (at < text.size() && text[at] == ' ')
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        negative = text[at] == '-';
        ++at;
    }
    int base = 10;
    for (const std::string_view prefix : {"$", "x", "X", "0x", "0X"}) {
        if (StartsWith(text, at, prefix)) {
            base = 16;
            at += prefix.size();
            break;
        }
    }
    if (at == text.size())
        throw notAWholeNumber();

    // The magnitude may reach one beyond the largest positive value, for the most negative one.
    const std::int64_t limit = static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max()) + (negative ? 1 : 0);
    std::int64_t magnitude = 0;
    for (; at < text.size(); ++at) {
        const int digit = DigitValue(text[at], base);
        if (digit < 0)
            throw notAWholeNumber();
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            throw notAWholeNumber();
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace calc
