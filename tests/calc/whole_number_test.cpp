#include "calc/whole_number.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "calc/fault.h"

namespace {

std::string Read(const std::string& text)
{
    try {
        return std::to_string(calc::ParseWholeNumber(text));
    } catch (const calc::Fault& fault) {
        return fault.Message();
    }
}

TEST(ParseWholeNumber, ReadsDecimalAndHexadecimalWithinThe32BitRange)
{
    const std::pair<std::string, std::string> examples[] = {
        {"3", "3"},           {" 3", "3"},        {"+3", "3"},          {"-2", "-2"},
        {"  -0", "0"},        {"007", "7"},       {"$A", "10"},         {"$a", "10"},
        {"x1F", "31"},        {"X1f", "31"},      {"0x10", "16"},       {"0XfF", "255"},
        {" -$B", "-11"},      {"2147483647", "2147483647"},             {"-2147483648", "-2147483648"},
        {"$7FFFFFFF", "2147483647"},              {"-$80000000", "-2147483648"},
    };
    for (const auto& [text, value] : examples)
        EXPECT_EQ(Read(text), value) << '"' << text << '"';
}

TEST(ParseWholeNumber, RejectsEverythingElseWithTheWholeText)
{
    for (const std::string text : {"", " ", "3.0", "3,0", "3 ", "three", "-", "+-3", "- 3", "1e3", "\t3", "$",
                                   "0x", "$G", "$-5", "00x10", "2147483648", "-2147483649", "$80000000",
                                   "99999999999999999999"})
        EXPECT_EQ(Read(text), "'" + text + "' is not a valid integer value");
}

}  // namespace
