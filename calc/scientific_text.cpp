#include "calc/scientific_text.h"

#include <charconv>
#include <cstdio>

namespace calc {

std::string ScientificText(double magnitude, int fractionDigits)
{
    char text[64];
#if defined(__cpp_lib_to_chars)
    const auto result =
        std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, fractionDigits);
    return std::string(text, result.ptr);
#else
    // Without floating-point to_chars (the browser build's library), its C library's
    // printf is exactly rounded and writes the point whatever the locale.
    const int length = std::snprintf(text, sizeof text, "%.*e", fractionDigits, magnitude);
    return std::string(text, static_cast<std::size_t>(length));
#endif
}

}  // namespace calc
