#pragma once
// The reactive power that raises a load's power factor from an initial to a
// final value.

namespace calc {

struct CorrectionPower {
    double initialTangent;  // tan φ1
    double finalTangent;    // tan φ2
    double reactivePower;   // Q, kvar for P in kW
};

// tan φ = √((P ÷ cos φ)² − P²) ÷ P for the initial factor, then for the final
// one, and Q = (tan φ1 − tan φ2) × P, each stored as a double. A factor of 0
// with P not 0 divides by zero; P = 0, or a factor beyond ±1, is an invalid
// operation.
CorrectionPower ComputeCorrectionPower(double activePower, double initialPowerFactor, double finalPowerFactor);

}  // namespace calc
