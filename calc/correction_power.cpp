#include "calc/correction_power.h"

#include "calc/extended.h"

namespace calc {
namespace {

// The tangent of the phase angle, from the reactive power at that factor.
double PhaseTangent(double activePower, double powerFactor)
{
    const Extended power(activePower);
    const Extended apparentPower = power / Extended(powerFactor);
    const Extended apparentSquared = apparentPower * apparentPower;
    const Extended activeSquared = power * power;
    const Extended reactivePower = Sqrt(apparentSquared - activeSquared);
    return Store(reactivePower / power);
}

}  // namespace

CorrectionPower ComputeCorrectionPower(double activePower, double initialPowerFactor, double finalPowerFactor)
{
    const double initialTangent = PhaseTangent(activePower, initialPowerFactor);
    const double finalTangent = PhaseTangent(activePower, finalPowerFactor);
    const Extended tangentDifference = Extended(initialTangent) - Extended(finalTangent);
    const double reactivePower = Store(tangentDifference * Extended(activePower));
    return {initialTangent, finalTangent, reactivePower};
}

}  // namespace calc
