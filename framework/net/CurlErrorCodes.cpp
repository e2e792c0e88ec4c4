#include "framework/net/CurlErrorCodes.h"

#include "framework/net/InternetErrors.h"

namespace {

bool IsNegativeReply(long reply)
{
    return reply >= 400 && reply <= 599;
}

} // namespace

std::uint32_t LoginErrorCode(CURLcode result, long reply)
{
    switch (result) {
    case CURLE_URL_MALFORMAT:
        return ERROR_INTERNET_INVALID_URL;
    case CURLE_COULDNT_RESOLVE_HOST:
        return ERROR_INTERNET_NAME_NOT_RESOLVED;
    case CURLE_LOGIN_DENIED:
        return ERROR_INTERNET_INCORRECT_PASSWORD;
    case CURLE_OPERATION_TIMEDOUT:
        return ERROR_INTERNET_TIMEOUT;
    default:
        // A server that greets with 421 (too many users), for instance.
        if (IsNegativeReply(reply))
            return ERROR_INTERNET_EXTENDED_ERROR;
        // Refused, reset, or closed before the login was through.
        return ERROR_INTERNET_CANNOT_CONNECT;
    }
}

std::uint32_t StoreErrorCode(CURLcode result, long reply)
{
    switch (result) {
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_FTP_ACCEPT_TIMEOUT:
        return ERROR_INTERNET_TIMEOUT;
    default:
        // Curl reports a reply of 4xx or 5xx as an upload failure, a partial
        // file or a full disk, depending on when it came.
        if (IsNegativeReply(reply))
            return ERROR_INTERNET_EXTENDED_ERROR;
        // Send and receive errors, a connection closed under the transfer,
        // or a new control connection that the store would have needed.
        return ERROR_FTP_DROPPED;
    }
}
