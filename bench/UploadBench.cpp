// Times the upload run against curl and lftp, on one FTP server on
// loopback (pyftpdlib, started here):
//   - one 256 MiB file through CUploadTask against `curl -T` of the same file;
//   - 2,000 files of 1 to 16 KiB through CUploadTask against lftp's
//     `mirror -R`, both in active mode.
// Needs curl and lftp on the PATH.
#include <sys/resource.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <mutex>
#include <random>
#include <string>

#include "tests/support/FtpServer.h"
#include "tests/support/TestFiles.h"
#include "upload/UploadTask.h"

namespace {

// A window that shows nothing and only waits for the run's end.
class SilentOwner : public IUploadOwner {
public:
    UploadLogin login;
    std::atomic<long long> reports{0};

    UploadLogin GetLogin() const override { return login; }
    void SetStatusText(const std::string& text) override { last = text; }
    void ShowProgress(std::int64_t, std::int64_t, std::int64_t, std::int64_t) override { ++reports; }
    void ShowMessage(const std::string& text) override { std::fprintf(stderr, "message: %s\n", text.c_str()); }
    void OnUploadFinished() override
    {
        std::lock_guard lock(mutex);
        finished = true;
        done.notify_all();
    }
    void Wait()
    {
        std::unique_lock lock(mutex);
        done.wait(lock, [&] { return finished; });
        finished = false;
    }
    std::string last;

private:
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
};

double Now()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double TimeUpload(const std::string& folder, const FtpServer& server)
{
    SilentOwner owner;
    owner.login = {server.HostField(), server.User(), server.Password()};
    CUploadTask task(&owner);
    task.m_tracker.SetFolderAndRescan(folder);
    const double start = Now();
    task.Start();
    owner.Wait();
    task.WaitUntilIdle();
    const double seconds = Now() - start;
    if (owner.last != "Done")
        std::fprintf(stderr, "the run ended with: %s\n", owner.last.c_str());
    task.m_tracker.m_strFolder.clear(); // keeps the benchmark's state out of the way
    return seconds;
}

double TimeCommand(const std::string& command)
{
    const double start = Now();
    if (std::system(command.c_str()) != 0)
        std::fprintf(stderr, "failed: %s\n", command.c_str());
    return Now() - start;
}

// The best of a few runs: the machine's noise only ever adds time.
double Best(const std::function<double()>& run)
{
    double best = run();
    for (int i = 1; i < 3; ++i)
        best = std::min(best, run());
    return best;
}

void WriteRandom(const std::string& path, std::size_t size, std::mt19937& random)
{
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    WriteFile(path, bytes);
}

} // namespace

int main()
{
    char pattern[] = "/tmp/tolvark-upload-bench-XXXXXX";
    const std::string root = ::mkdtemp(pattern);
    ::setenv("TOLVARK_TEST_ROOT", root.c_str(), 1);
    ::setenv("XDG_STATE_HOME", (root + "/state").c_str(), 1);
    std::mt19937 random(7);
    FtpServer server;
    const std::string userPass = server.User() + ":" + server.Password();
    const std::string url = "ftp://127.0.0.1:" + std::to_string(server.Port());
    std::printf("Server: pyftpdlib on %s\n", server.HostField().c_str());

    const std::string big = root + "/big";
    std::filesystem::create_directories(big);
    const std::size_t bigSize = 256u << 20;
    WriteRandom(big + "/big.bin", bigSize, random);
    const double ours = Best([&] { return TimeUpload(big, server); });
    const double curl = Best([&] {
        return TimeCommand("curl -s --ftp-port - -T " + big + "/big.bin --user '" + userPass + "' " + url + "/curl.bin");
    });
    const double mib = static_cast<double>(bigSize) / (1 << 20);
    std::printf("Best of 3 runs each.\n256 MiB file: Tolvark %.2f s (%.0f MiB/s), curl -T %.2f s (%.0f MiB/s): %.2f of curl's throughput "
                "(target at least 0.8)\n",
                ours, mib / ours, curl, mib / curl, curl / ours);
    std::filesystem::remove_all(big);
    std::filesystem::remove(server.Root() + "/big.bin");
    std::filesystem::remove(server.Root() + "/curl.bin");

    const std::string many = root + "/many";
    std::filesystem::create_directories(many);
    for (int i = 0; i < 2000; ++i)
        WriteRandom(many + "/page" + std::to_string(i) + ".htm", 1024 + random() % (15 * 1024), random);
    const double oursMany = Best([&] { return TimeUpload(many, server); });
    const double lftp = Best([&] {
        std::filesystem::remove_all(server.Root() + "/lftp-copy");
        return TimeCommand("lftp -u '" + server.User() + "," + server.Password() +
                           "' -e 'set ftp:passive-mode off; set net:max-retries 1; mirror -R --no-perms " + many +
                           " lftp-copy; quit' 127.0.0.1:" + std::to_string(server.Port()) + " >/dev/null");
    });
    std::printf("2000 files of 1 to 16 KiB: Tolvark %.2f s, lftp mirror -R %.2f s: %.2f of lftp's time "
                "(target at most 1)\n",
                oursMany, lftp, oursMany / lftp);

    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    std::printf("Peak memory of the benchmark: %.1f MiB\n", static_cast<double>(usage.ru_maxrss) / 1024.0);
    std::filesystem::remove_all(root);
    return 0;
}
