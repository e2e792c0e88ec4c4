// Feeds arbitrary bytes to the state file reader. Whatever it reads must
// survive a save and a second load unchanged, and reading must neither
// crash nor allocate beyond what the file holds.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "tracker/ChangeTracker.h"

namespace {

CChangeTracker& Tracker()
{
    static CChangeTracker* tracker = [] {
        // In memory where possible: every save waits for its file to reach the disk.
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        const std::string dir = base / ("tolvark-fuzz-" + std::to_string(::getpid()));
        static const std::string removeAtExit = dir;
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(removeAtExit, ignored);
        });
        ::setenv("XDG_STATE_HOME", dir.c_str(), 1);
        return new CChangeTracker; // no state file yet: nothing to scan
    }();
    return *tracker;
}

void Load(CChangeTracker& tracker)
{
    tracker.m_strFolder.clear();
    tracker.m_arrUpToDate.clear();
    tracker.LoadState();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CChangeTracker& tracker = Tracker();
    {
        std::ofstream out(GetStateFilePath(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    Load(tracker);
    const std::string folder = tracker.m_strFolder;
    const FileEntryArray entries = tracker.m_arrUpToDate;

    tracker.SaveState();
    Load(tracker);
    if (tracker.m_strFolder != folder || tracker.m_arrUpToDate != entries)
        std::abort();
    return 0;
}
