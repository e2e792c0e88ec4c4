#pragma once

#include <cstdint>
#include <string>

// A byte count in at most four figures: plain below 1000, else in K from
// 1000 on and in M from 1000000 on (units of 1024 and 1048576 bytes).
std::string FormatSize(std::int64_t bytes);
// Two, one or no decimals as the number is below 10, below 100, or more.
std::string FormatNumber(double x);
// done of total as a whole percentage, halves upward; 0 for an empty total.
int Percentage(std::int64_t done, std::int64_t total);
