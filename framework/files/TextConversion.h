#pragma once

#include <string>
#include <string_view>

// UTF-16 little-endian bytes to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf16LeToUtf8(std::string_view bytes);
