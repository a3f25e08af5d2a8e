#include "calc/voltage_drop.h"

#include "calc/extended.h"

namespace calc {

VoltageDrop ComputeVoltageDrop(double coefficient, double supplyVoltage, double designCurrent, double length,
                               double section)
{
    const Extended lengthPerSection = Extended(length) / Extended(section);
    const Extended resistance = lengthPerSection * Extended(coefficient);
    const double volts = Store(resistance * Extended(designCurrent));

    // The percentage starts from the stored drop, not from its extended value.
    const Extended fraction = Extended(volts) / Extended(supplyVoltage);
    const double percent = Store(fraction * Extended(100.0));
    return {volts, percent};
}

}  // namespace calc
