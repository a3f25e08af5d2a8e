// The portable extended type against the x87 unit, bit for bit: every
// operation and conversion on random and adversarial operands. Built where
// long double is the x87 extended type; VOLTARIS_DIFFERENTIAL_ROUNDS sets the
// rounds of each case (the long run takes many more than the default).
#include <cfloat>

#if LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384

#include <gtest/gtest.h>

#include <boost/multiprecision/cpp_int.hpp>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <optional>
#include <algorithm>
#include <random>
#include <string>

#include "calc/decimal_to_extended.h"
#include "calc/extended.h"
#include "calc/fault.h"
#include "calc/load_current.h"

namespace {

using calc::Extended;
using Random = std::mt19937_64;

long long Rounds()
{
    const char* rounds = std::getenv("VOLTARIS_DIFFERENTIAL_ROUNDS");
    return rounds != nullptr ? std::atoll(rounds) : 12000;
}

long double Hardware(Extended x)
{
    const long double magnitude = std::ldexp(static_cast<long double>(x.Significand()), x.Exponent());
    return x.Negative() ? -magnitude : magnitude;
}

// What a user would get: the fault's message, or the value's bits.
std::string Outcome(const std::function<long double()>& compute)
{
    try {
        const long double value = compute();
        char text[64];
        std::snprintf(text, sizeof text, "%La", value);
        return text;
    } catch (const calc::Fault& fault) {
        return fault.Message();
    }
}

std::string HardwareOutcome(long double value)
{
    if (std::isnan(value))
        return std::string(calc::messages::InvalidOperation);
    if (std::isinf(value))
        return std::string(calc::messages::Overflow);
    return Outcome([&] { return value; });
}

// Operands: ± significand × 2^exponent with the exponent drawn from a range,
// the significand whole or with only its top bits set (exact results and ties).
struct Operands {
    int lowest, highest;  // exponent range of the value's leading bit
    int topBits;          // significant bits; 64 for all
    bool subnormal = false;

    Extended Draw(Random& random) const
    {
        const bool negative = random() & 1;
        if (random() % 64 == 0)
            return Extended::FromParts(negative, 0, 0);
        std::uint64_t significand = random() | std::uint64_t{1} << 63;
        significand &= ~std::uint64_t{0} << (64 - topBits);
        if (subnormal)
            return Extended::FromParts(negative, significand >> (1 + random() % 63), Extended::MinExponent);
        const int lead = lowest + static_cast<int>(random() % static_cast<unsigned>(highest - lowest + 1));
        // Below the normal range only the bits above the smallest value's place exist.
        const int lost = std::min(Extended::MinExponent - (lead - 63), 64);
        if (lost > 0)
            return Extended::FromParts(negative, lost < 64 ? significand >> lost : 0, Extended::MinExponent);
        return Extended::FromParts(negative, significand, lead - 63);
    }
};

struct OperandCase {
    const char* name;
    Operands left, right;
};

const OperandCase kOperandCases[] = {
    {"ordinary", {-40, 40, 64}, {-40, 40, 64}},
    {"whole range", {-16382, 16383, 64}, {-16382, 16383, 64}},
    {"short significands: exact results and ties", {-8, 8, 33}, {-8, 8, 32}},
    {"half a last place apart: ties in sums", {0, 0, 2}, {-66, -62, 3}},
    {"far apart", {0, 0, 64}, {-200, -60, 64}},
    {"near overflow", {8180, 8192, 64}, {8180, 8192, 64}},
    {"at the top of the range", {16380, 16383, 64}, {-2, 2, 64}},
    {"near underflow", {-8230, -8180, 64}, {-8230, -8180, 64}},
    {"at the bottom of the range", {-16390, -16370, 64}, {-3, 3, 64}},
    {"below the normal range", {0, 0, 64, true}, {-70, 70, 64}},
    {"among the doubles' edges", {-1080, -1070, 64}, {1015, 1030, 12}},
};

void PrintTo(const OperandCase& operands, std::ostream* out) { *out << operands.name; }

class ExtendedAgainstHardware : public testing::TestWithParam<OperandCase> {};

TEST_P(ExtendedAgainstHardware, EveryOperationRoundsAndFaultsAlike)
{
    const OperandCase& operands = GetParam();
    Random random(std::hash<std::string>{}(operands.name));
    long long differences = 0;
    for (long long round = 0; round < Rounds(); ++round) {
        Extended a = operands.left.Draw(random), b = operands.right.Draw(random);
        if (random() & 1)
            std::swap(a, b);
        const long double x = Hardware(a), y = Hardware(b);
        const struct {
            const char* operation;
            std::string portable, hardware;
        } results[] = {
            {"+", Outcome([&] { return Hardware(a + b); }), HardwareOutcome(x + y)},
            {"-", Outcome([&] { return Hardware(a - b); }), HardwareOutcome(x - y)},
            {"*", Outcome([&] { return Hardware(a * b); }), HardwareOutcome(x * y)},
            {"/", Outcome([&] { return Hardware(a / b); }),
             y != 0 ? HardwareOutcome(x / y)
                    : std::string(x == 0 ? calc::messages::InvalidOperation : calc::messages::DivisionByZero)},
            {"sqrt", Outcome([&] { return Hardware(calc::Sqrt(a)); }),
             HardwareOutcome(std::signbit(x) && x != 0 ? NAN : std::sqrt(x))},
            {"store", Outcome([&] { return static_cast<long double>(calc::Store(a)); }),
             HardwareOutcome(static_cast<double>(x))},
            {"widen", Outcome([&] { return Hardware(Extended(static_cast<double>(x))); }),
             std::isinf(static_cast<double>(x)) ? std::string(calc::messages::Overflow)
                                                : HardwareOutcome(static_cast<double>(x))},
        };
        for (const auto& result : results) {
            if (result.portable != result.hardware && ++differences <= 5)
                ADD_FAILURE() << Outcome([&] { return x; }) << ' ' << result.operation << ' '
                              << Outcome([&] { return y; }) << ": " << result.portable << " against "
                              << result.hardware;
        }
    }
    EXPECT_EQ(differences, 0);
}

INSTANTIATE_TEST_SUITE_P(Operands, ExtendedAgainstHardware, testing::ValuesIn(kOperandCases),
                         [](const auto& info) { return std::to_string(info.index); });

// Decimal texts to extended against the C library's correctly rounded strtold.
std::string DecimalOutcome(const std::string& digits, long long exponent)
{
    const std::optional<Extended> portable = calc::DecimalToExtended(digits, exponent, false);
    return portable ? Outcome([&] { return Hardware(*portable); }) : "beyond the range";
}

std::string HardwareDecimalOutcome(const std::string& digits, long long exponent)
{
    const std::string text = digits + "e" + std::to_string(exponent);
    const long double value = std::strtold(text.c_str(), nullptr);
    return std::isinf(value) ? "beyond the range" : Outcome([&] { return value; });
}

// The exact decimal digits and exponent of the point halfway above x.
std::pair<std::string, long long> HalfwayAbove(Extended x)
{
    using boost::multiprecision::cpp_int;
    const cpp_int odd = cpp_int(x.Significand()) * 2 + 1;
    const int exponent = x.Exponent() - 1;
    if (exponent >= 0)
        return {cpp_int(odd << exponent).str(), 0};
    return {cpp_int(odd * boost::multiprecision::pow(cpp_int(5), -exponent)).str(), exponent};
}

TEST(DecimalToExtended, RoundsLikeTheHardwareAcrossTheWholeRangeAndOnHalfwayPoints)
{
    Random random(7);
    long long compared = 0, differences = 0;
    const auto compare = [&](const std::string& digits, long long exponent) {
        ++compared;
        const std::string portable = DecimalOutcome(digits, exponent);
        const std::string hardware = HardwareDecimalOutcome(digits, exponent);
        if (portable != hardware && ++differences <= 5)
            ADD_FAILURE() << digits.substr(0, 60) << "... (" << digits.size() << " digits) e" << exponent << ": "
                          << portable << " against " << hardware;
    };
    const auto randomDigits = [&](std::size_t count) {
        std::string digits;
        for (std::size_t i = 0; i < count; ++i)
            digits += static_cast<char>('0' + random() % 10);
        return digits;
    };
    for (long long round = 0; round < Rounds(); ++round) {
        const std::size_t count = 1 + random() % 40;
        // Exponents across the whole range, and crowded at its two edges.
        const long long edge = round % 3 == 0 ? -4950 : 4933;
        const long long exponent = round % 3 == 2 ? static_cast<long long>(random() % 10000) - 5000
                                                  : edge - static_cast<long long>(count) + random() % 40 - 20;
        compare(randomDigits(count), exponent);

        // Halfway points, and the 40-digit texts just below and above them.
        const Extended x = Operands{-300, 300, 64}.Draw(random);
        if (x.IsZero())
            continue;
        auto [digits, scale] = HalfwayAbove(x);
        compare(digits, scale);
        const long long cut = static_cast<long long>(digits.size()) - 40;
        if (cut > 0) {
            std::string below = digits.substr(0, 40);
            compare(below, scale + cut);
            std::string above = below;
            int i = 39;
            while (i >= 0 && above[i] == '9')
                above[i--] = '0';
            if (i >= 0) {
                ++above[i];
                compare(above, scale + cut);
            }
        }
    }
    // Halfway points at the bottom of the range take thousands of digits; one
    // more non-zero digit far past them must tip the rounding.
    for (int round = 0; round < 20; ++round) {
        const Extended x = Operands{-16382, -16380, 64}.Draw(random);
        auto [digits, scale] = HalfwayAbove(x.IsZero() ? Extended(1.0) : x);
        compare(digits, scale);
        compare(digits + std::string(200, '0') + "1", scale - 201);
    }
    EXPECT_EQ(differences, 0) << "of " << compared;
}

TEST(DecimalToExtended, GivesTheThreePhaseFactorItsNearestValue)
{
    const Extended factor = *calc::DecimalToExtended("173", -2, false);
    EXPECT_EQ(Hardware(factor), 1.73L);
    EXPECT_EQ(Hardware(calc::ThreePhaseFactor), 1.73L);
}

}  // namespace

#endif
