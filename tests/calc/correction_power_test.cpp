#include "calc/correction_power.h"

#include <gtest/gtest.h>

#include <string>

#include "calc/fault.h"
#include "calc/number_display.h"

namespace {

using calc::ComputeCorrectionPower;

std::string Shown(double value)
{
    return calc::FormatNumber(value, ',');
}

struct CorrectionCase {
    double activePower, initialFactor, finalFactor;
    const char* reactivePower;
};

class CorrectionPowerShown : public testing::TestWithParam<CorrectionCase> {};

TEST_P(CorrectionPowerShown, InKvar)
{
    const CorrectionCase& c = GetParam();
    EXPECT_EQ(Shown(ComputeCorrectionPower(c.activePower, c.initialFactor, c.finalFactor).reactivePower),
              c.reactivePower);
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, CorrectionPowerShown,
                         testing::Values(CorrectionCase{30, 0.6, 0.8, "17,5"},
                                         CorrectionCase{100, 0.8, 1, "75"},
                                         CorrectionCase{100, 0.7, 0.95, "69,1519956041544"},
                                         // A final factor below the initial one: a negative power.
                                         CorrectionCase{30, 0.8, 0.6, "-17,5"},
                                         // The signs of P and of the factors do not matter.
                                         CorrectionCase{-30, 0.6, 0.8, "17,5"},
                                         CorrectionCase{30, -0.6, 0.8, "17,5"},
                                         CorrectionCase{30, 0.6, -0.8, "17,5"},
                                         CorrectionCase{30, 0.8, 0.8, "0"}));

// Where double intermediates would show another last digit than the extended ones.
INSTANTIATE_TEST_SUITE_P(ExtendedIntermediates, CorrectionPowerShown,
                         testing::Values(CorrectionCase{10, 0.5, 0.55, "2,13569617706144"},
                                         CorrectionCase{10, 0.55, 0.6, "1,851478565294"},
                                         CorrectionCase{10, 0.6, 0.8, "5,83333333333334"},
                                         CorrectionCase{10, 0.7, 0.98, "8,17145400586403"}));

TEST(ComputeCorrectionPower, GivesBothTangents)
{
    const calc::CorrectionPower correction = ComputeCorrectionPower(100, 0.8, 1);
    EXPECT_EQ(Shown(correction.initialTangent), "0,75");
    EXPECT_EQ(correction.finalTangent, 0.0);
    const calc::CorrectionPower other = ComputeCorrectionPower(100, 0.7, 0.95);
    EXPECT_EQ(Shown(other.initialTangent), "1,02020406122041");
    EXPECT_EQ(Shown(other.finalTangent), "0,328684105178863");
}

struct FaultCase {
    double activePower, initialFactor, finalFactor;
    const char* message;
};

class CorrectionPowerFault : public testing::TestWithParam<FaultCase> {};

TEST_P(CorrectionPowerFault, NamesTheFirstFailingOperation)
{
    const FaultCase& c = GetParam();
    try {
        ComputeCorrectionPower(c.activePower, c.initialFactor, c.finalFactor);
        ADD_FAILURE() << "no fault";
    } catch (const calc::Fault& fault) {
        EXPECT_EQ(fault.Message(), c.message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, CorrectionPowerFault,
    testing::Values(FaultCase{30, 0, 0.8, "Floating point division by zero"},
                    FaultCase{30, 0.8, 0, "Floating point division by zero"},
                    FaultCase{0, 0.6, 0.8, "Invalid floating point operation"},
                    FaultCase{0, 0, 0.8, "Invalid floating point operation"},
                    FaultCase{30, 1.2, 0.8, "Invalid floating point operation"},
                    FaultCase{30, -1.2, 0.8, "Invalid floating point operation"},
                    FaultCase{30, 0.8, 1.2, "Invalid floating point operation"},
                    // The initial factor is taken first: its fault is the one shown.
                    FaultCase{30, 1.2, 0, "Invalid floating point operation"},
                    FaultCase{30, 0, 1.2, "Floating point division by zero"}));

}  // namespace
