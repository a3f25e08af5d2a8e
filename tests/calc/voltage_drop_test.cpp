#include "calc/voltage_drop.h"

#include <gtest/gtest.h>

#include <string>

#include "calc/fault.h"
#include "calc/number_display.h"

namespace {

using calc::ComputeVoltageDrop;
using calc::DropCoefficient;
using calc::DropLineKind;

std::string Shown(double value)
{
    return calc::FormatNumber(value, ',');
}

struct DropCase {
    DropLineKind kind;
    double supplyVoltage, designCurrent, length, section;
    const char* volts;
    const char* percent;
};

class VoltageDropShown : public testing::TestWithParam<DropCase> {};

TEST_P(VoltageDropShown, InVoltsAndPercent)
{
    const DropCase& c = GetParam();
    const calc::VoltageDrop drop =
        ComputeVoltageDrop(DropCoefficient(c.kind), c.supplyVoltage, c.designCurrent, c.length, c.section);
    EXPECT_EQ(Shown(drop.volts), c.volts);
    EXPECT_EQ(Shown(drop.percent), c.percent);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, VoltageDropShown,
    testing::Values(DropCase{DropLineKind::SinglePhase, 230, 16, 25, 2.5, "6,4", "2,78260869565217"},
                    DropCase{DropLineKind::ThreePhase, 400, 50, 100, 25, "6,92", "1,73"},
                    DropCase{DropLineKind::SinglePhase, 230, 10, 50, 2.5, "8", "3,47826086956522"},
                    // A drop of more than 10 % is a number like any other.
                    DropCase{DropLineKind::SinglePhase, 230, 40, 100, 1.5, "106,666666666667", "46,3768115942029"},
                    // Negative inputs are computed as they come.
                    DropCase{DropLineKind::ThreePhase, 400, -50, 100, 25, "-6,92", "-1,73"},
                    DropCase{DropLineKind::SinglePhase, -230, 16, 25, 2.5, "6,4", "-2,78260869565217"},
                    DropCase{DropLineKind::SinglePhase, 230, 0, 25, 2.5, "0", "0"}));

// Where double intermediates, or a percentage taken from the drop before it is
// stored, would show another last digit.
INSTANTIATE_TEST_SUITE_P(
    ExtendedIntermediates, VoltageDropShown,
    testing::Values(DropCase{DropLineKind::SinglePhase, 230, 6, 10, 1.5, "1,6", "0,695652173913044"},
                    DropCase{DropLineKind::SinglePhase, 230, 1, 145, 1.5, "3,86666666666667", "1,68115942028985"},
                    DropCase{DropLineKind::SinglePhase, 230, 6, 75, 4, "4,5", "1,95652173913043"},
                    DropCase{DropLineKind::SinglePhase, 230, 20, 100, 1.5, "53,3333333333333", "23,1884057971014"}));

TEST(DropCoefficient, IsTheFixedValueOfTheLineKind)
{
    EXPECT_EQ(DropCoefficient(DropLineKind::SinglePhase), 0.04);
    EXPECT_EQ(DropCoefficient(DropLineKind::ThreePhase), 0.0346);
}

void ExpectFault(double supplyVoltage, double length, double section, const std::string& message)
{
    try {
        ComputeVoltageDrop(0.04, supplyVoltage, 16, length, section);
        ADD_FAILURE() << "no fault for V=" << supplyVoltage << " L=" << length << " S=" << section;
    } catch (const calc::Fault& fault) {
        EXPECT_EQ(fault.Message(), message);
    }
}

TEST(ComputeVoltageDrop, ASectionOfZeroIsAFault)
{
    ExpectFault(230, 25, 0, "Floating point division by zero");
    ExpectFault(230, 0, 0, "Invalid floating point operation");
    // The section's division comes first, whatever the voltage.
    ExpectFault(0, 0, 0, "Invalid floating point operation");
}

TEST(ComputeVoltageDrop, ASupplyVoltageOfZeroIsAFault)
{
    ExpectFault(0, 25, 2.5, "Floating point division by zero");
    ExpectFault(0, 0, 2.5, "Invalid floating point operation");
}

TEST(ComputeVoltageDrop, ADropBeyondTheDoubleRangeOverflows)
{
    ExpectFault(230, 1e300, 1e-300, "Floating point overflow");
}

}  // namespace
