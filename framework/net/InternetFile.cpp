#include "framework/net/InternetFile.h"

#include <algorithm>
#include <cstring>
#include <curl/curl.h>
#include <stdexcept>

#include "framework/net/CurlErrorCodes.h"
#include "framework/net/CurlTransfer.h"
#include "framework/net/FtpControlConnection.h"

namespace {

// Bytes gathered before they are handed to curl in one piece. Each piece
// costs one round of driving curl, so that cost per byte is small; small
// enough that a cancel or a closing window waits for little more than one
// piece on a slow line.
constexpr std::size_t kGatherSize = 64 * 1024;

} // namespace

CInternetFile::CInternetFile(std::shared_ptr<FtpControlConnection> control, const std::string& path)
    : m_control(std::move(control)), m_buffer(new char[kGatherSize])
{
    m_transfer = m_control->NewStore(path, &CInternetFile::Read, this);
    // Curl asks for the first bytes only once the server has answered the
    // STOR with a preliminary reply and the data connection is up; a
    // refusal ends the transfer before that.
    if (m_transfer->Drive([this] { return m_asked; }))
        Fail();
}

CInternetFile::~CInternetFile()
{
    if (m_state != State::open)
        return;
    try {
        Finish();
    } catch (...) {
        // Ending a file is best effort: what reached the server stays there.
    }
}

void CInternetFile::Write(const void* data, std::size_t size)
{
    if (m_state == State::open && size <= kGatherSize - m_gathered) {
        std::memcpy(m_buffer.get() + m_gathered, data, size);
        m_gathered += size;
        return;
    }
    WriteThrough(static_cast<const char*>(data), size);
}

void CInternetFile::Close()
{
    if (m_state == State::closed)
        return;
    ThrowUnlessOpen();
    Finish();
    if (m_transfer->Result() != CURLE_OK)
        Fail();
    m_state = State::closed;
}

std::size_t CInternetFile::Read(char* to, std::size_t size, std::size_t count, void* file)
{
    CInternetFile& self = *static_cast<CInternetFile*>(file);
    self.m_asked = true;
    const std::size_t available = self.m_gathered - self.m_handedOut;
    if (available == 0) {
        if (self.m_ending)
            return 0;
        self.m_paused = true;
        return CURL_READFUNC_PAUSE;
    }
    const std::size_t n = std::min(available, size * count);
    std::memcpy(to, self.m_buffer.get() + self.m_handedOut, n);
    self.m_handedOut += n;
    return n;
}

void CInternetFile::WriteThrough(const char* data, std::size_t size)
{
    ThrowUnlessOpen();
    while (size > 0) {
        if (m_gathered == kGatherSize)
            SendGathered();
        const std::size_t n = std::min(size, kGatherSize - m_gathered);
        std::memcpy(m_buffer.get() + m_gathered, data, n);
        m_gathered += n;
        data += n;
        size -= n;
    }
}

// Returns once curl has taken every gathered byte; they may still be on
// their way while the writer gathers the next ones.
void CInternetFile::SendGathered()
{
    m_handedOut = 0;
    Resume();
    if (m_transfer->Drive([this] { return m_handedOut == m_gathered; }))
        Fail();
    m_gathered = 0;
    m_handedOut = 0;
}

void CInternetFile::Finish()
{
    m_ending = true;
    Resume();
    m_transfer->Drive([] { return false; });
}

void CInternetFile::Resume()
{
    if (m_paused) {
        m_paused = false;
        curl_easy_pause(m_transfer->Easy(), CURLPAUSE_CONT);
    }
}

void CInternetFile::ThrowUnlessOpen() const
{
    if (m_state == State::failed)
        throw *m_failure;
    if (m_state == State::closed)
        throw std::logic_error("Write on a closed Internet file");
}

void CInternetFile::Fail()
{
    m_state = State::failed;
    m_failure.emplace(StoreErrorCode(m_transfer->Result(), m_transfer->Reply()), m_transfer->Detail());
    throw *m_failure;
}
