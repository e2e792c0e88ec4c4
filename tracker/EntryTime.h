#pragma once

#include <cstdint>

// A last-write time in seconds since 1970 UTC as a file entry records it:
// 0 before 1900, -1 when it does not fit a signed 32-bit count.
std::int32_t ToEntryTime(std::int64_t secondsSince1970);
