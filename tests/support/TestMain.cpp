#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace {

// Removes the run's temporary root when the tests are done.
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

int main(int argc, char** argv)
{
    char pattern[] = "/tmp/tolvark-test-XXXXXX";
    const char* root = ::mkdtemp(pattern);
    if (!root)
        return 2;
    const std::string base(root);
    for (const char* dir : {"home", "config", "state"})
        std::filesystem::create_directories(base + "/" + dir);
    ::setenv("TOLVARK_TEST_ROOT", base.c_str(), 1);
    ::setenv("HOME", (base + "/home").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (base + "/config").c_str(), 1);
    ::setenv("XDG_STATE_HOME", (base + "/state").c_str(), 1);

    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new TemporaryHome(base));
    return RUN_ALL_TESTS();
}
