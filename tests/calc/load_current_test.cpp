#include "calc/load_current.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/fault.h"
#include "calc/number_display.h"

namespace {

using calc::LineTopology;
constexpr auto Single = LineTopology::SinglePhase;
constexpr auto Three = LineTopology::ThreePhaseWithNeutral;

// Every load current, then Ib, as the window shows them; or the fault's message.
std::string Shown(LineTopology kind, const std::vector<calc::Load>& loads, double Fc, double V)
{
    try {
        const auto result = calc::ComputeLoadCurrent(kind, loads, Fc, V);
        std::string shown;
        for (const double current : result.loadCurrents)
            shown += calc::FormatNumber(current, ',') + " ";
        return shown + "Ib " + calc::FormatNumber(result.designCurrent, ',');
    } catch (const calc::Fault& fault) {
        return fault.Message();
    }
}

TEST(ComputeLoadCurrent, GivesTheDigitsOfTheWorkedExamples)
{
    EXPECT_EQ(Shown(Single, {{3, 0.9}}, 0.7, 230), "14,4927536231884 Ib 14,4927536231884");
    EXPECT_EQ(Shown(Single, {{2, 0.8}, {3, 0.9}}, 0.8, 230), "10,8695652173913 14,4927536231884 Ib 20,2898550724638");
    EXPECT_EQ(Shown(Three, {{10, 0.85}}, 1, 400), "17,0010200612037 Ib 17,0010200612037");
    EXPECT_EQ(Shown(Three, {{10, 0.85}, {5, 0.9}, {7.5, 0.8}}, 0.7, 400),
              "17,0010200612037 8,02825947334618 13,5476878612717 Ib 27,0038771770751");
}

TEST(ComputeLoadCurrent, KeepsIntermediatesExtendedAndAddsTheStoredLoadCurrents)
{
    // Double arithmetic throughout would end in ...849.
    EXPECT_EQ(Shown(Single, {{1, 0.88}}, 1, 240), "4,73484848484848 Ib 4,73484848484848");
    // 1.73 rounded to a double first would end in ...682.
    EXPECT_EQ(Shown(Three, {{15, 0.88}}, 1, 230), "42,8385386917681 Ib 42,8385386917681");
    // Adding the unrounded load currents, or adding in double, would end in ...055.
    EXPECT_EQ(Shown(Single, {{0.5, 0.7}, {0.5, 0.85}}, 0.9, 230), "3,1055900621118 2,55754475703325 Ib 5,09682133723054");
    // The sum passes the double range, but only Ib, after Fc, is stored.
    EXPECT_EQ(Shown(Single, {{1.5e305, 1}, {1.5e305, 1}}, 0.5, 1), "1,5E308 1,5E308 Ib 1,5E308");
}

TEST(ComputeLoadCurrent, AppliesFcFromTwoLoadsUpAndTakesValuesAsTheyCome)
{
    EXPECT_EQ(Shown(Single, {{3, 0.9}}, 0, 230), "14,4927536231884 Ib 14,4927536231884");
    EXPECT_EQ(Shown(Single, {{3, 0.9}, {3, 0.9}}, 1.5, 230), "14,4927536231884 14,4927536231884 Ib 43,4782608695652");
    EXPECT_EQ(Shown(Single, {{2.3, -1}, {-4.6, 1}}, 1, 100), "-23 -46 Ib -69");
    EXPECT_EQ(Shown(LineTopology::ThreePhaseWithoutNeutral, {{10, 0.85}}, 1, 400), "17,0010200612037 Ib 17,0010200612037");
}

TEST(ComputeLoadCurrent, ReportsTheFloatingPointFaults)
{
    EXPECT_EQ(Shown(Single, {{3, 0.9}}, 1, 0), "Floating point division by zero");
    EXPECT_EQ(Shown(Three, {{3, 0.9}, {2, 0}}, 1, 400), "Floating point division by zero");
    EXPECT_EQ(Shown(Single, {{0, 0.9}}, 1, 0), "Invalid floating point operation");
    EXPECT_EQ(Shown(Single, {{0, 0}}, 1, 230), "Invalid floating point operation");
    EXPECT_EQ(Shown(Single, {{1e308, 1}}, 1, 1e-3), "Floating point overflow");
    EXPECT_EQ(Shown(Single, {{1.5e305, 1}, {1.5e305, 1}}, 1, 1), "Floating point overflow");
}

}  // namespace
