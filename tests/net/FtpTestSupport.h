#pragma once

#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <string>

#include "framework/net/FtpConnection.h"
#include "framework/net/InternetErrors.h"
#include "framework/net/InternetException.h"
#include "framework/net/InternetFile.h"
#include "framework/net/InternetSession.h"
#include "tests/support/FtpServer.h"

// The code of the CInternetException that `action` throws, 0 when it
// throws none.
inline std::uint32_t ErrorCodeOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const CInternetException& e) {
        return e.m_dwError;
    }
    return 0;
}

inline std::string RandomBytes(std::size_t size, unsigned seed = 1)
{
    std::mt19937 generator(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(generator());
    return bytes;
}

// Writes as the upload run does: in chunks of 256 bytes.
inline void WriteInChunks(CInternetFile& file, const std::string& content)
{
    for (std::size_t at = 0; at < content.size(); at += 256)
        file.Write(content.data() + at, std::min<std::size_t>(256, content.size() - at));
}

class FtpTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(InitInternet()); }

    std::unique_ptr<CFtpConnection> Connect(const FtpServer& server)
    {
        return m_session.GetFtpConnection(server.HostField(), server.User(), server.Password());
    }

    void Store(CFtpConnection& connection, const std::string& name, const std::string& content)
    {
        auto file = connection.OpenFile(name);
        WriteInChunks(*file, content);
        file->Close();
    }

    CInternetSession m_session{"TOLVARK"};
};
