// Administrator rights on Windows: the token's elevation, and "runas" on the
// program's own executable for a copy that has them.
#include "os/elevation.h"

#include <vector>

#include "os/win32/unique_handle.h"
#include "os/win32/wide.h"
#include "os/win32/windows_api.h"

namespace os {

namespace {

std::wstring OwnExecutable() {
    std::vector<wchar_t> path(MAX_PATH + 1);
    for (int attempt = 0; attempt < 4; ++attempt) {
        const DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) return std::wstring(path.data(), n);
        path.resize(path.size() * 2);
    }
    return {};
}

// Keeps the windows painted until `process` ends or `waitMs` is over.
bool PaintUntilEnded(HANDLE process, unsigned waitMs) {
    const ULONGLONG start = ::GetTickCount64();
    for (;;) {
        const ULONGLONG spent = ::GetTickCount64() - start;
        if (spent >= waitMs) return false;
        const DWORD woke = ::MsgWaitForMultipleObjects(
            1, &process, FALSE, static_cast<DWORD>(waitMs - spent), QS_PAINT | QS_SENDMESSAGE);
        if (woke == WAIT_OBJECT_0) return true;
        if (woke != WAIT_OBJECT_0 + 1) return false;
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) ::DispatchMessageW(&msg);
    }
}

}  // namespace

bool IsElevated() {
    HANDLE raw = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &raw)) return false;
    const win32::UniqueHandle token(raw);
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    return ::GetTokenInformation(token.get(), TokenElevation, &elevation, sizeof elevation, &size) &&
           elevation.TokenIsElevated != 0;
}

ElevatedRun RunElevatedCopy(const std::string& arguments, unsigned waitMs) {
    const std::wstring program = OwnExecutable();
    const std::wstring parameters = win32::ToWide(arguments);
    if (program.empty()) return {};
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    info.lpVerb = L"runas";
    info.lpFile = program.c_str();
    info.lpParameters = parameters.c_str();
    info.nShow = SW_HIDE;
    if (!::ShellExecuteExW(&info)) {
        return {::GetLastError() == ERROR_CANCELLED ? ElevatedRun::Outcome::Declined : ElevatedRun::Outcome::Failed, 0};
    }
    if (!info.hProcess) return {};
    const win32::UniqueHandle process(info.hProcess);
    if (!PaintUntilEnded(process.get(), waitMs)) return {};
    DWORD exitCode = 0;
    if (!::GetExitCodeProcess(process.get(), &exitCode)) return {};
    return {ElevatedRun::Outcome::Ended, static_cast<unsigned>(exitCode)};
}

}  // namespace os
