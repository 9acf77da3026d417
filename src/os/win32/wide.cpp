#include "os/win32/wide.h"

#include <climits>

#include "os/win32/windows_api.h"

namespace os::win32 {

std::wstring ToWide(std::string_view utf8) {
    if (utf8.empty() || utf8.size() > static_cast<std::size_t>(INT_MAX)) return {};
    const int inLen = static_cast<int>(utf8.size());
    const int outLen = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), inLen, nullptr, 0);
    if (outLen <= 0) return {};
    std::wstring out(static_cast<std::size_t>(outLen), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), inLen, out.data(), outLen);
    return out;
}

std::string ToUtf8(std::wstring_view wide) {
    if (wide.empty() || wide.size() > static_cast<std::size_t>(INT_MAX)) return {};
    const int inLen = static_cast<int>(wide.size());
    const int outLen = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), inLen, nullptr, 0, nullptr, nullptr);
    if (outLen <= 0) return {};
    std::string out(static_cast<std::size_t>(outLen), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), inLen, out.data(), outLen, nullptr, nullptr);
    return out;
}

}  // namespace os::win32
