// Times a scan of a large folder against a large state, beside a bare
// listing of the same folder, and the acceptance of a whole folder.
//   build/bench/tracker_bench [files]   (default 100000)
#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "tracker/ChangeTracker.h"

namespace {

double Seconds(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Best(int runs, const std::function<void()>& work)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i)
        best = std::min(best, Seconds(work));
    return best;
}

// What any scan has to do at least: read the folder and stat each entry.
std::size_t BareListing(const std::string& folder)
{
    std::size_t files = 0;
    DIR* dir = ::opendir(folder.c_str());
    while (const dirent* entry = ::readdir(dir)) {
        struct stat st {};
        if (::fstatat(::dirfd(dir), entry->d_name, &st, 0) == 0 && S_ISREG(st.st_mode))
            ++files;
    }
    ::closedir(dir);
    return files;
}

void MakeFolder(const std::string& folder, int files)
{
    std::filesystem::create_directories(folder);
    for (int i = 0; i < files; ++i) {
        const std::string path = folder + "/page-" + std::to_string(i) + ".htm";
        int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0 || ::write(fd, path.data(), static_cast<std::size_t>(i % 200)) < 0) {
            std::perror(path.c_str());
            std::exit(1);
        }
        ::close(fd);
    }
}

} // namespace

int main(int argc, char** argv)
{
    const int files = argc > 1 ? std::atoi(argv[1]) : 100000;
    char pattern[] = "/tmp/tolvark-bench-XXXXXX";
    const std::string root = ::mkdtemp(pattern);
    ::setenv("XDG_STATE_HOME", (root + "/state").c_str(), 1);
    const std::string folder = root + "/site";
    std::printf("Making %d files in %s ...\n", files, folder.c_str());
    MakeFolder(folder, files);

    std::size_t listed = 0;
    {
        CChangeTracker tracker;
        tracker.SetFolderAndRescan(folder);
        const double mark = Seconds([&] { tracker.MarkAllUpToDate(); });
        std::printf("MarkAllUpToDate, %zu new files: %.3f s\n", tracker.m_arrToSend.size(), mark);

        const int runs = 5;
        BareListing(folder); // warm the caches for both
        const double bare = Best(runs, [&] { listed = BareListing(folder); });
        const double rescan = Best(runs, [&] { tracker.Rescan(); });
        std::printf("Bare readdir and stat, %zu files: %.4f s (best of %d)\n", listed, bare, runs);
        std::printf("Rescan against %zu entries: %.4f s (best of %d), %zu to send\n",
                    tracker.m_arrUpToDate.size(), rescan, runs, tracker.m_arrToSend.size());
        std::printf("Ratio Rescan / bare listing: %.2f (target at most 1.5)\n", rescan / bare);
    }

    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    std::printf("Peak memory: %.1f MiB\n", static_cast<double>(usage.ru_maxrss) / 1024.0);
    std::filesystem::remove_all(root);
    return 0;
}
