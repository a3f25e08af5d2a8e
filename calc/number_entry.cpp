#include "calc/number_entry.h"

#include <string>

#include "calc/decimal_to_extended.h"
#include "calc/fault.h"

namespace calc {
namespace {

// Exponent digits are taken only while the exponent read so far is below this.
constexpr int kExponentDigitLimit = 500;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct Cursor {
    std::string_view text;
    std::size_t at = 0;

    bool AtEnd() const { return at >= text.size(); }
    char Peek() const { return text[at]; }
    bool Take(char c)
    {
        if (AtEnd() || Peek() != c)
            return false;
        ++at;
        return true;
    }
    std::string_view TakeDigits()
    {
        const std::size_t from = at;
        while (!AtEnd() && IsDigit(Peek()))
            ++at;
        return text.substr(from, at - from);
    }
    void SkipBlanks()
    {
        while (Take(' ')) {}
    }
};

}  // namespace

double ParseNumber(std::string_view text, char separator)
{
    const auto notANumber = [&] { return Fault(NotAFloatingPointValue(text)); };

    Cursor cursor{text};
    cursor.SkipBlanks();
    bool negative = false;
    if (cursor.Take('-'))
        negative = true;
    else
        cursor.Take('+');

    const std::string_view integerDigits = cursor.TakeDigits();
    std::string_view fractionDigits;
    const bool hasSeparator = cursor.Take(separator);
    if (hasSeparator)
        fractionDigits = cursor.TakeDigits();
    if (integerDigits.empty() && !hasSeparator)
        throw notANumber();

    long long exponent = 0;
    if (cursor.Take('E') || cursor.Take('e')) {
        bool negativeExponent = false;
        if (cursor.Take('-'))
            negativeExponent = true;
        else
            cursor.Take('+');
        while (!cursor.AtEnd() && IsDigit(cursor.Peek()) && exponent < kExponentDigitLimit) {
            exponent = exponent * 10 + (cursor.Peek() - '0');
            ++cursor.at;
        }
        if (negativeExponent)
            exponent = -exponent;
    }
    cursor.SkipBlanks();
    if (!cursor.AtEnd())
        throw notANumber();

    std::string digits(integerDigits);
    digits += fractionDigits;
    const auto value = DecimalToExtended(digits, exponent - static_cast<long long>(fractionDigits.size()), negative);
    if (!value)
        throw notANumber();
    return Store(*value);
}

}  // namespace calc
