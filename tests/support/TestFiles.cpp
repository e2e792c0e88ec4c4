#include "tests/support/TestFiles.h"

#include <atomic>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

std::string MakeTempFolder()
{
    static std::atomic<int> counter{0};
    const char* root = std::getenv("TOLVARK_TEST_ROOT");
    std::string dir = std::string(root ? root : "/tmp") + "/t" + std::to_string(counter++);
    std::filesystem::create_directories(dir);
    return dir;
}

void WriteFile(const std::string& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void SetFileTime(const std::string& path, std::int64_t seconds)
{
    const timespec times[2] = {{static_cast<time_t>(seconds), 0}, {static_cast<time_t>(seconds), 0}};
    if (::utimensat(AT_FDCWD, path.c_str(), times, 0) != 0)
        throw std::runtime_error("cannot set the time of " + path);
}

void MakeSparseFile(const std::string& path, std::uint64_t size)
{
    WriteFile(path, "");
    if (::truncate(path.c_str(), static_cast<off_t>(size)) != 0)
        throw std::runtime_error("cannot size " + path);
}

std::string RandomBytes(std::size_t size, unsigned seed)
{
    std::mt19937 generator(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(generator());
    return bytes;
}

void UseFreshStateFolder()
{
    ::setenv("XDG_STATE_HOME", MakeTempFolder().c_str(), 1);
}
