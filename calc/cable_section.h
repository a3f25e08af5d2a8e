#pragma once
// The cable section for a design current, by the table of sections and
// current-carrying capacities.
#include <array>
#include <optional>

namespace calc {

struct CableSectionRow {
    double section;   // S, mm²
    double capacity;  // Iz, A
};

inline constexpr std::array<CableSectionRow, 15> CableSectionTable{{
    {1.5, 20},  {2.5, 26},  {4, 35},    {6, 46},    {10, 63},
    {16, 85},   {25, 112},  {35, 138},  {50, 190},  {70, 242},
    {95, 293},  {120, 339}, {150, 390}, {185, 444}, {240, 522},
}};

// The first row, in ascending order, whose capacity is at least the design
// current; none above the last row's 522 A.
std::optional<CableSectionRow> ChooseCableSection(double designCurrent);

}  // namespace calc
