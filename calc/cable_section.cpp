#include "calc/cable_section.h"

namespace calc {

std::optional<CableSectionRow> ChooseCableSection(double designCurrent)
{
    for (const CableSectionRow& row : CableSectionTable)
        if (!(designCurrent > row.capacity))
            return row;
    return std::nullopt;
}

}  // namespace calc
