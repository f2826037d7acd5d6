#include "mobs/MobPositions.h"

namespace tarnholt {

int32_t mobPositionAreaNumber(int32_t index)
{
    // An index outside the table (a damaged document) writes 0, as the reader's table has no entry for it.
    static constexpr int32_t kNumbers[] = {8, 6, 5, 4};
    if (index < 0 || index > 3)
        return 0;
    return kNumbers[index];
}

int32_t mobPositionFromAreaNumber(int32_t number)
{
    switch (number) {
    case 4:
        return 3;
    case 5:
        return 2;
    case 6:
        return 1;
    default:
        return 0;
    }
}

} // namespace tarnholt
