#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class CFile;

// The stored bytes end before a field does, or a field cannot be stored.
class CArchiveException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A buffered little-endian reader or writer over an open file, with one
// routine per kind of field. Every read checks the bytes left in the file
// first, so no length or count read from the file can make it allocate
// more than the file holds.
class CArchive {
public:
    enum Mode { load, store };

    CArchive(CFile& file, Mode mode, std::size_t bufferSize = 4096);

    bool IsStoring() const { return m_mode == store; }

    void WriteU8(std::uint8_t value);
    void WriteU16(std::uint16_t value);
    void WriteU32(std::uint32_t value);
    void WriteBytes(const void* data, std::size_t size);
    // A number of items: 2 bytes below 0xFFFF, else FF FF and 4 bytes.
    void WriteCount(std::uint32_t count);
    // A text with its length in front: 1 byte below 0xFF, FF and 2 bytes
    // below 0xFFFE, else FF FF FF and 4 bytes.
    void WriteCountedText(std::string_view text);
    // Hands what is buffered to the file.
    void Flush();

    std::uint8_t ReadU8();
    std::uint16_t ReadU16();
    std::uint32_t ReadU32();
    std::uint32_t ReadCount();
    // Also reads texts stored as UTF-16LE (marked FF FE FF), giving UTF-8.
    std::string ReadCountedText();
    // Exactly size bytes, or CArchiveException when the file holds fewer.
    void ReadBytes(void* out, std::size_t size);
    std::uint64_t BytesLeft() const { return m_bytesLeft; }

private:
    void Require(std::uint64_t size) const;
    std::uint32_t ReadTextLength(bool& wide);

    CFile& m_file;
    Mode m_mode;
    std::vector<char> m_buffer;
    std::size_t m_begin = 0; // next byte to read
    std::size_t m_end = 0;   // end of the buffered bytes
    std::uint64_t m_bytesLeft = 0;
};
