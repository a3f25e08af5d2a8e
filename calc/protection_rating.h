#pragma once
// The rated current of a line's protective device, by the table of sections
// and rated currents.
#include <array>
#include <optional>

namespace calc {

struct ProtectionRatingRow {
    double section;  // S, mm²
    double rating;   // In, A
};

inline constexpr std::array<ProtectionRatingRow, 15> ProtectionRatingTable{{
    {1.5, 20},  {2.5, 25},  {4, 32},    {6, 40},    {10, 63},
    {16, 80},   {25, 100},  {35, 125},  {50, 190},  {70, 225},
    {95, 275},  {120, 325}, {150, 375}, {185, 400}, {240, 500},
}};

// The row whose section equals the given one exactly; none for any other
// section.
std::optional<ProtectionRatingRow> ChooseProtectionRating(double section);

}  // namespace calc
