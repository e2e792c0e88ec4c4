#include "upload/ProgressFormat.h"

#include <cstdio>

std::string FormatNumber(double x)
{
    char text[64];
    const char* format = x < 10 ? "%1.2f" : x < 100 ? "%2.1f" : "%3.0f";
    std::snprintf(text, sizeof text, format, x);
    return text;
}

std::string FormatSize(std::int64_t bytes)
{
    if (bytes < 1000)
        return std::to_string(bytes);
    if (bytes <= 999999)
        return FormatNumber(static_cast<double>(bytes) / 1024) + "K";
    return FormatNumber(static_cast<double>(bytes) / 1048576) + "M";
}

int Percentage(std::int64_t done, std::int64_t total)
{
    if (total <= 0)
        return 0;
    return static_cast<int>(static_cast<double>(done) / static_cast<double>(total) * 100 + 0.5);
}
