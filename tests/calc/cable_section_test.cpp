#include "calc/cable_section.h"

#include <gtest/gtest.h>

namespace {

using calc::ChooseCableSection;

void ExpectRow(double designCurrent, double section, double capacity)
{
    const auto row = ChooseCableSection(designCurrent);
    ASSERT_TRUE(row.has_value()) << designCurrent;
    EXPECT_EQ(row->section, section) << designCurrent;
    EXPECT_EQ(row->capacity, capacity) << designCurrent;
}

TEST(ChooseCableSection, TakesTheFirstRowWhoseCapacityIsAtLeastTheCurrent)
{
    ExpectRow(35, 4, 35);
    ExpectRow(35.01, 6, 46);
    ExpectRow(20, 1.5, 20);
    ExpectRow(20.000000000000004, 2.5, 26);
    ExpectRow(0, 1.5, 20);
    ExpectRow(-10, 1.5, 20);
    ExpectRow(100, 25, 112);
    ExpectRow(444, 185, 444);
    ExpectRow(522, 240, 522);
}

TEST(ChooseCableSection, FindsNoRowAboveTheLastCapacity)
{
    EXPECT_FALSE(ChooseCableSection(523).has_value());
    EXPECT_FALSE(ChooseCableSection(522.00000000000006).has_value());
    EXPECT_FALSE(ChooseCableSection(1e300).has_value());
}

}  // namespace
