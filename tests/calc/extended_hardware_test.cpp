// The portable extended type against the x87 unit, bit for bit: every
// operation and conversion on random and adversarial operands. Where long
// double is the x87 extended type each outcome is compared with the hardware's
// (VOLTARIS_DIFFERENTIAL_ROUNDS sets the rounds of each case: the long run
// takes many more); everywhere, the outcomes must sum to the checksum they
// have on x86-64, so every processor and compiler gives the x87 unit's bits.
#include <gtest/gtest.h>

#include <algorithm>
#include <boost/multiprecision/cpp_int.hpp>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "calc/decimal_to_extended.h"
#include "calc/extended.h"
#include "calc/fault.h"
#include "calc/load_current.h"
#include "calc/number_entry.h"

namespace {

using calc::Extended;
using Random = std::mt19937_64;

constexpr bool kHardwareIsExtended = LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384;

std::string Text(Extended x)
{
    char text[48];
    std::snprintf(text, sizeof text, "%s0x%016llxp%d", x.Negative() ? "-" : "",
                  static_cast<unsigned long long>(x.Significand()), x.Exponent());
    return text;
}

// What a user would get: the fault's message, or the value's bits.
std::string Outcome(const std::function<Extended()>& compute)
{
    try {
        return Text(compute());
    } catch (const calc::Fault& fault) {
        return fault.Message();
    }
}

// Operands: ± significand × 2^exponent with the leading bit's exponent drawn
// from a range, the significand whole or with only its top bits set (exact
// results and ties); or squares whose roots lie a hair from a tie.
struct Operands {
    int lowest, highest;
    int topBits;
    bool subnormal = false;
    bool nearlyTiedRoot = false;

    Extended Draw(Random& random) const
    {
        if (nearlyTiedRoot)
            return NearlyTiedSquare(random);
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

    // h² ± c for an odd h of 65 bits and a small c that leaves a multiple of
    // 2^66, so a significand's worth of bits: its root lies within 2^-45 of a
    // last place from h / 2, the tie between two extended values.
    Extended NearlyTiedSquare(Random& random) const
    {
        using boost::multiprecision::uint256_t;
        const bool above = random() & 1;
        const std::uint64_t c = (random() % (1 << 17)) * 8 + (above ? 7 : 1);
        const uint256_t modulus = uint256_t(1) << 66;
        const uint256_t square = above ? modulus - c : uint256_t(c);  // h² modulo 2^66, ≡ 1 modulo 8
        uint256_t h = 1;  // lifted bit by bit to a root of square modulo 2^66
        for (int bit = 3; bit < 66; ++bit)
            if (((h * h - square) & ((uint256_t(1) << (bit + 1)) - 1)) != 0)
                h += uint256_t(1) << (bit - 1);
        h &= (uint256_t(1) << 65) - 1;
        if (h < uint256_t(1) << 64)
            h = (uint256_t(1) << 65) - h;
        const uint256_t x = above ? h * h + c : h * h - c;
        const int half = lowest + static_cast<int>(random() % static_cast<unsigned>(highest - lowest + 1));
        return Extended::FromParts(false, static_cast<std::uint64_t>(x >> 66), 2 * half - 62);
    }
};

struct OperandCase {
    const char* name;
    Operands left, right;
    bool tiedQuotient = false;  // left over right made a hair above a tie
};

// The pair made a quotient a hair above a tie, signs and exponents kept: the
// divisor odd and near all ones; the dividend such that the quotient is
// K × 2^64 + 2^63 with the remainder 2^63 (dividend × 2^65 = divisor × (2K + 1)
// + 1, K even and a whole significand), so only the remainder rounds it up.
void MakeNearlyTiedQuotient(Extended& a, Extended& b)
{
    using boost::multiprecision::uint256_t;
    const uint256_t bits65 = (uint256_t(1) << 65) - 1, top = uint256_t(1) << 63;
    for (std::uint64_t divisor = ~std::uint64_t{0} - 2 * (b.Significand() % (1 << 20));; divisor -= 2) {
        uint256_t inverse = divisor;  // modulo 2^65: right in 3 bits, then doubling them
        for (int step = 0; step < 5; ++step)
            inverse = (inverse * (2 - divisor * inverse)) & bits65;
        const uint256_t odd = (bits65 + 1 - inverse) & bits65, dividend = (divisor * odd + 1) >> 65;
        if (odd >> 1 >= top && !bit_test(odd, 1) && dividend >= top) {
            a = Extended::FromParts(a.Negative(), static_cast<std::uint64_t>(dividend), a.Exponent());
            b = Extended::FromParts(b.Negative(), divisor, b.Exponent());
            return;
        }
    }
}

void PrintTo(const OperandCase& operands, std::ostream* out) { *out << operands.name; }

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
    {"equal magnitudes: exact cancellations", {-1, 1, 2}, {-1, 1, 2}},
    {"squares of nearly tied roots", {-40, 40, 64, false, true}, {-40, 40, 64}},
    {"quotients a hair above a tie", {-40, 40, 64}, {-40, 40, 64}, true},
};

const char* const kOperations[] = {"+", "-", "*", "/", "sqrt", "store", "widen"};

std::vector<std::string> PortableOutcomes(Extended a, Extended b)
{
    return {
        Outcome([&] { return a + b; }),
        Outcome([&] { return a - b; }),
        Outcome([&] { return a * b; }),
        Outcome([&] { return a / b; }),
        Outcome([&] { return calc::Sqrt(a); }),
        Outcome([&] { return Extended(calc::Store(a)); }),
        Outcome([&] { return Extended(calc::Store(b)); }),
    };
}

// FNV-1a over texts, in order: the same on every processor and compiler.
struct Checksum {
    std::uint64_t value = 14695981039346656037u;
    void Add(const std::string& text)
    {
        for (const unsigned char c : text + '\n')
            value = (value ^ c) * 1099511628211u;
    }
};

// Each round's operand pair, drawn the same way on every processor.
void ForEachOperandPair(const OperandCase& operands, long long rounds,
                        const std::function<void(Extended, Extended)>& visit)
{
    Checksum seed;
    seed.Add(operands.name);
    Random random(seed.value);
    for (long long round = 0; round < rounds; ++round) {
        Extended a = operands.left.Draw(random), b = operands.right.Draw(random);
        if (random() & 1)
            std::swap(a, b);
        if (operands.tiedQuotient)
            MakeNearlyTiedQuotient(a, b);
        visit(a, b);
    }
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

// Halfway points at the bottom of the range, thousands of digits long, where
// one more non-zero digit far past them must tip the rounding; then decimal
// texts of 1 to 40 digits with exponents across the whole range and crowded at
// its edges, and halfway points with the 40-digit texts just below and above them.
void ForEachDecimal(long long rounds, const std::function<void(const std::string&, long long)>& visit)
{
    Random random(7);
    const auto randomDigits = [&](std::size_t count) {
        std::string digits;
        for (std::size_t i = 0; i < count; ++i)
            digits += static_cast<char>('0' + random() % 10);
        return digits;
    };
    for (int round = 0; round < 20; ++round) {
        const Extended x = Operands{-16382, -16380, 64}.Draw(random);
        const auto [digits, scale] = HalfwayAbove(x.IsZero() ? Extended(1.0) : x);
        visit(digits, scale);
        visit(digits + std::string(200, '0') + "1", scale - 201);
    }
    for (long long round = 0; round < rounds; ++round) {
        const auto count = static_cast<long long>(1 + random() % 40);
        const long long edge = round % 3 == 0 ? -4950 : 4933;
        const long long exponent = round % 3 == 2 ? static_cast<long long>(random() % 10000) - 5000
                                                  : edge - count + static_cast<long long>(random() % 40) - 20;
        visit(randomDigits(static_cast<std::size_t>(count)), exponent);

        const Extended x = Operands{-300, 300, 64}.Draw(random);
        if (x.IsZero())
            continue;
        const auto [digits, scale] = HalfwayAbove(x);
        visit(digits, scale);
        const long long cut = static_cast<long long>(digits.size()) - 40;
        if (cut <= 0)
            continue;
        const std::string below = digits.substr(0, 40);
        visit(below, scale + cut);
        std::string above = below;
        int i = 39;
        while (i >= 0 && above[i] == '9')
            above[i--] = '0';
        if (i >= 0) {
            ++above[i];
            visit(above, scale + cut);
        }
    }
}

std::string DecimalOutcome(const std::string& digits, long long exponent)
{
    const std::optional<Extended> value = calc::DecimalToExtended(digits, exponent, false);
    return value ? Text(*value) : "beyond the range";
}

TEST(ExtendedEverywhere, GivesTheOutcomesCheckedAgainstTheX87Unit)
{
    // The rounds checked against the hardware on x86-64 by the tests below, with their outcomes' checksum there.
    constexpr long long kRounds = 2000;
    constexpr std::uint64_t kX87Checksum = 5624108494126804404u;
    Checksum checksum;
    for (const OperandCase& operands : kOperandCases)
        ForEachOperandPair(operands, kRounds, [&](Extended a, Extended b) {
            for (const std::string& outcome : PortableOutcomes(a, b))
                checksum.Add(outcome);
        });
    ForEachDecimal(kRounds, [&](const std::string& digits, long long exponent) {
        checksum.Add(DecimalOutcome(digits, exponent));
    });
    EXPECT_EQ(checksum.value, kX87Checksum);
    EXPECT_EQ(Text(*calc::DecimalToExtended("173", -2, false)), Text(calc::ThreePhaseFactor));
}

long long DifferentialRounds()
{
    const char* rounds = std::getenv("VOLTARIS_DIFFERENTIAL_ROUNDS");
    return rounds != nullptr ? std::atoll(rounds) : 12000;
}

// The hardware's value as the portable type holds it.
Extended FromHardware(long double x)
{
    int exponent = 0;
    const long double fraction = std::frexp(std::fabs(x), &exponent);
    auto significand = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    exponent -= 64;
    if (x != 0 && exponent < Extended::MinExponent) {
        significand >>= Extended::MinExponent - exponent;  // exact: below the normal range
        exponent = Extended::MinExponent;
    }
    return Extended::FromParts(std::signbit(x), significand, x == 0 ? 0 : exponent);
}

long double ToHardware(Extended x)
{
    const long double magnitude = std::ldexp(static_cast<long double>(x.Significand()), x.Exponent());
    return x.Negative() ? -magnitude : magnitude;
}

std::string HardwareOutcome(long double value)
{
    if (std::isnan(value))
        return std::string(calc::messages::InvalidOperation);
    if (std::isinf(value))
        return std::string(calc::messages::Overflow);
    return Text(FromHardware(value));
}

std::vector<std::string> HardwareOutcomes(long double x, long double y)
{
    const auto quotient = [&]() -> std::string {
        if (y != 0)
            return HardwareOutcome(x / y);
        return std::string(x == 0 ? calc::messages::InvalidOperation : calc::messages::DivisionByZero);
    };
    return {
        HardwareOutcome(x + y),
        HardwareOutcome(x - y),
        HardwareOutcome(x * y),
        quotient(),
        HardwareOutcome(std::signbit(x) && x != 0 ? NAN : std::sqrt(x)),
        HardwareOutcome(static_cast<double>(x)),
        HardwareOutcome(static_cast<double>(y)),
    };
}

class ExtendedAgainstHardware : public testing::TestWithParam<OperandCase> {};

TEST_P(ExtendedAgainstHardware, EveryOperationRoundsAndFaultsAlike)
{
    if (!kHardwareIsExtended)
        GTEST_SKIP() << "long double is not the x87 extended type here";
    long long differences = 0;
    ForEachOperandPair(GetParam(), DifferentialRounds(), [&](Extended a, Extended b) {
        const std::vector<std::string> portable = PortableOutcomes(a, b);
        const std::vector<std::string> hardware = HardwareOutcomes(ToHardware(a), ToHardware(b));
        for (std::size_t i = 0; i < portable.size(); ++i)
            if (portable[i] != hardware[i] && ++differences <= 5)
                ADD_FAILURE() << Text(a) << ' ' << kOperations[i] << ' ' << Text(b) << ": " << portable[i]
                              << " against " << hardware[i];
    });
    EXPECT_EQ(differences, 0);
}

INSTANTIATE_TEST_SUITE_P(Operands, ExtendedAgainstHardware, testing::ValuesIn(kOperandCases),
                         [](const auto& info) { return std::to_string(info.index); });

// The same value written without an exponent: number entry reads exponents
// below 5000 only.
std::string Positional(const std::string& digits, long long exponent)
{
    if (exponent >= 0)
        return digits + std::string(static_cast<std::size_t>(exponent), '0');
    const auto fraction = static_cast<std::size_t>(-exponent);
    if (fraction < digits.size())
        return digits.substr(0, digits.size() - fraction) + "." + digits.substr(digits.size() - fraction);
    return "0." + std::string(fraction - digits.size(), '0') + digits;
}

// Number entry as the x87 unit gives it: (double)strtold, rounded twice.
std::string HardwareEntryOutcome(long double value)
{
    if (std::isinf(value))
        return "not a number";
    const auto stored = static_cast<double>(value);
    return std::isinf(stored) ? std::string(calc::messages::Overflow) : Text(Extended(stored));
}

std::string EntryOutcome(const std::string& text)
{
    try {
        return Text(Extended(calc::ParseNumber(text, '.')));
    } catch (const calc::Fault& fault) {
        return fault.Message() == calc::NotAFloatingPointValue(text) ? "not a number" : fault.Message();
    }
}

TEST(DecimalToExtended, RoundsLikeTheCLibraryOnTheX87Type)
{
    if (!kHardwareIsExtended)
        GTEST_SKIP() << "long double is not the x87 extended type here";
    long long compared = 0, differences = 0;
    ForEachDecimal(DifferentialRounds(), [&](const std::string& digits, long long exponent) {
        ++compared;
        const long double value = std::strtold((digits + "e" + std::to_string(exponent)).c_str(), nullptr);
        const std::string hardware = std::isinf(value) ? "beyond the range" : Text(FromHardware(value));
        const std::string portable = DecimalOutcome(digits, exponent);
        const std::string hardwareEntry = HardwareEntryOutcome(value);
        const std::string entry = EntryOutcome(Positional(digits, exponent));
        if ((portable != hardware || entry != hardwareEntry) && ++differences <= 5)
            ADD_FAILURE() << digits.substr(0, 60) << "... (" << digits.size() << " digits) e" << exponent << ": "
                          << portable << " against " << hardware << ", entered " << entry << " against "
                          << hardwareEntry;
    });
    EXPECT_EQ(differences, 0) << "of " << compared;
}

}  // namespace
