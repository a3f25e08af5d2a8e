#include "calc/load_current.h"

#include "calc/extended.h"

namespace calc {
namespace {

double LoadCurrent(LineTopology kind, const Load& load, double V)
{
    Extended denominator = Extended(V) * Extended(load.powerFactor);
    // Both three-phase kinds draw the same line current; only the single-phase line lacks the factor.
    if (kind != LineTopology::SinglePhase)
        denominator = denominator * ThreePhaseFactor;
    const Extended numerator = Extended(load.power) * Extended(1000.0);  // kW to W
    return Store(numerator / denominator);
}

}  // namespace

LoadCurrents ComputeLoadCurrent(LineTopology kind, std::span<const Load> loads, double Fc, double V)
{
    LoadCurrents result;
    result.loadCurrents.reserve(loads.size());
    for (const Load& load : loads)
        result.loadCurrents.push_back(LoadCurrent(kind, load, V));

    if (result.loadCurrents.size() == 1) {
        result.designCurrent = result.loadCurrents.front();
        return result;
    }
    Extended sum = 0.0;
    for (const double current : result.loadCurrents)
        sum = sum + Extended(current);
    result.designCurrent = Store(sum * Extended(Fc));
    return result;
}

}  // namespace calc
