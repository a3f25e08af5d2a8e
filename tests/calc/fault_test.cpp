#include "calc/fault.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/extended.h"

namespace {

using calc::Extended;
using calc::Fault;

std::string FaultOf(void (*operation)())
{
    try {
        operation();
    } catch (const Fault& fault) {
        return fault.Message();
    }
    return "no fault";
}

TEST(WithClosingPeriod, AppendsAPeriodAfterCharactersCodedAboveIt)
{
    EXPECT_EQ(calc::WithClosingPeriod("Floating point overflow"), "Floating point overflow.");
    EXPECT_EQ(calc::WithClosingPeriod("'' is not a valid floating point value"),
              "'' is not a valid floating point value.");
    EXPECT_EQ(calc::WithClosingPeriod("Done."), "Done.");
    EXPECT_EQ(calc::WithClosingPeriod("Why?"), "Why?.") << "'?' is coded above '.'";
    EXPECT_EQ(calc::WithClosingPeriod("Stop!"), "Stop!");
    EXPECT_EQ(calc::WithClosingPeriod("a-"), "a-");
    EXPECT_EQ(calc::WithClosingPeriod(""), "");
}

TEST(Extended, RaisesTheFaultOfTheFailingOperation)
{
    EXPECT_EQ(FaultOf([] { Extended(1) / Extended(0); }), "Floating point division by zero");
    EXPECT_EQ(FaultOf([] { Extended(-1) / Extended(-0.0); }), "Floating point division by zero");
    EXPECT_EQ(FaultOf([] { Extended(0) / Extended(0); }), "Invalid floating point operation");
    EXPECT_EQ(FaultOf([] { calc::Sqrt(Extended(-1)); }), "Invalid floating point operation");
    EXPECT_EQ(FaultOf([] { Extended::FromParts(false, 1, 13000) * Extended::FromParts(false, 1, 13000); }), "Floating point overflow");
    EXPECT_EQ(FaultOf([] { calc::Store(Extended(1e300) * Extended(1e300)); }), "Floating point overflow");
    EXPECT_EQ(FaultOf([] { calc::Store(Extended(1e-300) * Extended(1e-300)); }), "no fault");
}

TEST(Extended, KeepsIntermediatesInExtendedPrecision)
{
    // 1e308 × 10 ÷ 10 overflows a double but not the extended intermediate.
    EXPECT_EQ(calc::Store(Extended(1e308) * Extended(10.0) / Extended(10.0)), 1e308);
    EXPECT_EQ(calc::Store(calc::Sqrt(Extended(2.0))), std::sqrt(2.0));
}

}  // namespace
