#pragma once
// The design current of a line that feeds one to ten loads.
#include <span>
#include <vector>

#include "calc/extended.h"
#include "calc/line_topology.h"

namespace calc {

// 1.73 as written, not the square root of three: the displayed currents depend
// on it. The extended value nearest 1.73.
inline constexpr Extended ThreePhaseFactor = Extended::FromParts(false, 0xDD70A3D70A3D70A4, -63);

inline constexpr int MaxLoads = 10;

struct Load {
    double power;        // P, kW
    double powerFactor;  // cos(fi)
};

struct LoadCurrents {
    std::vector<double> loadCurrents;  // I1 ... In, A
    double designCurrent = 0;          // Ib, A
};

// Each load's current from its power and power factor at the line voltage V;
// Ib is the one load's current, or the sum of the stored load currents times
// the contemporaneity factor Fc from two loads up. A zero voltage or power
// factor raises the division fault, a result beyond the double range the
// overflow fault.
LoadCurrents ComputeLoadCurrent(LineTopology kind, std::span<const Load> loads, double Fc, double V);

}  // namespace calc
