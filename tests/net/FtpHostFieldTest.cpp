#include <gtest/gtest.h>

#include "framework/net/FtpHostField.h"
#include "framework/net/InternetErrors.h"
#include "framework/net/InternetException.h"

namespace {

TEST(FtpHostFieldTest, ReadsHostsWithAndWithoutPort)
{
    const struct {
        std::string field;
        FtpServerAddress address;
    } cases[] = {
        {"ftp.example.com", {"ftp.example.com", 21}},
        {"ftp.example.com:2121", {"ftp.example.com", 2121}},
        {"localhost:1", {"localhost", 1}},
        {"127.0.0.1", {"127.0.0.1", 21}},
        {"127.0.0.1:65535", {"127.0.0.1", 65535}},
        {"my_host-1.example.", {"my_host-1.example.", 21}},
        {"[::1]", {"[::1]", 21}},
        {"[::1]:2121", {"[::1]", 2121}},
        {"[2001:db8::7]:021", {"[2001:db8::7]", 21}},
        {"[::ffff:127.0.0.1]:2121", {"[::ffff:127.0.0.1]", 2121}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseFtpHostField(c.field), c.address) << c.field;
}

TEST(FtpHostFieldTest, RefusesWhatIsNotAHost)
{
    const std::string cases[] = {
        "",
        ":2121",
        "host:",
        "host:0",
        "host:65536",
        "host:100000",
        "host:21x",
        "host:+21",
        "host:21:22",
        "::1",
        "::1:2121",
        "[::1",
        "[::1]x",
        "[::1]:",
        "[]",
        "[example.com]",
        "[::1%25lo]",
        "host/dir",
        "ftp://host",
        "user@host",
        "user:password@host",
        "host?x",
        "host#x",
        "host;type=a",
        "h%6Fst",
        "ho st",
        " host",
        "host ",
        "host\t",
        "host\r\n",
        std::string("ho\0st", 5),
        "h\xc3\xb6st",
    };
    for (const std::string& field : cases) {
        try {
            ParseFtpHostField(field);
            ADD_FAILURE() << "accepted \"" << field << "\"";
        } catch (const CInternetException& e) {
            EXPECT_EQ(e.m_dwError, ERROR_INTERNET_INVALID_URL) << field;
        }
    }
}

} // namespace
