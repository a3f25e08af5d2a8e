#include "calc/number_entry.h"

#include <gtest/gtest.h>

#include <string>

#include "calc/fault.h"

namespace {

using calc::Fault;
using calc::ParseNumber;

// Swaps comma and point, so each comma example also runs with the point.
std::string Mirrored(std::string text)
{
    for (char& c : text)
        c = c == ',' ? '.' : c == '.' ? ',' : c;
    return text;
}

std::string FaultMessage(const std::string& text, char separator)
{
    try {
        ParseNumber(text, separator);
    } catch (const Fault& fault) {
        return fault.Message();
    }
    return "no fault";
}

struct Accepted {
    std::string text;
    double value;
};

TEST(ParseNumber, ReadsTheNumbersOfTheExampleTableWithEitherSeparator)
{
    const Accepted rows[] = {
        {"12,5", 12.5}, {" 7 ", 7}, {"-0,5", -0.5}, {"1,5E3", 1500}, {"2e-3", 0.002},
        {"5E", 5},      {",", 0},   {"+3", 3},      {"7,", 7},       {",25", 0.25},
        {"1e+2", 100},  {"0,1", 0.1},
    };
    for (const Accepted& row : rows) {
        EXPECT_EQ(ParseNumber(row.text, ','), row.value) << row.text;
        EXPECT_EQ(ParseNumber(Mirrored(row.text), '.'), row.value) << Mirrored(row.text);
    }
}

TEST(ParseNumber, RejectsTextsThatAreNotNumbersNamingTheWholeText)
{
    const std::string rows[] = {"",     "   ",  "-",     "12.5",   "1.000", "1 000", "12,5 V",
                                "0x10", "1E5000", "+-1", "1,,2",  "E5",    "1e5 5", "\t1"};
    for (const std::string& text : rows) {
        EXPECT_EQ(FaultMessage(text, ','), "'" + text + "' is not a valid floating point value") << text;
        const std::string mirrored = Mirrored(text);
        EXPECT_EQ(FaultMessage(mirrored, '.'), "'" + mirrored + "' is not a valid floating point value")
            << mirrored;
    }
}

TEST(ParseNumber, TakesExponentDigitsOnlyWhileTheExponentIsBelow500)
{
    EXPECT_EQ(ParseNumber("1E0000000000005", ','), 1e5);
    EXPECT_EQ(ParseNumber("1E-0000000000005", ','), 1e-5);
    EXPECT_EQ(FaultMessage("1E500", ','), "Floating point overflow");
    EXPECT_EQ(FaultMessage("1E5001", ','), "'1E5001' is not a valid floating point value");
    EXPECT_EQ(FaultMessage("1E4995", ','), "'1E4995' is not a valid floating point value");
    EXPECT_EQ(FaultMessage("1E-5000", ','), "'1E-5000' is not a valid floating point value");
    EXPECT_EQ(ParseNumber("1E-4999", ','), 0);
}

TEST(ParseNumber, LimitsTheValueToTheExtendedAndThenTheDoubleRange)
{
    EXPECT_EQ(FaultMessage("1E400", ','), "Floating point overflow");
    EXPECT_EQ(FaultMessage("-1E400", ','), "Floating point overflow");
    EXPECT_EQ(FaultMessage("1E4999", ','), "'1E4999' is not a valid floating point value");
    EXPECT_EQ(FaultMessage("1E5000", ','), "'1E5000' is not a valid floating point value");
    EXPECT_EQ(ParseNumber("1E-400", ','), 0);
    EXPECT_EQ(ParseNumber("1E-499", ','), 0);
    EXPECT_EQ(ParseNumber("1,7976931348623157E308", ','), 1.7976931348623157e308);
    EXPECT_EQ(ParseNumber("0,000001E-4990", ','), 0);
}

TEST(ParseNumber, RoundsThroughTheNearestExtendedValue)
{
    // Halfway between two doubles once rounded to 64 bits, but just above it as
    // an exact decimal: the double rounding of the entry path goes to even.
    EXPECT_EQ(ParseNumber("9007199254740993,00000000001", ','), 9007199254740992.0);
    EXPECT_EQ(ParseNumber("0,1", ','), 0.1);
    EXPECT_EQ(ParseNumber("1E22", ','), 1e22);
}

TEST(ParseNumber, KeepsLongDigitRunsExact)
{
    const std::string zeros(5000, '0');
    EXPECT_EQ(ParseNumber(zeros + "12,5" + zeros, ','), 12.5);
    EXPECT_EQ(ParseNumber("0," + zeros + "1E499", ','), 0);
    EXPECT_EQ(ParseNumber("-" + zeros + ",", ','), 0);
}

}  // namespace

namespace {

TEST(ParseNumber, NamesATextHoldingNulCharactersWhole)
{
    const std::string text("1\0002", 3);
    EXPECT_EQ(FaultMessage(text, ','), "'" + text + "' is not a valid floating point value");
}

}  // namespace
