// Number entry: whatever the text, a number with the grammar, the conversion
// message naming the text, or the overflow fault; never anything else.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "calc/fault.h"
#include "calc/number_entry.h"
#include "grammar.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const char separator = data[0] & 1 ? ',' : '.';
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    try {
        const double value = calc::ParseNumber(text, separator);
        if (!std::isfinite(value) || !HasNumberGrammar(text, separator))
            std::abort();
    } catch (const calc::Fault& fault) {
        const std::string message = fault.Message();
        if (message == calc::messages::Overflow) {
            if (!HasNumberGrammar(text, separator))
                std::abort();
        } else if (message != calc::NotAFloatingPointValue(text)) {
            std::abort();
        }
    }
    return 0;
}
