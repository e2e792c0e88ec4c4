#include "framework/net/FtpConnection.h"

#include <stdexcept>

#include "framework/net/FtpControlConnection.h"
#include "framework/net/FtpRemoteName.h"
#include "framework/net/InternetFile.h"

CFtpConnection::CFtpConnection(std::shared_ptr<FtpControlConnection> control) : m_control(std::move(control)) {}

CFtpConnection::~CFtpConnection() = default;

std::unique_ptr<CInternetFile> CFtpConnection::OpenFile(const std::string& name)
{
    if (!m_control)
        throw std::logic_error("OpenFile on a closed FTP connection");
    const std::string path = FtpPathForName(name);
    return std::unique_ptr<CInternetFile>(new CInternetFile(m_control, path));
}

void CFtpConnection::Close()
{
    m_control.reset();
}
