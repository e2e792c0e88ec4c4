#include "framework/files/TextConversion.h"

#include <cstdint>

namespace {

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

std::string Utf16LeToUtf8(std::string_view bytes)
{
    constexpr char32_t replacement = 0xFFFD;
    std::string out;
    out.reserve(bytes.size());
    const std::size_t units = bytes.size() / 2;
    auto unitAt = [&](std::size_t i) {
        return static_cast<char16_t>(static_cast<std::uint8_t>(bytes[2 * i])
                                     | static_cast<std::uint8_t>(bytes[2 * i + 1]) << 8);
    };
    for (std::size_t i = 0; i < units; ++i) {
        char16_t u = unitAt(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units) {
            char16_t low = unitAt(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((char32_t(u) - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        AppendUtf8(out, (u >= 0xD800 && u <= 0xDFFF) ? replacement : char32_t(u));
    }
    return out;
}
