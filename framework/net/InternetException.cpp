#include "framework/net/InternetException.h"

CInternetException::CInternetException(std::uint32_t error, std::string detail)
    : m_dwError(error),
      m_what("Internet error " + std::to_string(error) + (detail.empty() ? "" : ": " + detail))
{
}

const char* CInternetException::what() const noexcept
{
    return m_what.c_str();
}
