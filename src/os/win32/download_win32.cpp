// The download service on Windows: WinHTTP on a worker thread while the calling
// thread keeps its windows painted (and handles nothing else, so no input or
// timer can start new work in the middle of a download). WinHTTP gives what
// the limits need: time-outs for the connection and for every read, the answer's
// status and length before the body, and no cache to be served from.
#include "os/download.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "os/files.h"
#include "os/win32/browser_proxy.h"
#include "os/win32/wide.h"
#include "os/win32/winhttp_api.h"

namespace os {

namespace {

using win32::UniqueInternet;
using win32::WinHttp;

// The moment a whole transfer must have ended by, however the server paces it.
class Deadline {
public:
    explicit Deadline(unsigned ms) : m_end(::GetTickCount64() + ms) {}
    // `limitMs`, or what is left before the deadline when that is less; 0 once it has passed.
    DWORD within(unsigned limitMs) const {
        const ULONGLONG now = ::GetTickCount64();
        return now >= m_end ? 0 : static_cast<DWORD>(std::min<ULONGLONG>(limitMs, m_end - now));
    }

private:
    ULONGLONG m_end;
};

// Every wait of the next step on `handle` ends by the deadline (WinHTTP reads
// a time-out of 0 as none at all, so a passed deadline is a failure here).
bool LimitWaits(HINTERNET handle, const DownloadLimits& limits, const Deadline& deadline) {
    const int connect = static_cast<int>(deadline.within(limits.connectTimeoutMs));
    const int stall = static_cast<int>(deadline.within(limits.stallTimeoutMs));
    return connect > 0 && stall > 0 && WinHttp().WinHttpSetTimeouts(handle, connect, connect, stall, stall);
}

// TLS 1.2 or newer only. WinHTTP takes this on the session alone, and a system
// that knows no TLS 1.2 (Windows 7 without KB3140245) refuses it, so there
// every download fails instead of falling back to an older protocol. The pair
// with TLS 1.3 comes first; a system without 1.3 refuses the pair.
bool RequireModernTls(HINTERNET session) {
    for (DWORD protocols :
         {static_cast<DWORD>(WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_2 | WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_3),
          static_cast<DWORD>(WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_2)}) {
        if (WinHttp().WinHttpSetOption(session, WINHTTP_OPTION_SECURE_PROTOCOLS, &protocols, sizeof protocols))
            return true;
    }
    return false;
}

struct Transfer {
    std::wstring url;
    std::wstring partial;  // the body goes here first
    DownloadLimits limits;
    bool ok = false;
};

struct Address {
    bool secure = false;
    std::wstring host;
    INTERNET_PORT port = 0;
    std::wstring pathAndQuery;
};

std::optional<Address> Crack(const std::wstring& url) {
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof parts;
    parts.dwSchemeLength = static_cast<DWORD>(-1);
    parts.dwHostNameLength = static_cast<DWORD>(-1);
    parts.dwUrlPathLength = static_cast<DWORD>(-1);
    parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (!WinHttp().WinHttpCrackUrl(url.c_str(), 0, 0, &parts)) return std::nullopt;
    // Only the two web schemes; WinHTTP knows no others, and neither do we.
    if (parts.nScheme != INTERNET_SCHEME_HTTPS && parts.nScheme != INTERNET_SCHEME_HTTP) return std::nullopt;
    Address address;
    address.secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
    address.host.assign(parts.lpszHostName, parts.dwHostNameLength);
    address.port = parts.nPort;
    address.pathAndQuery.assign(parts.lpszUrlPath, parts.dwUrlPathLength);
    if (parts.lpszExtraInfo) address.pathAndQuery.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    if (address.pathAndQuery.empty()) address.pathAndQuery = L"/";
    return address;
}

std::optional<DWORD> NumberHeader(HINTERNET request, DWORD which) {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (!WinHttp().WinHttpQueryHeaders(request,
                                       which | WINHTTP_QUERY_FLAG_NUMBER,
                                       WINHTTP_HEADER_NAME_BY_INDEX,
                                       &value,
                                       &size,
                                       WINHTTP_NO_HEADER_INDEX))
        return std::nullopt;
    return value;
}

// The body into `file`, never more than the cap; false on any shortfall. A
// connection that closes early can look like the body's end, so an announced
// length must be met exactly.
bool ReceiveBody(HINTERNET request, HANDLE file, const DownloadLimits& limits, const Deadline& deadline,
                 std::optional<DWORD> announced) {
    std::vector<char> chunk(64 * 1024);
    std::uint64_t total = 0;
    for (;;) {
        // A server that sends a byte now and then never meets the stall limit;
        // the deadline shortens each wait so that it ends all the same.
        DWORD wait = deadline.within(limits.stallTimeoutMs);
        if (wait == 0 || !WinHttp().WinHttpSetOption(request, WINHTTP_OPTION_RECEIVE_TIMEOUT, &wait, sizeof wait))
            return false;
        // Only what has arrived: a read of more waits for all of it (Wine's does).
        DWORD arrived = 0;
        if (!WinHttp().WinHttpQueryDataAvailable(request, &arrived)) return false;
        if (arrived == 0) return !announced || total == *announced;
        DWORD got = 0;
        const DWORD want = std::min(arrived, static_cast<DWORD>(chunk.size()));
        if (!WinHttp().WinHttpReadData(request, chunk.data(), want, &got) || got == 0) return false;
        total += got;
        if (total > limits.maxBytes) return false;
        DWORD written = 0;
        if (!::WriteFile(file, chunk.data(), got, &written, nullptr) || written != got) return false;
    }
}

// Sends the request and returns the answer's status. A proxy that asks who is
// calling gets one answer.
std::optional<DWORD> Exchange(HINTERNET request, const DownloadLimits& limits, const Deadline& deadline) {
    const wchar_t* headers = L"Cache-Control: no-cache\r\nPragma: no-cache\r\n";
    for (int round = 0;; ++round) {
        if (!LimitWaits(request, limits, deadline) ||
            !WinHttp().WinHttpSendRequest(request, headers, static_cast<DWORD>(-1), WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
            !WinHttp().WinHttpReceiveResponse(request, nullptr))
            return std::nullopt;
        const std::optional<DWORD> status = NumberHeader(request, WINHTTP_QUERY_STATUS_CODE);
        if (status != HTTP_STATUS_PROXY_AUTH_REQ || round > 0 || !win32::AnswerProxyChallenge(request)) return status;
    }
}

bool Fetch(const Transfer& transfer) {
    const Deadline deadline(transfer.limits.deadlineMs);
    if (!WinHttp().complete) return false;
    const std::optional<Address> address = Crack(transfer.url);
    if (!address) return false;
    const UniqueInternet session = win32::OpenBrowserLikeSession(transfer.url);
    // Set on every session, the test server's plain ones too: a system that
    // cannot do it then fails every download alike.
    if (!session || !RequireModernTls(session.get())) return false;
    const UniqueInternet connection(WinHttp().WinHttpConnect(session.get(), address->host.c_str(), address->port, 0));
    if (!connection) return false;
    const DWORD flags = WINHTTP_FLAG_REFRESH | (address->secure ? WINHTTP_FLAG_SECURE : 0);
    const UniqueInternet request(WinHttp().WinHttpOpenRequest(connection.get(),
                                                              L"GET",
                                                              address->pathAndQuery.c_str(),
                                                              nullptr,
                                                              WINHTTP_NO_REFERER,
                                                              WINHTTP_DEFAULT_ACCEPT_TYPES,
                                                              flags));
    if (!request) return false;
    // A secure address is never redirected to a plain one (WinHTTP's default, said here so it stays).
    DWORD policy = WINHTTP_OPTION_REDIRECT_POLICY_DISALLOW_HTTPS_TO_HTTP;
    WinHttp().WinHttpSetOption(request.get(), WINHTTP_OPTION_REDIRECT_POLICY, &policy, sizeof policy);
    // No one gets the user's credentials unless a proxy asks for them.
    DWORD autologon = WINHTTP_AUTOLOGON_SECURITY_LEVEL_HIGH;
    WinHttp().WinHttpSetOption(request.get(), WINHTTP_OPTION_AUTOLOGON_POLICY, &autologon, sizeof autologon);
    if (Exchange(request.get(), transfer.limits, deadline) != std::optional<DWORD>(HTTP_STATUS_OK)) return false;
    const std::optional<DWORD> length = NumberHeader(request.get(), WINHTTP_QUERY_CONTENT_LENGTH);
    if (length && *length > transfer.limits.maxBytes) return false;

    auto file = win32::FromFileHandle(::CreateFileW(
        transfer.partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    return ReceiveBody(request.get(), file.get(), transfer.limits, deadline, length) && ::FlushFileBuffers(file.get());
}

DWORD WINAPI RunTransfer(LPVOID parameter) {
    auto& transfer = *static_cast<Transfer*>(parameter);
    transfer.ok = Fetch(transfer);
    return 0;
}

// Repaints (and answers messages other threads send) until `thread` has ended.
void PaintUntilEnded(HANDLE thread) {
    for (;;) {
        const DWORD woke = ::MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_PAINT | QS_SENDMESSAGE);
        if (woke != WAIT_OBJECT_0 + 1) return;  // the thread ended, or the wait itself failed
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) ::DispatchMessageW(&msg);
    }
}

}  // namespace

bool DownloadToFile(const std::string& url, const std::string& localPath, const DownloadLimits& limits) {
    const std::string partial = localPath + ".partial";
    Transfer transfer{win32::ToWide(url), win32::ToWide(partial), limits};
    win32::UniqueHandle worker(::CreateThread(nullptr, 0, RunTransfer, &transfer, 0, nullptr));
    if (worker) {
        PaintUntilEnded(worker.get());
        // The transfer record lives on this stack: never leave before the worker has.
        ::WaitForSingleObject(worker.get(), INFINITE);
    } else {
        RunTransfer(&transfer);
    }
    // Only a whole body replaces what was at the target; anything else is thrown away.
    if (transfer.ok && MoveReplacing(partial, localPath)) return true;
    DeleteFile(partial);
    return false;
}

}  // namespace os
