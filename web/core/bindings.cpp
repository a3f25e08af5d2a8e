// The calculations for the page: calc/ as the desktop's handlers call it, with
// no window toolkit. A fault comes back as a Fault object of the page's own,
// made here with the text the fault box shows, so that no C++ exception ever
// crosses into JavaScript (web/js/core.js throws it).
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>
#include <vector>

#include "calc/cable_section.h"
#include "calc/correction_power.h"
#include "calc/fault.h"
#include "calc/line_topology.h"
#include "calc/load_current.h"
#include "calc/number_display.h"
#include "calc/number_entry.h"
#include "calc/protection_rating.h"
#include "calc/short_circuit.h"
#include "calc/voltage_drop.h"
#include "calc/whole_number.h"

namespace {

using emscripten::val;

// The calculation's result, or the page's Fault (handed over as Module.Fault)
// carrying the message with its closing period.
template <class Calculation>
val Guarded(Calculation calculation)
{
    std::string shown;
    try {
        return calculation();
    } catch (const calc::Fault& fault) {
        shown = calc::WithClosingPeriod(fault.Message());
    }
    return val::module_property("Fault").new_(shown);
}

// The separator the page reads from the browser's languages: one character.
char Separator(const std::string& separator) { return separator.empty() ? '\0' : separator.front(); }

val Object() { return val::object(); }

val ParseNumber(const std::string& text, const std::string& separator)
{
    return Guarded([&] { return val(calc::ParseNumber(text, Separator(separator))); });
}

std::string FormatNumber(double value, const std::string& separator)
{
    return calc::FormatNumber(value, Separator(separator));
}

val ParseWholeNumber(const std::string& text)
{
    return Guarded([&] { return val(calc::ParseWholeNumber(text)); });
}

val ComputeLoadCurrent(calc::LineTopology kind, const val& powers, const val& powerFactors, double Fc, double V)
{
    return Guarded([&] {
        const auto power = emscripten::convertJSArrayToNumberVector<double>(powers);
        const auto powerFactor = emscripten::convertJSArrayToNumberVector<double>(powerFactors);
        std::vector<calc::Load> loads;
        for (std::size_t i = 0; i < power.size() && i < powerFactor.size(); ++i)
            loads.push_back({power[i], powerFactor[i]});
        const calc::LoadCurrents currents = calc::ComputeLoadCurrent(kind, loads, Fc, V);
        val result = Object();
        result.set("loadCurrents", val::array(currents.loadCurrents));
        result.set("designCurrent", currents.designCurrent);
        return result;
    });
}

template <class Row>
val SectionRow(const Row& row, const char* value, double Row::*member)
{
    val result = Object();
    result.set("section", row.section);
    result.set(value, row.*member);
    return result;
}

val CableRow(const calc::CableSectionRow& row)
{
    return SectionRow(row, "capacity", &calc::CableSectionRow::capacity);
}

val ProtectionRow(const calc::ProtectionRatingRow& row)
{
    return SectionRow(row, "rating", &calc::ProtectionRatingRow::rating);
}

template <class Table, class Convert>
val Rows(const Table& table, Convert convert)
{
    val rows = val::array();
    for (const auto& row : table)
        rows.call<void>("push", convert(row));
    return rows;
}

val ChooseCableSection(double designCurrent)
{
    const auto row = calc::ChooseCableSection(designCurrent);
    return row ? CableRow(*row) : val::null();
}

val CableSectionTable() { return Rows(calc::CableSectionTable, CableRow); }

double DropCoefficient(calc::DropLineKind kind) { return calc::DropCoefficient(kind); }

val ComputeVoltageDrop(double K, double V, double Ib, double L, double S)
{
    return Guarded([&] {
        const calc::VoltageDrop drop = calc::ComputeVoltageDrop(K, V, Ib, L, S);
        val result = Object();
        result.set("volts", drop.volts);
        result.set("percent", drop.percent);
        return result;
    });
}

val ChooseProtectionRating(double section)
{
    const auto row = calc::ChooseProtectionRating(section);
    return row ? ProtectionRow(*row) : val::null();
}

val ProtectionRatingTable() { return Rows(calc::ProtectionRatingTable, ProtectionRow); }

val ComputeCorrectionPower(double P, double cos1, double cos2)
{
    return Guarded([&] {
        const calc::CorrectionPower power = calc::ComputeCorrectionPower(P, cos1, cos2);
        val result = Object();
        result.set("initialTangent", power.initialTangent);
        result.set("finalTangent", power.finalTangent);
        result.set("reactivePower", power.reactivePower);
        return result;
    });
}

// Only the currents the line has become keys.
val Currents(const calc::ShortCircuitCurrents& currents)
{
    val result = Object();
    for (const auto& [name, current] : {std::pair{"IccFN", currents.IccFN}, std::pair{"IccFF", currents.IccFF},
                                        std::pair{"Icc3f", currents.Icc3f}})
        if (current)
            result.set(name, *current);
    return result;
}

val CableLineShortCircuit(calc::LineTopology topology, double Icco, double L, double SF, double SN)
{
    return Guarded([&] { return Currents(calc::CableLineShortCircuit(topology, Icco, L, SF, SN)); });
}

val BusbarLineShortCircuit(double Icco, double L, double IZ)
{
    return Guarded([&] { return Currents(calc::BusbarLineShortCircuit(Icco, L, IZ)); });
}

std::string WithClosingPeriod(const std::string& message) { return calc::WithClosingPeriod(message); }

}  // namespace

EMSCRIPTEN_BINDINGS(voltaris_core)
{
    using namespace emscripten;
    enum_<calc::LineTopology>("LineTopology")
        .value("ThreePhaseWithNeutral", calc::LineTopology::ThreePhaseWithNeutral)
        .value("ThreePhaseWithoutNeutral", calc::LineTopology::ThreePhaseWithoutNeutral)
        .value("SinglePhase", calc::LineTopology::SinglePhase);
    enum_<calc::DropLineKind>("DropLineKind")
        .value("SinglePhase", calc::DropLineKind::SinglePhase)
        .value("ThreePhase", calc::DropLineKind::ThreePhase);
    function("parseNumber", &ParseNumber);
    function("formatNumber", &FormatNumber);
    function("parseWholeNumber", &ParseWholeNumber);
    function("computeLoadCurrent", &ComputeLoadCurrent);
    function("chooseCableSection", &ChooseCableSection);
    function("cableSectionTable", &CableSectionTable);
    function("dropCoefficient", &DropCoefficient);
    function("computeVoltageDrop", &ComputeVoltageDrop);
    function("chooseProtectionRating", &ChooseProtectionRating);
    function("protectionRatingTable", &ProtectionRatingTable);
    function("computeCorrectionPower", &ComputeCorrectionPower);
    function("cableLineShortCircuit", &CableLineShortCircuit);
    function("busbarLineShortCircuit", &BusbarLineShortCircuit);
    function("withClosingPeriod", &WithClosingPeriod);
}
