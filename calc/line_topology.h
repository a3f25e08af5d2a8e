#pragma once
// The kind of line a calculation is made for.

namespace calc {

enum class LineTopology { ThreePhaseWithNeutral, ThreePhaseWithoutNeutral, SinglePhase };

}  // namespace calc
