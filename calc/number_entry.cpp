#include "calc/number_entry.h"

#include <charconv>
#include <string>

#include "calc/extended.h"
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

// The exact decimal value, digits × 10^exponent, to the nearest extended value.
// Returns false where it lies beyond the extended range.
bool NearestExtended(std::string_view digits, long long exponent, bool negative, long double& value)
{
    // Leading and trailing zeros carry no value; dropping them keeps the text short.
    while (!digits.empty() && digits.front() == '0')
        digits.remove_prefix(1);
    while (!digits.empty() && digits.back() == '0') {
        digits.remove_suffix(1);
        ++exponent;
    }
    if (digits.empty()) {
        value = negative ? -0.0L : 0.0L;
        return true;
    }
    std::string normalised(digits);
    normalised += 'e';
    normalised += std::to_string(exponent);
    long double magnitude = 0;
    const auto [end, error] =
        std::from_chars(normalised.data(), normalised.data() + normalised.size(), magnitude);
    if (error == std::errc::result_out_of_range) {
        // Too small for the extended type reads as zero; too large is no number.
        const long long leadingDigitExponent = exponent + static_cast<long long>(digits.size());
        if (leadingDigitExponent > 0)
            return false;
        magnitude = 0;
    } else if (error != std::errc() || end != normalised.data() + normalised.size()) {
        return false;
    }
    value = negative ? -magnitude : magnitude;
    return true;
}

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
    long double value = 0;
    if (!NearestExtended(digits, exponent - static_cast<long long>(fractionDigits.size()), negative, value))
        throw notANumber();
    return Store(Extended(value));
}

}  // namespace calc
