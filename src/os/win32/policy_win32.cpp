#include "os/policy.h"

// The platform headers come first, in the order windows_api.h sets up.
#include "os/win32/windows_api.h"

#include "os/win32/unique_handle.h"
#include "os/win32/wide.h"

namespace os {

namespace {

struct CloseKey {
    void operator()(HKEY key) const { ::RegCloseKey(key); }
};
using UniqueKey = win32::Unique<HKEY, CloseKey>;

// A policy value is an address or a name, never a document.
constexpr DWORD kMaxValueBytes = 4096;

}  // namespace

std::optional<std::string> MachinePolicyText(const std::string& key, const std::string& name) {
    const std::wstring path = L"SOFTWARE\\Policies\\" + win32::ToWide(key);
    HKEY raw = nullptr;
    // The policies key is one for 32- and 64-bit programs; the 64-bit view is
    // where the administrator's tools write it.
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE | KEY_WOW64_64KEY, &raw) != ERROR_SUCCESS)
        return std::nullopt;
    const UniqueKey opened(raw);
    const std::wstring value = win32::ToWide(name);
    DWORD bytes = 0;
    if (::RegGetValueW(opened.get(), nullptr, value.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &bytes) !=
            ERROR_SUCCESS ||
        bytes > kMaxValueBytes)
        return std::nullopt;
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (::RegGetValueW(opened.get(), nullptr, value.c_str(), RRF_RT_REG_SZ, nullptr, text.data(), &bytes) !=
        ERROR_SUCCESS)
        return std::nullopt;
    text.resize(text.find(L'\0'));
    return win32::ToUtf8(text);
}

}  // namespace os
