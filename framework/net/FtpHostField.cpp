#include "framework/net/FtpHostField.h"

#include <arpa/inet.h>
#include <netinet/in.h>

#include "framework/net/InternetErrors.h"
#include "framework/net/InternetException.h"

namespace {

constexpr std::uint16_t kDefaultFtpPort = 21;

[[noreturn]] void Refuse(const std::string& field)
{
    throw CInternetException(ERROR_INTERNET_INVALID_URL, "not a host: \"" + field + "\"");
}

bool IsHostNameByte(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_';
}

bool IsIPv6Address(const std::string& text)
{
    in6_addr address;
    return ::inet_pton(AF_INET6, text.c_str(), &address) == 1;
}

std::uint16_t ParsePort(const std::string& digits, const std::string& field)
{
    if (digits.empty() || digits.size() > 5)
        Refuse(field);
    unsigned value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            Refuse(field);
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    if (value == 0 || value > 65535)
        Refuse(field);
    return static_cast<std::uint16_t>(value);
}

} // namespace

FtpServerAddress ParseFtpHostField(const std::string& field)
{
    std::string host;
    std::string::size_type rest;
    if (!field.empty() && field.front() == '[') {
        const auto close = field.find(']');
        if (close == std::string::npos || !IsIPv6Address(field.substr(1, close - 1)))
            Refuse(field);
        host = field.substr(0, close + 1);
        rest = close + 1;
    } else {
        rest = field.find(':');
        host = field.substr(0, rest);
        if (host.empty())
            Refuse(field);
        for (char c : host)
            if (!IsHostNameByte(c))
                Refuse(field);
    }
    if (rest >= field.size())
        return {host, kDefaultFtpPort};
    if (field[rest] != ':')
        Refuse(field);
    return {host, ParsePort(field.substr(rest + 1), field)};
}
