#pragma once

#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "framework/net/FtpConnection.h"
#include "framework/net/InternetErrors.h"
#include "framework/net/InternetException.h"
#include "framework/net/InternetFile.h"
#include "framework/net/InternetSession.h"
#include "tests/support/FtpServer.h"
#include "tests/support/TestFiles.h"

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
