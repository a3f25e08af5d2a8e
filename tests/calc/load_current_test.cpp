#include "calc/load_current.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/fault.h"
#include "calc/number_display.h"

namespace {

using calc::ComputeLoadCurrent;
using calc::Fault;
using calc::Load;
using calc::LineTopology;

std::string Shown(double value)
{
    return calc::FormatNumber(value, ',');
}

struct Example {
    LineTopology kind;
    std::vector<Load> loads;
    double Fc;
    double V;
    std::vector<std::string> loadCurrents;
    std::string designCurrent;
};

void ExpectShown(const Example& example)
{
    const auto result = ComputeLoadCurrent(example.kind, example.loads, example.Fc, example.V);
    ASSERT_EQ(result.loadCurrents.size(), example.loadCurrents.size());
    for (std::size_t k = 0; k < example.loadCurrents.size(); ++k)
        EXPECT_EQ(Shown(result.loadCurrents[k]), example.loadCurrents[k]) << "load " << k + 1;
    EXPECT_EQ(Shown(result.designCurrent), example.designCurrent);
}

std::string FaultMessage(LineTopology kind, const std::vector<Load>& loads, double Fc, double V)
{
    try {
        ComputeLoadCurrent(kind, loads, Fc, V);
    } catch (const Fault& fault) {
        return fault.Message();
    }
    return "no fault";
}

TEST(ComputeLoadCurrent, GivesTheDigitsOfTheWorkedExamples)
{
    ExpectShown({LineTopology::SinglePhase, {{3, 0.9}}, 0.7, 230, {"14,4927536231884"}, "14,4927536231884"});
    ExpectShown({LineTopology::SinglePhase,
                 {{2, 0.8}, {3, 0.9}},
                 0.8,
                 230,
                 {"10,8695652173913", "14,4927536231884"},
                 "20,2898550724638"});
    ExpectShown(
        {LineTopology::ThreePhaseWithNeutral, {{10, 0.85}}, 1, 400, {"17,0010200612037"}, "17,0010200612037"});
    ExpectShown({LineTopology::ThreePhaseWithNeutral,
                 {{10, 0.85}, {5, 0.9}, {7.5, 0.8}},
                 0.7,
                 400,
                 {"17,0010200612037", "8,02825947334618", "13,5476878612717"},
                 "27,0038771770751"});
}

TEST(ComputeLoadCurrent, KeepsIntermediatesInExtendedPrecision)
{
    // Double arithmetic throughout would show ...849 here.
    ExpectShown({LineTopology::SinglePhase, {{1, 0.88}}, 1, 240, {"4,73484848484848"}, "4,73484848484848"});
    // The factor 1.73 rounded to a double first would show ...682.
    ExpectShown(
        {LineTopology::ThreePhaseWithNeutral, {{15, 0.88}}, 1, 230, {"42,8385386917681"}, "42,8385386917681"});
}

TEST(ComputeLoadCurrent, AddsTheStoredLoadCurrents)
{
    // The unrounded load currents, or a sum in double, would show ...055.
    ExpectShown({LineTopology::SinglePhase,
                 {{0.5, 0.7}, {0.5, 0.85}},
                 0.9,
                 230,
                 {"3,1055900621118", "2,55754475703325"},
                 "5,09682133723054"});
}

TEST(ComputeLoadCurrent, AppliesFcOnlyFromTwoLoadsUp)
{
    EXPECT_EQ(Shown(ComputeLoadCurrent(LineTopology::SinglePhase, std::vector<Load>{{3, 0.9}}, 0, 230).designCurrent),
              "14,4927536231884");
    EXPECT_EQ(
        Shown(ComputeLoadCurrent(LineTopology::SinglePhase, std::vector<Load>{{3, 0.9}, {3, 0.9}}, 1.5, 230)
                  .designCurrent),
        "43,4782608695652");
}

TEST(ComputeLoadCurrent, UsesValuesOutsideThePhysicalRangeAsTheyCome)
{
    ExpectShown({LineTopology::SinglePhase, {{-3, 0.9}}, 1, 230, {"-14,4927536231884"}, "-14,4927536231884"});
    ExpectShown({LineTopology::SinglePhase, {{2.3, -1}, {0, 1}}, 1, 100, {"-23", "0"}, "-23"});
}

TEST(ComputeLoadCurrent, BothThreePhaseKindsTakeTheFactor)
{
    ExpectShown(
        {LineTopology::ThreePhaseWithoutNeutral, {{10, 0.85}}, 1, 400, {"17,0010200612037"}, "17,0010200612037"});
}

TEST(ComputeLoadCurrent, ReportsTheFloatingPointFaults)
{
    EXPECT_EQ(FaultMessage(LineTopology::SinglePhase, {{3, 0.9}}, 1, 0), calc::messages::DivisionByZero);
    EXPECT_EQ(FaultMessage(LineTopology::ThreePhaseWithNeutral, {{3, 0.9}, {2, 0}}, 1, 400),
              calc::messages::DivisionByZero);
    EXPECT_EQ(FaultMessage(LineTopology::SinglePhase, {{0, 0.9}}, 1, 0), calc::messages::InvalidOperation);
    EXPECT_EQ(FaultMessage(LineTopology::SinglePhase, {{0, 0}}, 1, 230), calc::messages::InvalidOperation);
    // A load current beyond the double range.
    EXPECT_EQ(FaultMessage(LineTopology::SinglePhase, {{1e308, 1}}, 1, 1e-3), calc::messages::Overflow);
}

TEST(ComputeLoadCurrent, StoresOnlyTheNamedQuantities)
{
    // The sum of these two currents passes the double range, but only Ib, after Fc, is stored.
    const std::vector<Load> loads{{1.5e305, 1}, {1.5e305, 1}};
    EXPECT_EQ(Shown(ComputeLoadCurrent(LineTopology::SinglePhase, loads, 0.5, 1).designCurrent), "1,5E308");
    EXPECT_EQ(FaultMessage(LineTopology::SinglePhase, loads, 1, 1), calc::messages::Overflow);
}

}  // namespace
