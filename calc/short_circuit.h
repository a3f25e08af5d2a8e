#pragma once
// The short-circuit currents at a fault point along a copper cable line or a
// copper busbar line, in kA.
#include <optional>

#include "calc/line_topology.h"

namespace calc {

// Each current is there only where the line's topology has it.
struct ShortCircuitCurrents {
    std::optional<double> IccFN;  // phase-neutral
    std::optional<double> IccFF;  // phase-phase
    std::optional<double> Icc3f;  // three-phase
};

// From the start current Icco (kA), the distance L of the fault point from the
// origin (m) and the sections of a phase conductor SF and of the neutral SN
// (mm²; SN counts only on a three-phase line with neutral). Three-phase and
// phase-phase on three-phase lines, phase-neutral where there is a neutral.
ShortCircuitCurrents CableLineShortCircuit(LineTopology topology, double Icco, double L, double SF, double SN);

// From the start current Icco (kA), the distance L (m) and the busbar's
// current-carrying capacity IZ (A): all three currents.
ShortCircuitCurrents BusbarLineShortCircuit(double Icco, double L, double IZ);

}  // namespace calc
