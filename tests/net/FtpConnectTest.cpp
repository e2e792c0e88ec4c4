#include <gtest/gtest.h>

#include "tests/net/FtpTestSupport.h"
#include "tests/support/TestFiles.h"

namespace {

class FtpConnectTest : public FtpTest {};

TEST_F(FtpConnectTest, HostFieldMayCarryThePort)
{
    const struct {
        std::string address;
        std::string host; // the Host field without ":port"
    } cases[] = {
        {"127.0.0.1", "127.0.0.1"},
        {"127.0.0.1", "localhost"},
        {"::1", "[::1]"},
    };
    for (const auto& c : cases) {
        FtpServer server({.address = c.address});
        const std::string field = c.host + ":" + std::to_string(server.Port());
        auto connection = m_session.GetFtpConnection(field, server.User(), server.Password());
        Store(*connection, "index.htm", field);
        EXPECT_EQ(ReadFile(server.Root() + "/index.htm"), field);
    }
}

TEST_F(FtpConnectTest, AnInvalidHostFieldMakesNoConnection)
{
    FtpServer server;
    const std::string hostAndPort = server.HostField();
    const std::string fields[] = {
        "",
        hostAndPort + "/",
        hostAndPort + "/dir",
        "user@" + hostAndPort,
        hostAndPort + "?x",
        hostAndPort + "#x",
        " " + hostAndPort,
        hostAndPort + "\r\n",
        "ftp://" + hostAndPort,
    };
    for (const std::string& field : fields)
        EXPECT_EQ(ErrorCodeOf([&] { m_session.GetFtpConnection(field, server.User(), server.Password()); }),
                  ERROR_INTERNET_INVALID_URL)
            << field;
    EXPECT_EQ(server.Connections(), 0);
}

TEST_F(FtpConnectTest, ALoginWithALineBreakNeverReachesTheServer)
{
    FtpServer server;
    const struct {
        std::string user, password;
    } cases[] = {
        {server.User(), server.Password() + "\r\nDELE index.htm"},
        {server.User() + "\nPASS x", server.Password()},
        {server.User(), std::string("pa\0ss", 5)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ErrorCodeOf([&] { m_session.GetFtpConnection(server.HostField(), c.user, c.password); }),
                  ERROR_INTERNET_INVALID_URL);
    EXPECT_EQ(server.Connections(), 0);
}

TEST_F(FtpConnectTest, RefusedCredentialsAreALoginFailure)
{
    FtpServer server;
    const struct {
        std::string user, password;
    } cases[] = {
        {server.User(), "wrong"},
        {server.User(), ""},
        {"nobody", server.Password()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ErrorCodeOf([&] { m_session.GetFtpConnection(server.HostField(), c.user, c.password); }),
                  ERROR_INTERNET_INCORRECT_PASSWORD)
            << c.user << " / " << c.password;
    EXPECT_EQ(server.Logins(), 0);
}

TEST_F(FtpConnectTest, ARefusedConnectionCannotConnect)
{
    std::string field;
    {
        FtpServer gone;
        field = gone.HostField();
    }
    EXPECT_EQ(ErrorCodeOf([&] { m_session.GetFtpConnection(field, "user", "password"); }),
              ERROR_INTERNET_CANNOT_CONNECT);
}

TEST_F(FtpConnectTest, AnUnknownHostIsNotResolved)
{
    // The .invalid domain never resolves.
    EXPECT_EQ(ErrorCodeOf([&] { m_session.GetFtpConnection("tolvark-test.invalid:2121", "user", "password"); }),
              ERROR_INTERNET_NAME_NOT_RESOLVED);
}

} // namespace
