#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <stdexcept>

#include "tests/net/FtpTestSupport.h"
#include "tests/support/TestFiles.h"

namespace {

class FtpStoreTest : public FtpTest {
protected:
    FtpServer m_server;
};

TEST_F(FtpStoreTest, FilesOfEverySizeArriveWholeOverOneLogin)
{
    // Around the chunk size and around the sizes in which writes are
    // gathered and handed on.
    const std::size_t sizes[] = {0, 1, 255, 256, 257, 1 << 20, (1 << 20) + 1, (3 << 20) + 100};
    auto connection = Connect(m_server);
    for (std::size_t size : sizes)
        Store(*connection, "file" + std::to_string(size), RandomBytes(size, static_cast<unsigned>(size)));
    connection->Close();

    for (std::size_t size : sizes) {
        const std::string stored = ReadFile(m_server.Root() + "/file" + std::to_string(size));
        EXPECT_TRUE(stored == RandomBytes(size, static_cast<unsigned>(size))) << "size " << size;
    }
    EXPECT_EQ(m_server.Connections(), 1);
    EXPECT_EQ(m_server.Logins(), 1);
}

TEST_F(FtpStoreTest, StoresActiveBinaryUnderTheBareNameWithoutChangingDirectory)
{
    auto connection = Connect(m_server);
    Store(*connection, "index.htm", "<html>");
    Store(*connection, "logo.gif", "GIF89a");

    int users = 0;
    std::vector<std::string> stores;
    for (const std::string& command : m_server.Commands()) {
        const std::string verb = command.substr(0, command.find(' '));
        EXPECT_TRUE(verb != "CWD" && verb != "CDUP" && verb != "PASV" && verb != "EPSV" && verb != "MKD" &&
                    verb != "APPE" && verb != "REST")
            << command;
        EXPECT_NE(command, "TYPE A");
        users += verb == "USER";
        if (verb == "STOR")
            stores.push_back(command);
    }
    EXPECT_EQ(users, 1);
    EXPECT_EQ(stores, (std::vector<std::string>{"STOR index.htm", "STOR logo.gif"}));
    const auto commands = m_server.Commands();
    EXPECT_NE(std::find(commands.begin(), commands.end(), "TYPE I"), commands.end());
    EXPECT_TRUE(std::any_of(commands.begin(), commands.end(), [](const std::string& c) {
        return c.rfind("EPRT ", 0) == 0 || c.rfind("PORT ", 0) == 0;
    }));
}

TEST_F(FtpStoreTest, ReplacesAFileOfTheSameName)
{
    WriteFile(m_server.Root() + "/page.htm", std::string(5000, 'x'));
    auto connection = Connect(m_server);
    Store(*connection, "page.htm", "new");
    EXPECT_EQ(ReadFile(m_server.Root() + "/page.htm"), "new");
}

TEST_F(FtpStoreTest, NamesReachTheServerByteForByte)
{
    const std::string names[] = {
        "with space.htm",
        " leading and trailing ",
        "100%.htm",
        "%41%2F.htm",
        "a;type=a",
        "page.htm;type=d",
        "hash#anchor.htm",
        "what?q=1&r=2.htm",
        "plus+equals=.htm",
        "back\\slash",
        "quotes\"'`.htm",
        "..two.dots..",
        "~tilde",
        "caf\xc3\xa9 \xe2\x82\xac.htm",
        "latin1 \xe9\xff.htm",
        "del\x7f.htm",
    };
    auto connection = Connect(m_server);
    for (const std::string& name : names)
        Store(*connection, name, "content of " + name);

    std::vector<std::string> stores;
    for (const std::string& command : m_server.Commands())
        if (command.rfind("STOR ", 0) == 0)
            stores.push_back(command.substr(5));
    EXPECT_EQ(stores, std::vector<std::string>(std::begin(names), std::end(names)));
    for (const std::string& name : names) {
        ASSERT_TRUE(std::filesystem::exists(m_server.Root() + "/" + name)) << name;
        EXPECT_EQ(ReadFile(m_server.Root() + "/" + name), "content of " + name);
    }
}

TEST_F(FtpStoreTest, NamesThatFtpCannotCarryAreRefusedBeforeAnythingIsSent)
{
    const std::string names[] = {
        "",
        ".",
        "..",
        "dir/page.htm",
        "/page.htm",
        "page.htm\r\nDELE index.htm",
        "line\nfeed",
        "carriage\r",
        std::string("nul\0.htm", 8),
        "tab\t.htm",
        "\x1b[0m",
    };
    auto connection = Connect(m_server);
    const std::size_t commandsBefore = m_server.Commands().size();
    for (const std::string& name : names)
        EXPECT_EQ(ErrorCodeOf([&] { connection->OpenFile(name); }), ERROR_INTERNET_INVALID_URL) << name;
    EXPECT_EQ(m_server.Commands().size(), commandsBefore);

    // The connection serves on.
    Store(*connection, "after.htm", "fine");
    EXPECT_EQ(ReadFile(m_server.Root() + "/after.htm"), "fine");
    EXPECT_EQ(m_server.Logins(), 1);
}

TEST_F(FtpStoreTest, AFileNotClosedKeepsWhatWasWritten)
{
    // Both sizes end with bytes that were still gathered, not yet sent.
    const std::size_t sizes[] = {1000, (3 << 20) / 2 + 10};
    auto connection = Connect(m_server);
    for (std::size_t size : sizes) {
        const std::string name = "partial" + std::to_string(size);
        auto file = connection->OpenFile(name);
        WriteInChunks(*file, RandomBytes(size));
        EXPECT_NO_THROW(file.reset());
        EXPECT_TRUE(ReadFile(m_server.Root() + "/" + name) == RandomBytes(size)) << size;
    }
    auto opened = connection->OpenFile("opened.htm");
    opened.reset();
    EXPECT_EQ(ReadFile(m_server.Root() + "/opened.htm"), "");

    // The connection serves on.
    Store(*connection, "after.htm", "fine");
    EXPECT_EQ(ReadFile(m_server.Root() + "/after.htm"), "fine");
    EXPECT_EQ(m_server.Logins(), 1);
}

TEST_F(FtpStoreTest, OpenFileReturnsWithTheFileCreatedOnTheServer)
{
    auto connection = Connect(m_server);
    auto file = connection->OpenFile("new.htm");
    EXPECT_TRUE(std::filesystem::exists(m_server.Root() + "/new.htm"));
    file->Close();
}

TEST_F(FtpStoreTest, AClosedFileTakesNoMoreBytes)
{
    auto connection = Connect(m_server);
    auto file = connection->OpenFile("done.htm");
    file->Write("abc", 3);
    file->Close();
    EXPECT_NO_THROW(file->Close());
    EXPECT_THROW(file->Write("d", 1), std::logic_error);
    EXPECT_EQ(ReadFile(m_server.Root() + "/done.htm"), "abc");
}

} // namespace
