// The proxy the user's browser takes: fixed in the Internet Options, or
// chosen per address by a PAC script or WPAD. Offices that only let traffic
// out through their proxy otherwise see every update check fail.
#pragma once

#include <string>

#include "os/win32/winhttp_api.h"

namespace os::win32 {

// A WinHTTP session for `url` that goes through the proxy the browser would
// take. Windows 8.1 and newer find it by themselves; on older systems it is
// looked up in the user's settings before the session opens.
UniqueInternet OpenBrowserLikeSession(const std::wstring& url);

// Answers a proxy's 407 with the logged-on user's own credentials (Negotiate
// or NTLM: nothing is asked, nothing is stored). False when the proxy offers
// neither, so the download fails as any other would.
bool AnswerProxyChallenge(HINTERNET request);

}  // namespace os::win32
