#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

// A failed open, read, write or close of a file; carries the system's errno.
class CFileException : public std::runtime_error {
public:
    CFileException(const std::string& what, int error);
    int m_nError;
};

// An open file, closed when the object goes away.
class CFile {
public:
    static CFile OpenForReading(const std::string& path);
    // Creates a file that must not exist yet, for writing only.
    static CFile CreateNew(const std::string& path);

    CFile(CFile&& other) noexcept;
    CFile& operator=(CFile&&) = delete;
    CFile(const CFile&) = delete;
    ~CFile();

    // Reads up to size bytes; fewer only at the end of the file.
    std::size_t Read(void* buffer, std::size_t size);
    // Writes every byte or throws.
    void Write(const void* data, std::size_t size);
    std::uint64_t GetLength() const;
    // Seconds since 1970 UTC.
    std::int64_t GetLastWriteTime() const;
    // Closes now, reporting a failed close, which can be the first sign of
    // a full disk.
    void Close();

private:
    CFile(int fd, std::string path);
    int m_fd;
    std::string m_path;
};

// The size and last-write time of a file, by its path; false when there is
// no such file.
bool GetFileStatus(const std::string& path, std::uint64_t& size, std::int64_t& lastWriteTime);

// Writes a file in place of another without ever leaving it half written:
// the bytes go to a new file beside the target, and Commit renames it over
// the target. Without Commit the target stays as it was.
class CReplacementFile {
public:
    explicit CReplacementFile(const std::string& target);
    ~CReplacementFile();
    CReplacementFile(const CReplacementFile&) = delete;
    CReplacementFile& operator=(const CReplacementFile&) = delete;

    CFile& File() { return m_file; }
    void Commit();

private:
    std::string m_target;
    std::string m_tempPath;
    CFile m_file;
    bool m_committed = false;
};
