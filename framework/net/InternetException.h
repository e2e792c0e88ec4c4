#pragma once

#include <cstdint>
#include <exception>
#include <string>

// The failure of an Internet operation. Thrown by value, caught by
// reference; m_dwError holds one of the codes of InternetErrors.h.
class CInternetException : public std::exception {
public:
    explicit CInternetException(std::uint32_t error, std::string detail = {});

    // The code and what went wrong, for logs.
    const char* what() const noexcept override;

    std::uint32_t m_dwError;

private:
    std::string m_what;
};
