#include "calc/short_circuit.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "calc/fault.h"
#include "calc/number_display.h"

namespace {

using calc::BusbarLineShortCircuit;
using calc::CableLineShortCircuit;
using calc::LineTopology;
using calc::ShortCircuitCurrents;

// The currents as the boxes show them, phase-neutral, phase-phase, three-phase;
// "-" for a current the line does not have.
using Shown = std::array<std::string, 3>;

std::string Text(const std::optional<double>& current)
{
    return current ? calc::FormatNumber(*current, ',') : "-";
}

Shown Show(const ShortCircuitCurrents& currents)
{
    return {Text(currents.IccFN), Text(currents.IccFF), Text(currents.Icc3f)};
}

std::string FaultOf(const std::function<void()>& calculation)
{
    try {
        calculation();
    } catch (const calc::Fault& fault) {
        return fault.Message();
    }
    return "no fault";
}

constexpr auto WithNeutral = LineTopology::ThreePhaseWithNeutral;
constexpr auto WithoutNeutral = LineTopology::ThreePhaseWithoutNeutral;
constexpr auto SinglePhase = LineTopology::SinglePhase;

TEST(CableLineShortCircuit, ThreePhaseWithAFullNeutral)
{
    EXPECT_EQ(Show(CableLineShortCircuit(WithNeutral, 10, 50, 16, 16)),
              (Shown{"1,63701067615658", "2,44770642201835", "2,81345565749235"}));
    EXPECT_EQ(Show(CableLineShortCircuit(WithNeutral, 6, 20, 2.5, 2.5)),
              (Shown{"0,69592931778755", "1,08506254066951", "1,24719832260863"}));
}

TEST(CableLineShortCircuit, ASmallerNeutralLowersOnlyThePhaseNeutralCurrent)
{
    EXPECT_EQ(Show(CableLineShortCircuit(WithNeutral, 10, 50, 16, 10)),
              (Shown{"1,31767401890576", "2,44770642201835", "2,81345565749235"}));
    EXPECT_EQ(Show(CableLineShortCircuit(WithNeutral, 10, 50, 16, 25)),
              (Shown{"1,91554926292996", "2,44770642201835", "2,81345565749235"}));
}

TEST(CableLineShortCircuit, EachTopologyHasItsOwnCurrents)
{
    EXPECT_EQ(Show(CableLineShortCircuit(WithoutNeutral, 6, 20, 2.5, 0)),
              (Shown{"-", "1,08506254066951", "1,24719832260863"}));
    EXPECT_EQ(Show(CableLineShortCircuit(SinglePhase, 6, 20, 2.5, 0)), (Shown{"0,69592931778755", "-", "-"}));
    EXPECT_EQ(Show(CableLineShortCircuit(SinglePhase, 10, 50, 16, 1)), (Shown{"1,63701067615658", "-", "-"}));
    // The impedance per metre stays extended: stored as a double first, the last digit differs.
    EXPECT_EQ(Show(CableLineShortCircuit(WithoutNeutral, 11.1, 79, 6, 0)),
              (Shown{"-", "0,760872990860385", "0,874566656161362"}));
}

TEST(CableLineShortCircuit, AtTheOriginOrWithNoStartCurrent)
{
    EXPECT_EQ(Show(CableLineShortCircuit(WithNeutral, 10, 0, 16, 16)), (Shown{"10", "8,7", "10"}));
    EXPECT_EQ(Show(CableLineShortCircuit(SinglePhase, 10, 0, 16, 0)), (Shown{"10", "-", "-"}));
    EXPECT_EQ(Show(CableLineShortCircuit(WithNeutral, 0, 50, 16, 16)), (Shown{"0", "0", "0"}));
    EXPECT_EQ(Show(CableLineShortCircuit(SinglePhase, 0, 50, 16, 0)), (Shown{"0", "-", "-"}));
}

TEST(CableLineShortCircuit, AZeroSectionThatCountsIsADivisionByZero)
{
    const std::string divisionByZero(calc::messages::DivisionByZero);
    EXPECT_EQ(FaultOf([] { CableLineShortCircuit(WithNeutral, 10, 50, 0, 16); }), divisionByZero);
    EXPECT_EQ(FaultOf([] { CableLineShortCircuit(WithoutNeutral, 10, 50, 0, 16); }), divisionByZero);
    EXPECT_EQ(FaultOf([] { CableLineShortCircuit(SinglePhase, 0, 0, 0, 16); }), divisionByZero);
    EXPECT_EQ(FaultOf([] { CableLineShortCircuit(WithNeutral, 10, 50, 16, 0); }), divisionByZero);
    EXPECT_EQ(FaultOf([] { CableLineShortCircuit(WithoutNeutral, 10, 50, 16, 0); }), "no fault");
    EXPECT_EQ(FaultOf([] { CableLineShortCircuit(SinglePhase, 10, 50, 16, 0); }), "no fault");
}

TEST(CableLineShortCircuit, ACurrentBeyondTheNumberRangeOverflows)
{
    EXPECT_EQ(FaultOf([] { CableLineShortCircuit(WithNeutral, 1.5e308, -7e-308, 1, 1); }),
              std::string(calc::messages::Overflow));
}

TEST(BusbarLineShortCircuit, AboveOneKiloampereTheFactorApplies)
{
    EXPECT_EQ(Show(BusbarLineShortCircuit(25, 30, 1000)),
              (Shown{"14,6168224299065", "17,0541808415398", "19,6025067144136"}));
    // The factor multiplies the extended quotient, not the quotient stored as a double.
    EXPECT_EQ(Show(BusbarLineShortCircuit(18.1, 99, 1000)),
              (Shown{"6,20076959351481", "8,37755965977219", "9,62937891927838"}));
}

TEST(BusbarLineShortCircuit, TheFactorStartsStrictlyAboveOneKiloampere)
{
    EXPECT_EQ(Show(BusbarLineShortCircuit(1, 0, 1000)), (Shown{"1", "0,87", "1"}));
    EXPECT_EQ(Show(BusbarLineShortCircuit(1.0001, 0, 1000)), (Shown{"1,190119", "1,03540353", "1,190119"}));
    EXPECT_EQ(Show(BusbarLineShortCircuit(0.5, 0, 1000)), (Shown{"0,5", "0,435", "0,5"}));
    EXPECT_EQ(Show(BusbarLineShortCircuit(0, 30, 1000)), (Shown{"0", "0", "0"}));
}

TEST(BusbarLineShortCircuit, AZeroCapacityOrAnOverflowStopsTheCalculation)
{
    EXPECT_EQ(FaultOf([] { BusbarLineShortCircuit(25, 30, 0); }), std::string(calc::messages::DivisionByZero));
    EXPECT_EQ(FaultOf([] { BusbarLineShortCircuit(1.7e308, 0, 1000); }), std::string(calc::messages::Overflow));
    EXPECT_EQ(FaultOf([] { BusbarLineShortCircuit(1.5e308, 0, 1000); }), "no fault");
}

}  // namespace
