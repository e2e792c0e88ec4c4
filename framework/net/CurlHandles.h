#pragma once

#include <curl/curl.h>
#include <memory>

struct CurlEasyCleanup {
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
struct CurlMultiCleanup {
    void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
};

using CurlEasyHandle = std::unique_ptr<CURL, CurlEasyCleanup>;
using CurlMultiHandle = std::unique_ptr<CURLM, CurlMultiCleanup>;
