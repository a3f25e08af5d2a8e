#include "calc/number_display.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <cstdio>
#include <string>

namespace {

using calc::FormatNumber;

struct Shown {
    double value;
    std::string comma;  // the text with the comma as separator
};

TEST(FormatNumber, WritesTheExampleTableWithEitherSeparator)
{
    const Shown rows[] = {
        {20, "20"},
        {12.5, "12,5"},
        {0.1 + 0.2, "0,3"},
        {2.0 / 3.0, "0,666666666666667"},
        {1.0 / 3.0, "0,333333333333333"},
        {0.0001, "0,0001"},
        {0.00001234, "1,234E-5"},
        {0.000012, "1,2E-5"},
        {1e15 - 1, "999999999999999"},
        {1e15, "1E15"},
        {12345678901234567.0, "1,23456789012346E16"},
        {-0.5, "-0,5"},
        {1.5, "1,5"},
        {240, "240"},
        {-0.0, "0"},
        {0.0, "0"},
        {1e100, "1E100"},
        {-2.5e-300, "-2,5E-300"},
        {std::numeric_limits<double>::max(), "1,79769313486232E308"},
        {std::numeric_limits<double>::denorm_min(), "4,94065645841247E-324"},
    };
    for (const Shown& row : rows) {
        EXPECT_EQ(FormatNumber(row.value, ','), row.comma) << row.comma;
        std::string point = row.comma;
        for (char& c : point)
            if (c == ',')
                c = '.';
        EXPECT_EQ(FormatNumber(row.value, '.'), point) << point;
    }
}

TEST(FormatNumber, RoundsHalvesUpAfterTakingEighteenDigitsUnlikePrintf)
{
    // 1.000000000000145 is stored as 1.00000000000014499512...: 18 digits read
    // it as ...1450 and the half goes up, where one correct rounding goes down.
    const double justBelowHalf = 1.000000000000145;
    char printed[64];
    std::snprintf(printed, sizeof printed, "%.15g", justBelowHalf);
    EXPECT_EQ(std::string(printed), "1.00000000000014");
    EXPECT_EQ(FormatNumber(justBelowHalf, '.'), "1.00000000000015");
    EXPECT_EQ(FormatNumber(1.000000000000695, ','), "1,0000000000007");
}

TEST(FormatNumber, CarriesOutOfTheFirstDigit)
{
    EXPECT_EQ(FormatNumber(9.9999999999999995, ','), "10");
    EXPECT_EQ(FormatNumber(999999999999999.5, ','), "1E15");
    EXPECT_EQ(FormatNumber(0.00099999999999999999, ','), "0,001");
    EXPECT_EQ(FormatNumber(0.000099999999999999995, ','), "0,0001");
}

TEST(FormatNumber, SwitchesNotationAtTheEdgesOfTheFixedRange)
{
    EXPECT_EQ(FormatNumber(0.00012, ','), "0,00012");
    EXPECT_EQ(FormatNumber(0.000099, ','), "9,9E-5");
    EXPECT_EQ(FormatNumber(123456789012345.0, ','), "123456789012345");
    EXPECT_EQ(FormatNumber(1234567890123456.0, ','), "1,23456789012346E15");
    EXPECT_EQ(FormatNumber(100, ','), "100");
    EXPECT_EQ(FormatNumber(-1e15, ','), "-1E15");
}

}  // namespace
