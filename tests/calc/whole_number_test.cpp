#include "calc/whole_number.h"

#include <gtest/gtest.h>

#include <string>

#include "calc/fault.h"

namespace {

using calc::ParseWholeNumber;

std::string FaultMessage(const std::string& text)
{
    try {
        ParseWholeNumber(text);
    } catch (const calc::Fault& fault) {
        return fault.Message();
    }
    return "no fault";
}

TEST(ParseWholeNumber, ReadsDecimalNumbers)
{
    EXPECT_EQ(ParseWholeNumber("3"), 3);
    EXPECT_EQ(ParseWholeNumber(" 3"), 3);
    EXPECT_EQ(ParseWholeNumber("   10"), 10);
    EXPECT_EQ(ParseWholeNumber("+3"), 3);
    EXPECT_EQ(ParseWholeNumber("-2"), -2);
    EXPECT_EQ(ParseWholeNumber(" -0"), 0);
    EXPECT_EQ(ParseWholeNumber("007"), 7);
    EXPECT_EQ(ParseWholeNumber("2147483647"), 2147483647);
    EXPECT_EQ(ParseWholeNumber("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ParseWholeNumber("0000000000002147483647"), 2147483647);
}

TEST(ParseWholeNumber, ReadsHexadecimalAfterItsMarks)
{
    EXPECT_EQ(ParseWholeNumber("$A"), 10);
    EXPECT_EQ(ParseWholeNumber("$a"), 10);
    EXPECT_EQ(ParseWholeNumber("x1F"), 31);
    EXPECT_EQ(ParseWholeNumber("X1f"), 31);
    EXPECT_EQ(ParseWholeNumber("0x10"), 16);
    EXPECT_EQ(ParseWholeNumber("0XfF"), 255);
    EXPECT_EQ(ParseWholeNumber(" -$B"), -11);
    EXPECT_EQ(ParseWholeNumber("+0x0"), 0);
    EXPECT_EQ(ParseWholeNumber("$7FFFFFFF"), 2147483647);
    EXPECT_EQ(ParseWholeNumber("-$80000000"), -2147483647 - 1);
}

class NotAWholeNumber : public testing::TestWithParam<std::string> {};

TEST_P(NotAWholeNumber, RaisesTheIntegerMessageWithTheWholeText)
{
    EXPECT_EQ(FaultMessage(GetParam()), "'" + GetParam() + "' is not a valid integer value");
}

INSTANTIATE_TEST_SUITE_P(Texts, NotAWholeNumber,
                         testing::Values("", " ", "3.0", "3,0", "3 ", "three", "-", "+", "+-3", "- 3", "3-",
                                         "1e3", "\t3", "$", "0x", "x", "$G", "0x1G", "$-5", "00x10", "1 000",
                                         "2147483648", "-2147483649", "$80000000", "-$80000001",
                                         "99999999999999999999"));

}  // namespace
