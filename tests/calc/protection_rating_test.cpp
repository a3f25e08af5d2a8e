#include "calc/protection_rating.h"

#include <gtest/gtest.h>

#include <string>

#include "calc/cable_section.h"
#include "calc/fault.h"
#include "calc/number_display.h"
#include "calc/number_entry.h"

namespace {

using calc::ChooseProtectionRating;

// The box text as the window reads it, to the rated current as it shows it;
// empty where no row answers.
std::string RatingShownFor(const std::string& text, char separator = ',')
{
    const auto row = ChooseProtectionRating(calc::ParseNumber(text, separator));
    return row ? calc::FormatNumber(row->rating, separator) : std::string();
}

TEST(ChooseProtectionRating, EveryListItemFindsItsRatedCurrent)
{
    const std::pair<const char*, const char*> items[] = {
        {"1,5", "20"},  {"2,5", "25"},  {"4", "32"},    {"6", "40"},    {"10", "63"},
        {"16", "80"},   {"25", "100"},  {"35", "125"},  {"50", "190"},  {"70", "225"},
        {"95", "275"},  {"120", "325"}, {"150", "375"}, {"185", "400"}, {"240", "500"},
    };
    for (const auto& [item, rating] : items)
        EXPECT_EQ(RatingShownFor(item), rating) << item;
}

TEST(ChooseProtectionRating, ReadsTypedVariantsOfASection)
{
    EXPECT_EQ(RatingShownFor("4,0"), "32");
    EXPECT_EQ(RatingShownFor(" 4 "), "32");
    EXPECT_EQ(RatingShownFor("1,50"), "20");
    EXPECT_EQ(RatingShownFor("2,5E0"), "25");
    EXPECT_EQ(RatingShownFor("+240"), "500");
}

TEST(ChooseProtectionRating, FindsNoRowForOtherSections)
{
    EXPECT_EQ(RatingShownFor("8"), "");
    EXPECT_EQ(RatingShownFor("0"), "");
    EXPECT_EQ(RatingShownFor("-16"), "");
    EXPECT_EQ(RatingShownFor("300"), "");
    EXPECT_EQ(RatingShownFor("1,5000000000000002"), "");
    EXPECT_FALSE(ChooseProtectionRating(15.999999999999998).has_value());
}

TEST(ChooseProtectionRating, ItemsWithACommaAreNoNumberWhereThePointSeparates)
{
    try {
        RatingShownFor("1,5", '.');
        FAIL() << "1,5 was read as a number";
    } catch (const calc::Fault& fault) {
        EXPECT_EQ(fault.Message(), "'1,5' is not a valid floating point value");
    }
    EXPECT_THROW(RatingShownFor("2,5", '.'), calc::Fault);
    EXPECT_EQ(RatingShownFor("1.5", '.'), "20");
    EXPECT_EQ(RatingShownFor("240", '.'), "500");
}

TEST(ChooseProtectionRating, NoRatedCurrentExceedsTheCableCapacityOfItsSection)
{
    ASSERT_EQ(calc::ProtectionRatingTable.size(), calc::CableSectionTable.size());
    for (std::size_t i = 0; i < calc::ProtectionRatingTable.size(); ++i) {
        EXPECT_EQ(calc::ProtectionRatingTable[i].section, calc::CableSectionTable[i].section) << i;
        EXPECT_LE(calc::ProtectionRatingTable[i].rating, calc::CableSectionTable[i].capacity) << i;
    }
}

}  // namespace
