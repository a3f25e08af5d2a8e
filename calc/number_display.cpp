#include "calc/number_display.h"

#include <cmath>
#include <cstdlib>

#include "calc/scientific_text.h"

namespace calc {
namespace {

constexpr int kTakenDigits = 18;
constexpr int kShownDigits = 15;

struct Decimal {
    std::string digits;  // significant digits, no trailing zeros
    int exponent = 0;    // the value is 0.digits × 10^exponent
};

// The magnitude taken to 18 significant digits (round to nearest), then to 15
// with halves going up, carrying leftwards.
Decimal ShownDigits(double magnitude)
{
    const std::string text = ScientificText(magnitude, kTakenDigits - 1);
    const std::string_view written(text);
    const std::size_t e = written.find('e');

    Decimal decimal;
    for (char c : written.substr(0, e))
        if (c != '.')
            decimal.digits += c;
    decimal.exponent = std::atoi(std::string(written.substr(e + 1)).c_str()) + 1;

    const bool roundUp = decimal.digits[kShownDigits] >= '5';
    decimal.digits.resize(kShownDigits);
    if (roundUp) {
        int i = kShownDigits - 1;
        while (i >= 0 && decimal.digits[i] == '9')
            decimal.digits[i--] = '0';
        if (i >= 0) {
            ++decimal.digits[i];
        } else {
            decimal.digits.insert(decimal.digits.begin(), '1');
            decimal.digits.pop_back();
            ++decimal.exponent;
        }
    }
    while (!decimal.digits.empty() && decimal.digits.back() == '0')
        decimal.digits.pop_back();
    return decimal;
}

std::string Fixed(const Decimal& d, char separator)
{
    if (d.exponent <= 0)
        return "0" + std::string(1, separator) + std::string(-d.exponent, '0') + d.digits;
    const auto whole = static_cast<std::size_t>(d.exponent);
    if (d.digits.size() <= whole)
        return d.digits + std::string(whole - d.digits.size(), '0');
    return d.digits.substr(0, whole) + separator + d.digits.substr(whole);
}

std::string Scientific(const Decimal& d, char separator)
{
    std::string text(1, d.digits[0]);
    if (d.digits.size() > 1)
        text += separator + d.digits.substr(1);
    return text + "E" + std::to_string(d.exponent - 1);
}

}  // namespace

std::string FormatNumber(double value, char separator)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    if (value == 0)
        return "0";

    const Decimal decimal = ShownDigits(std::fabs(value));
    const std::string sign = value < 0 ? "-" : "";
    if (decimal.exponent >= -3 && decimal.exponent <= 15)
        return sign + Fixed(decimal, separator);
    return sign + Scientific(decimal, separator);
}

}  // namespace calc
