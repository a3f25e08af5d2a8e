#pragma once
// A double's bits and back, as std::bit_cast does where the standard library has it.
#include <cstdint>
#include <cstring>

namespace calc {

inline std::uint64_t BitsOfDouble(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

inline double DoubleFromBits(std::uint64_t bits)
{
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

}  // namespace calc
