#pragma once
// The voltage drop along a cable line, in volts and in percent of the supply
// voltage, with one fixed coefficient per line kind.

namespace calc {

enum class DropLineKind { SinglePhase, ThreePhase };

// K in ohm × mm² per metre: 0.04 single-phase, 0.0346 three-phase, as written.
constexpr double DropCoefficient(DropLineKind kind)
{
    return kind == DropLineKind::SinglePhase ? 0.04 : 0.0346;
}

struct VoltageDrop {
    double volts;    // ΔV, V
    double percent;  // ΔV%, % of the supply voltage
};

// ΔV = (L ÷ S) × K × Ib, then ΔV% = ΔV ÷ V × 100, each stored as a double;
// a zero section or supply voltage raises the floating-point fault.
VoltageDrop ComputeVoltageDrop(double coefficient, double supplyVoltage, double designCurrent, double length,
                               double section);

}  // namespace calc
