#include "framework/files/Archive.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "framework/files/File.h"
#include "framework/files/TextConversion.h"

CArchive::CArchive(CFile& file, Mode mode, std::size_t bufferSize)
    : m_file(file), m_mode(mode), m_buffer(bufferSize)
{
    if (mode == load)
        m_bytesLeft = file.GetLength();
}

void CArchive::WriteBytes(const void* data, std::size_t size)
{
    const auto* in = static_cast<const char*>(data);
    while (size > 0) {
        if (m_end == m_buffer.size())
            Flush();
        std::size_t n = std::min(size, m_buffer.size() - m_end);
        std::memcpy(m_buffer.data() + m_end, in, n);
        m_end += n;
        in += n;
        size -= n;
    }
}

void CArchive::WriteU8(std::uint8_t value) { WriteBytes(&value, 1); }

void CArchive::WriteU16(std::uint16_t value)
{
    const std::uint8_t bytes[2] = {std::uint8_t(value), std::uint8_t(value >> 8)};
    WriteBytes(bytes, sizeof bytes);
}

void CArchive::WriteU32(std::uint32_t value)
{
    const std::uint8_t bytes[4] = {std::uint8_t(value), std::uint8_t(value >> 8),
                                   std::uint8_t(value >> 16), std::uint8_t(value >> 24)};
    WriteBytes(bytes, sizeof bytes);
}

void CArchive::WriteCount(std::uint32_t count)
{
    if (count < 0xFFFF) {
        WriteU16(static_cast<std::uint16_t>(count));
    } else {
        WriteU16(0xFFFF);
        WriteU32(count);
    }
}

void CArchive::WriteCountedText(std::string_view text)
{
    if (text.size() > std::numeric_limits<std::uint32_t>::max())
        throw CArchiveException("text too long to store");
    const auto length = static_cast<std::uint32_t>(text.size());
    if (length < 0xFF) {
        WriteU8(static_cast<std::uint8_t>(length));
    } else if (length < 0xFFFE) {
        WriteU8(0xFF);
        WriteU16(static_cast<std::uint16_t>(length));
    } else {
        WriteU8(0xFF);
        WriteU16(0xFFFF);
        WriteU32(length);
    }
    WriteBytes(text.data(), text.size());
}

void CArchive::Flush()
{
    m_file.Write(m_buffer.data(), m_end);
    m_end = 0;
}

void CArchive::Require(std::uint64_t size) const
{
    if (size > m_bytesLeft)
        throw CArchiveException("stored data ends early");
}

void CArchive::ReadBytes(void* out, std::size_t size)
{
    Require(size);
    auto* dest = static_cast<char*>(out);
    while (size > 0) {
        if (m_begin == m_end) {
            m_begin = 0;
            m_end = m_file.Read(m_buffer.data(), m_buffer.size());
            if (m_end == 0)
                throw CArchiveException("file shrank while being read");
        }
        std::size_t n = std::min(size, m_end - m_begin);
        std::memcpy(dest, m_buffer.data() + m_begin, n);
        m_begin += n;
        m_bytesLeft -= n;
        dest += n;
        size -= n;
    }
}

std::uint8_t CArchive::ReadU8()
{
    std::uint8_t b;
    ReadBytes(&b, 1);
    return b;
}

std::uint16_t CArchive::ReadU16()
{
    std::uint8_t b[2];
    ReadBytes(b, sizeof b);
    return static_cast<std::uint16_t>(b[0] | b[1] << 8);
}

std::uint32_t CArchive::ReadU32()
{
    std::uint8_t b[4];
    ReadBytes(b, sizeof b);
    return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16
         | std::uint32_t(b[3]) << 24;
}

std::uint32_t CArchive::ReadCount()
{
    std::uint16_t w = ReadU16();
    return w == 0xFFFF ? ReadU32() : w;
}

// After FF, the 2-byte value FE FF marks a text of 16-bit characters whose
// length follows in the same form; within it FE FF is a plain length.
std::uint32_t CArchive::ReadTextLength(bool& wide)
{
    wide = false;
    std::uint8_t b = ReadU8();
    if (b < 0xFF)
        return b;
    std::uint16_t w = ReadU16();
    if (w == 0xFFFE) {
        wide = true;
        b = ReadU8();
        if (b < 0xFF)
            return b;
        w = ReadU16();
    }
    return w == 0xFFFF ? ReadU32() : w;
}

std::string CArchive::ReadCountedText()
{
    bool wide = false;
    const std::uint64_t length = ReadTextLength(wide);
    const std::uint64_t bytes = wide ? 2 * length : length;
    Require(bytes);
    std::string text(static_cast<std::size_t>(bytes), '\0');
    ReadBytes(text.data(), text.size());
    return wide ? Utf16LeToUtf8(text) : text;
}
