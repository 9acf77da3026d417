// The download service on Windows: URLDownloadToFileW on a worker thread while
// the calling thread keeps its windows painted (and handles nothing else, so no
// input or timer can start new work in the middle of a download).
#include "os/download.h"

// The platform headers come first, in the order windows_api.h sets up.
#include "os/win32/windows_api.h"

#include <objbase.h>
#include <urlmon.h>

#include "os/win32/unique_handle.h"
#include "os/win32/wide.h"

namespace os {

namespace {

struct Transfer {
    std::wstring url;
    std::wstring path;
    HRESULT result = E_FAIL;
};

DWORD WINAPI RunTransfer(LPVOID parameter) {
    auto& transfer = *static_cast<Transfer*>(parameter);
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    transfer.result = ::URLDownloadToFileW(nullptr, transfer.url.c_str(), transfer.path.c_str(), 0, nullptr);
    if (SUCCEEDED(com)) ::CoUninitialize();
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

bool DownloadToFile(const std::string& url, const std::string& localPath) {
    Transfer transfer{win32::ToWide(url), win32::ToWide(localPath)};
    win32::UniqueHandle worker(::CreateThread(nullptr, 0, RunTransfer, &transfer, 0, nullptr));
    if (!worker) {
        RunTransfer(&transfer);
        return SUCCEEDED(transfer.result);
    }
    PaintUntilEnded(worker.get());
    // The transfer record lives on this stack: never leave before the worker has.
    ::WaitForSingleObject(worker.get(), INFINITE);
    return SUCCEEDED(transfer.result);
}

}  // namespace os
