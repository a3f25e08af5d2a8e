#include "calc/protection_rating.h"

namespace calc {

std::optional<ProtectionRatingRow> ChooseProtectionRating(double section)
{
    for (const ProtectionRatingRow& row : ProtectionRatingTable)
        if (row.section == section)
            return row;
    return std::nullopt;
}

}  // namespace calc
