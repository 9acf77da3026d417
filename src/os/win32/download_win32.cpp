// The download service on Windows: WinHTTP on a worker thread while the calling
// thread keeps its windows painted (and handles nothing else, so no input or
// timer can start new work in the middle of a download). WinHTTP gives what
// the limits need: time-outs for the connection and for every read, the answer's
// status and length before the body, and no cache to be served from.
#include "os/download.h"

// The platform headers come first, in the order windows_api.h sets up.
#include "os/win32/windows_api.h"

#include <winhttp.h>

#include <optional>
#include <vector>

#include "os/files.h"
#include "os/win32/unique_handle.h"
#include "os/win32/wide.h"

namespace os {

namespace {

struct CloseInternet {
    void operator()(HINTERNET h) const { ::WinHttpCloseHandle(h); }
};
using UniqueInternet = win32::Unique<HINTERNET, CloseInternet>;

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
    if (!::WinHttpCrackUrl(url.c_str(), 0, 0, &parts)) return std::nullopt;
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
    if (!::WinHttpQueryHeaders(request,
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
bool ReceiveBody(HINTERNET request, HANDLE file, std::uint64_t maxBytes, std::optional<DWORD> announced) {
    std::vector<char> chunk(64 * 1024);
    std::uint64_t total = 0;
    for (;;) {
        DWORD got = 0;
        if (!::WinHttpReadData(request, chunk.data(), static_cast<DWORD>(chunk.size()), &got)) return false;
        if (got == 0) return !announced || total == *announced;
        total += got;
        if (total > maxBytes) return false;
        DWORD written = 0;
        if (!::WriteFile(file, chunk.data(), got, &written, nullptr) || written != got) return false;
    }
}

bool Fetch(const Transfer& transfer) {
    const std::optional<Address> address = Crack(transfer.url);
    if (!address) return false;
    const UniqueInternet session(::WinHttpOpen(
        L"ZevStatus", WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
    if (!session) return false;
    const int connect = static_cast<int>(transfer.limits.connectTimeoutMs);
    const int stall = static_cast<int>(transfer.limits.stallTimeoutMs);
    // Name lookup and connection, then every send and every wait for more bytes.
    if (!::WinHttpSetTimeouts(session.get(), connect, connect, stall, stall)) return false;
    const UniqueInternet connection(::WinHttpConnect(session.get(), address->host.c_str(), address->port, 0));
    if (!connection) return false;
    const DWORD flags = WINHTTP_FLAG_REFRESH | (address->secure ? WINHTTP_FLAG_SECURE : 0);
    const UniqueInternet request(::WinHttpOpenRequest(connection.get(),
                                                      L"GET",
                                                      address->pathAndQuery.c_str(),
                                                      nullptr,
                                                      WINHTTP_NO_REFERER,
                                                      WINHTTP_DEFAULT_ACCEPT_TYPES,
                                                      flags));
    if (!request) return false;
    // A secure address is never redirected to a plain one (WinHTTP's default, said here so it stays).
    DWORD policy = WINHTTP_OPTION_REDIRECT_POLICY_DISALLOW_HTTPS_TO_HTTP;
    ::WinHttpSetOption(request.get(), WINHTTP_OPTION_REDIRECT_POLICY, &policy, sizeof policy);
    const wchar_t* headers = L"Cache-Control: no-cache\r\nPragma: no-cache\r\n";
    if (!::WinHttpSendRequest(request.get(), headers, static_cast<DWORD>(-1), WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
        !::WinHttpReceiveResponse(request.get(), nullptr))
        return false;
    if (NumberHeader(request.get(), WINHTTP_QUERY_STATUS_CODE) != std::optional<DWORD>(HTTP_STATUS_OK)) return false;
    const std::optional<DWORD> length = NumberHeader(request.get(), WINHTTP_QUERY_CONTENT_LENGTH);
    if (length && *length > transfer.limits.maxBytes) return false;

    auto file = win32::FromFileHandle(::CreateFileW(
        transfer.partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    return ReceiveBody(request.get(), file.get(), transfer.limits.maxBytes, length) && ::FlushFileBuffers(file.get());
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
