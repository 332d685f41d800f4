#pragma once
// ANSI text (the system code page) as an owned BSTR, for the COM calls that take one.

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <utility>

namespace platform {

// Owns one BSTR and frees it with SysFreeString.
class UniqueBstr {
public:
    UniqueBstr() noexcept = default;
    explicit UniqueBstr(BSTR value) noexcept : value_(value) {}
    ~UniqueBstr() { SysFreeString(value_); }

    UniqueBstr(const UniqueBstr&) = delete;
    UniqueBstr& operator=(const UniqueBstr&) = delete;
    UniqueBstr(UniqueBstr&& other) noexcept : value_(std::exchange(other.value_, nullptr)) {}
    UniqueBstr& operator=(UniqueBstr&& other) noexcept
    {
        if (this != &other) {
            SysFreeString(std::exchange(value_, std::exchange(other.value_, nullptr)));
        }
        return *this;
    }

    BSTR get() const noexcept { return value_; }

private:
    BSTR value_ = nullptr;
};

// Converts the text up to its first zero byte from CP_ACP. The result is always a real BSTR,
// empty for the empty text, never NULL: the WebBrowser control treats a NULL URL differently
// from an empty one. Only when the system has no memory left is the result NULL.
UniqueBstr ansiToBstr(const std::string& text) noexcept;

} // namespace platform
