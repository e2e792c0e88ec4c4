#include "framework/net/FtpRemoteName.h"

#include "framework/net/InternetErrors.h"
#include "framework/net/InternetException.h"

namespace {

bool IsUnreserved(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

// A slash would name another directory. Control bytes cannot pass: CR and
// LF would end the command early, and curl refuses every byte below 0x20
// in an FTP path, closing the control connection as it does.
bool CanCarry(const std::string& name)
{
    if (name.empty() || name == "." || name == "..")
        return false;
    for (unsigned char c : name)
        if (c == '/' || c < 0x20)
            return false;
    return true;
}

} // namespace

std::string FtpPathForName(const std::string& name)
{
    if (!CanCarry(name))
        throw CInternetException(ERROR_INTERNET_INVALID_URL, "not a remote file name");
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string path = "/";
    for (unsigned char c : name) {
        if (IsUnreserved(c)) {
            path += static_cast<char>(c);
        } else {
            path += '%';
            path += kHex[c >> 4];
            path += kHex[c & 0xF];
        }
    }
    return path;
}
