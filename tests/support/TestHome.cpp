#include "tests/support/TestHome.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace {

class TemporaryHome : public ::testing::Environment {
public:
    explicit TemporaryHome(std::string root) : m_root(std::move(root)) {}
    void TearDown() override
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_root, ignored);
    }

private:
    std::string m_root;
};

} // namespace

void UseTemporaryHome()
{
    char pattern[] = "/tmp/tolvark-test-XXXXXX";
    const char* root = ::mkdtemp(pattern);
    if (!root)
        std::abort();
    const std::string base(root);
    for (const char* dir : {"home", "config", "state", "runtime"})
        std::filesystem::create_directories(base + "/" + dir);
    std::filesystem::permissions(base + "/runtime", std::filesystem::perms::owner_all);
    ::setenv("TOLVARK_TEST_ROOT", base.c_str(), 1);
    ::setenv("HOME", (base + "/home").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (base + "/config").c_str(), 1);
    ::setenv("XDG_STATE_HOME", (base + "/state").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", (base + "/runtime").c_str(), 1);
    ::testing::AddGlobalTestEnvironment(new TemporaryHome(base));
}
