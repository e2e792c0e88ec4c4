#include "framework/files/File.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void ThrowFileError(const std::string& action, const std::string& path, int error)
{
    throw CFileException(action + " " + path + ": " + std::strerror(error), error);
}

// Unique among the processes and threads that may save at the same time.
std::string MakeTempPath(const std::string& target)
{
    static std::atomic<unsigned> counter{0};
    return target + ".new-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
}

} // namespace

CFileException::CFileException(const std::string& what, int error)
    : std::runtime_error(what), m_nError(error)
{
}

CFile::CFile(int fd, std::string path) : m_fd(fd), m_path(std::move(path)) {}

CFile::CFile(CFile&& other) noexcept : m_fd(other.m_fd), m_path(std::move(other.m_path))
{
    other.m_fd = -1;
}

CFile::~CFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

CFile CFile::OpenForReading(const std::string& path)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        ThrowFileError("cannot open", path, errno);
    return CFile(fd, path);
}

CFile CFile::CreateNew(const std::string& path)
{
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        ThrowFileError("cannot create", path, errno);
    return CFile(fd, path);
}

std::size_t CFile::Read(void* buffer, std::size_t size)
{
    auto* out = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        ssize_t n = ::read(m_fd, out + done, size - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ThrowFileError("cannot read", m_path, errno);
        }
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

void CFile::Write(const void* data, std::size_t size)
{
    const auto* in = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t n = ::write(m_fd, in, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ThrowFileError("cannot write", m_path, errno);
        }
        in += n;
        size -= static_cast<std::size_t>(n);
    }
}

std::uint64_t CFile::GetLength() const
{
    struct stat st {};
    if (::fstat(m_fd, &st) != 0)
        ThrowFileError("cannot query", m_path, errno);
    return static_cast<std::uint64_t>(st.st_size);
}

std::int64_t CFile::GetLastWriteTime() const
{
    struct stat st {};
    if (::fstat(m_fd, &st) != 0)
        ThrowFileError("cannot query", m_path, errno);
    return st.st_mtim.tv_sec;
}

bool GetFileStatus(const std::string& path, std::uint64_t& size, std::int64_t& lastWriteTime)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return false;
    size = static_cast<std::uint64_t>(st.st_size);
    lastWriteTime = st.st_mtim.tv_sec;
    return true;
}

void CFile::Close()
{
    int fd = m_fd;
    m_fd = -1;
    if (fd >= 0 && ::close(fd) != 0)
        ThrowFileError("cannot close", m_path, errno);
}

CReplacementFile::CReplacementFile(const std::string& target)
    : m_target(target), m_tempPath(MakeTempPath(target)), m_file(CFile::CreateNew(m_tempPath))
{
}

CReplacementFile::~CReplacementFile()
{
    if (!m_committed)
        ::unlink(m_tempPath.c_str());
}

// The rename replaces the old file in one step, so that a save cut short
// by a full disk or a killed process leaves it whole. There is no wait for
// the disk: a record that a power cut takes away only sends its files once
// more, and the run records a file after every upload.
void CReplacementFile::Commit()
{
    m_file.Close();
    if (std::rename(m_tempPath.c_str(), m_target.c_str()) != 0)
        ThrowFileError("cannot replace", m_target, errno);
    m_committed = true;
}
