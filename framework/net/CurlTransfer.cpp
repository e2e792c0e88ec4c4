#include "framework/net/CurlTransfer.h"

#include <new>
#include <stdexcept>

namespace {

// Only an exhausted memory or a misused handle makes the multi interface
// fail; neither is an Internet error.
void Check(CURLMcode code)
{
    if (code == CURLM_OUT_OF_MEMORY)
        throw std::bad_alloc();
    if (code != CURLM_OK)
        throw std::logic_error(curl_multi_strerror(code));
}

// Curl ends every wait at its own next timer; this only bounds a wait that
// no timer ends.
constexpr int kLongestWaitMs = 1000;

} // namespace

CurlTransfer::CurlTransfer(CURLM* multi, CurlEasyHandle easy) : m_multi(multi), m_easy(std::move(easy))
{
    curl_easy_setopt(m_easy.get(), CURLOPT_ERRORBUFFER, m_error);
    Check(curl_multi_add_handle(m_multi, m_easy.get()));
}

CurlTransfer::~CurlTransfer()
{
    curl_multi_remove_handle(m_multi, m_easy.get());
}

bool CurlTransfer::Drive(const std::function<bool()>& stop)
{
    while (!m_result) {
        int running = 0;
        Check(curl_multi_perform(m_multi, &running));
        int queued = 0;
        while (CURLMsg* message = curl_multi_info_read(m_multi, &queued))
            if (message->msg == CURLMSG_DONE && message->easy_handle == m_easy.get())
                m_result = message->data.result;
        if (m_result || stop())
            break;
        Check(curl_multi_poll(m_multi, nullptr, 0, kLongestWaitMs, nullptr));
    }
    return m_result.has_value();
}

long CurlTransfer::Reply() const
{
    long reply = 0;
    curl_easy_getinfo(m_easy.get(), CURLINFO_RESPONSE_CODE, &reply);
    return reply;
}

std::string CurlTransfer::Detail() const
{
    return m_error[0] != '\0' ? m_error : curl_easy_strerror(Result());
}
