// Whole-number entry: accepted exactly when the text has the grammar and its
// value fits 32 bits, with that value; otherwise the message naming the text.
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "calc/fault.h"
#include "calc/whole_number.h"
#include "grammar.h"

namespace {

// The value of a text that has the grammar, where it fits 64 bits.
std::optional<std::int64_t> ExpectedValue(std::string_view text)
{
    std::size_t at = text.find_first_not_of(' ');
    bool negative = false;
    if (text[at] == '+' || text[at] == '-')
        negative = text[at++] == '-';
    int base = 10;
    if (text[at] == '$' || text[at] == 'x' || text[at] == 'X') {
        base = 16;
        ++at;
    } else if (text.size() > at + 1 && text[at] == '0' && (text[at + 1] == 'x' || text[at + 1] == 'X')) {
        base = 16;
        at += 2;
    }
    std::int64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data() + at, text.data() + text.size(), magnitude, base);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return negative ? -magnitude : magnitude;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::optional<std::int64_t> expected;
    if (HasWholeNumberGrammar(text))
        expected = ExpectedValue(text);
    const bool fits = expected && *expected >= std::numeric_limits<std::int32_t>::min() &&
                      *expected <= std::numeric_limits<std::int32_t>::max();
    try {
        const std::int32_t value = calc::ParseWholeNumber(text);
        if (!fits || value != *expected)
            std::abort();
    } catch (const calc::Fault& fault) {
        if (fits || fault.Message() != calc::NotAnIntegerValue(text))
            std::abort();
    }
    return 0;
}
