#pragma once

#include <cstdint>
#include <curl/curl.h>

// The InternetErrors.h code for a transfer that curl ended with `result`;
// `reply` is the last reply code that the server sent, 0 for none.

// For the connect and login.
std::uint32_t LoginErrorCode(CURLcode result, long reply);
// For the store of a file on a logged-in connection.
std::uint32_t StoreErrorCode(CURLcode result, long reply);
