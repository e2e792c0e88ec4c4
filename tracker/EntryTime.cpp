#include "tracker/EntryTime.h"

#include <limits>

std::int32_t ToEntryTime(std::int64_t secondsSince1970)
{
    constexpr std::int64_t start1900 = -2208988800; // 1900-01-01 00:00:00 UTC
    if (secondsSince1970 < start1900)
        return 0;
    if (secondsSince1970 < std::numeric_limits<std::int32_t>::min()
        || secondsSince1970 > std::numeric_limits<std::int32_t>::max())
        return -1;
    return static_cast<std::int32_t>(secondsSince1970);
}
