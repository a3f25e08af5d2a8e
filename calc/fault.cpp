#include "calc/fault.h"

namespace calc {

std::string NotAFloatingPointValue(std::string_view text)
{
    return "'" + std::string(text) + "' is not a valid floating point value";
}

std::string NotAnIntegerValue(std::string_view text)
{
    return "'" + std::string(text) + "' is not a valid integer value";
}

std::string WithClosingPeriod(std::string_view message)
{
    std::string shown(message);
    if (!shown.empty() && static_cast<unsigned char>(shown.back()) > static_cast<unsigned char>('.'))
        shown += '.';
    return shown;
}

}  // namespace calc
