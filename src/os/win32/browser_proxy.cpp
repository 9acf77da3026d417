#include "os/win32/browser_proxy.h"

#include <versionhelpers.h>

namespace os::win32 {

namespace {

// The settings' texts belong to the caller, who frees them with GlobalFree.
struct FreeGlobal {
    void operator()(LPWSTR text) const { ::GlobalFree(text); }
};
using GlobalText = Unique<LPWSTR, FreeGlobal>;

UniqueInternet Open(DWORD access, LPCWSTR proxy = WINHTTP_NO_PROXY_NAME, LPCWSTR bypass = WINHTTP_NO_PROXY_BYPASS) {
    return UniqueInternet(WinHttp().WinHttpOpen(L"ZevStatus", access, proxy, bypass, 0));
}

// A session through what a PAC script (named, or found by WPAD) says for
// `url`; none when there is no script or it gives no answer.
UniqueInternet OpenThroughScript(const std::wstring& url, bool autoDetect, LPWSTR scriptUrl) {
    WINHTTP_AUTOPROXY_OPTIONS options{};
    if (autoDetect) {
        options.dwFlags |= WINHTTP_AUTOPROXY_AUTO_DETECT;
        options.dwAutoDetectFlags = WINHTTP_AUTO_DETECT_TYPE_DHCP | WINHTTP_AUTO_DETECT_TYPE_DNS_A;
    }
    if (scriptUrl) {
        options.dwFlags |= WINHTTP_AUTOPROXY_CONFIG_URL;
        options.lpszAutoConfigUrl = scriptUrl;
    }
    if (options.dwFlags == 0) return {};
    // An office's script server may ask who is fetching it.
    options.fAutoLogonIfChallenged = TRUE;
    const UniqueInternet lookup = Open(WINHTTP_ACCESS_TYPE_NO_PROXY);
    WINHTTP_PROXY_INFO found{};
    if (!lookup || !WinHttp().WinHttpGetProxyForUrl(lookup.get(), url.c_str(), &options, &found)) return {};
    const GlobalText proxy(found.lpszProxy);
    const GlobalText bypass(found.lpszProxyBypass);
    if (found.dwAccessType != WINHTTP_ACCESS_TYPE_NAMED_PROXY || !proxy) return Open(WINHTTP_ACCESS_TYPE_NO_PROXY);
    return Open(WINHTTP_ACCESS_TYPE_NAMED_PROXY, proxy.get(), bypass.get());
}

}  // namespace

UniqueInternet OpenBrowserLikeSession(const std::wstring& url) {
    // Windows 8.1 reads the user's proxy settings, PAC and WPAD by itself. An
    // older WinHTTP may take the automatic kind without honouring it (Wine
    // does), so the version decides, not whether the call succeeds.
    if (::IsWindows8Point1OrGreater()) return Open(WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY);
    // The proxy is set when the session opens: older WinHTTPs (Wine's among
    // them) ignore a proxy set on a request.
    WINHTTP_CURRENT_USER_IE_PROXY_CONFIG settings{};
    if (!WinHttp().WinHttpGetIEProxyConfigForCurrentUser(&settings)) return Open(WINHTTP_ACCESS_TYPE_DEFAULT_PROXY);
    const GlobalText scriptUrl(settings.lpszAutoConfigUrl);
    const GlobalText proxy(settings.lpszProxy);
    const GlobalText bypass(settings.lpszProxyBypass);
    // The browser's order: the script first, the fixed proxy when the script gives no answer.
    if (UniqueInternet session = OpenThroughScript(url, settings.fAutoDetect != FALSE, scriptUrl.get())) return session;
    if (proxy) return Open(WINHTTP_ACCESS_TYPE_NAMED_PROXY, proxy.get(), bypass.get());
    return Open(WINHTTP_ACCESS_TYPE_DEFAULT_PROXY);
}

bool AnswerProxyChallenge(HINTERNET request) {
    DWORD offered = 0;
    DWORD first = 0;
    DWORD target = 0;
    if (!WinHttp().WinHttpQueryAuthSchemes(request, &offered, &first, &target) || target != WINHTTP_AUTH_TARGET_PROXY)
        return false;
    const DWORD scheme = (offered & WINHTTP_AUTH_SCHEME_NEGOTIATE) ? WINHTTP_AUTH_SCHEME_NEGOTIATE
                         : (offered & WINHTTP_AUTH_SCHEME_NTLM)    ? WINHTTP_AUTH_SCHEME_NTLM
                                                                   : 0;
    if (scheme == 0) return false;
    // The logged-on user's credentials go out only now, to the proxy that asked.
    DWORD policy = WINHTTP_AUTOLOGON_SECURITY_LEVEL_LOW;
    return WinHttp().WinHttpSetOption(request, WINHTTP_OPTION_AUTOLOGON_POLICY, &policy, sizeof policy) &&
           WinHttp().WinHttpSetCredentials(request, WINHTTP_AUTH_TARGET_PROXY, scheme, nullptr, nullptr, nullptr);
}

}  // namespace os::win32
