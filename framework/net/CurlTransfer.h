#pragma once

#include <curl/curl.h>
#include <functional>
#include <optional>
#include <string>

#include "framework/net/CurlHandles.h"

// One easy handle while it runs on a multi handle: added when made,
// removed when destroyed. The multi handle must outlive it.
class CurlTransfer {
public:
    // Takes a handle with every option set but the error buffer.
    CurlTransfer(CURLM* multi, CurlEasyHandle easy);
    ~CurlTransfer();
    CurlTransfer(const CurlTransfer&) = delete;
    CurlTransfer& operator=(const CurlTransfer&) = delete;

    CURL* Easy() const { return m_easy.get(); }

    // Lets curl work, waiting for the sockets and timers that it names,
    // until `stop` holds or the transfer has finished. Returns whether it
    // has finished; Result() then tells how.
    bool Drive(const std::function<bool()>& stop);

    CURLcode Result() const { return *m_result; }
    // The last reply code that the server sent for this transfer, 0 for none.
    long Reply() const;
    // What went wrong, in curl's words.
    std::string Detail() const;

private:
    CURLM* m_multi;
    CurlEasyHandle m_easy;
    std::optional<CURLcode> m_result;
    char m_error[CURL_ERROR_SIZE] = {};
};
