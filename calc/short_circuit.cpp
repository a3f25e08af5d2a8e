#include "calc/short_circuit.h"

#include "calc/extended.h"

namespace calc {
namespace {

// The reference voltage, V.
constexpr double Reference = 230;
// The phase-phase numerator: 0.87 of the reference voltage.
constexpr double PhasePhaseNumerator = 200.1;

// Impedance per metre of a copper cable of section S, mΩ/m.
Extended CableImpedance(double S)
{
    const Extended perSection = Extended(18.16) / S;
    return perSection + 0.04;
}

// Impedance per metre of a copper busbar line of capacity IZ, mΩ/m.
Extended BusbarImpedance(double IZ)
{
    const Extended perCapacity = Extended(28.75) / IZ;
    return perCapacity + 0.13;
}

// numerator × Icco / (230 + Icco × L × loop), with loop the impedance per metre
// of the fault loop; step by step so the first failing operation names the fault.
Extended FaultCurrent(double numerator, double Icco, double L, Extended loop)
{
    const Extended top = Extended(numerator) * Icco;
    const Extended lineVoltage = Extended(Icco) * L * loop;
    const Extended bottom = Extended(Reference) + lineVoltage;
    return top / bottom;
}

}  // namespace

ShortCircuitCurrents CableLineShortCircuit(LineTopology topology, double Icco, double L, double SF, double SN)
{
    ShortCircuitCurrents currents;
    const Extended phase = CableImpedance(SF);
    if (topology != LineTopology::SinglePhase) {
        currents.Icc3f = Store(FaultCurrent(Reference, Icco, L, phase));
        currents.IccFF = Store(FaultCurrent(PhasePhaseNumerator, Icco, L, phase));
    }
    if (topology == LineTopology::ThreePhaseWithNeutral) {
        // The loop is one phase conductor and the neutral.
        const Extended neutral = CableImpedance(SN);
        currents.IccFN = Store(FaultCurrent(Reference, Icco, L, phase + neutral));
    } else if (topology == LineTopology::SinglePhase) {
        // The loop is two conductors of the phase section.
        currents.IccFN = Store(FaultCurrent(Reference, Icco, L, Extended(2.0) * phase));
    }
    return currents;
}

ShortCircuitCurrents BusbarLineShortCircuit(double Icco, double L, double IZ)
{
    // Above 1 kA at the start every current is raised by this factor.
    const Extended k = Icco > 1 ? Extended(1.19) : Extended(1.0);
    const Extended bar = BusbarImpedance(IZ);
    ShortCircuitCurrents currents;
    currents.Icc3f = Store(k * FaultCurrent(Reference, Icco, L, bar));
    currents.IccFF = Store(k * FaultCurrent(PhasePhaseNumerator, Icco, L, bar));
    currents.IccFN = Store(k * FaultCurrent(Reference, Icco, L, Extended(2.0) * bar));
    return currents;
}

}  // namespace calc
