#include "screenshot.h"

#include <windows.h>

#include "e2e_options.h"
#include "poll.h"
#include "wide_text.h"

namespace e2e {
namespace {

constexpr DWORD kScreenshotTimeoutMs = 10000;

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

bool SaveScreenshot(const std::string& name) {
    const std::wstring& dir = options().screenshotDir;
    if (dir.empty()) return false;
    const std::wstring base = dir + L"\\" + ToWide(name);
    const std::wstring picture = base + L".png";
    DeleteFileW(picture.c_str());
    const std::wstring request = base + L".request";
    HANDLE f = CreateFileW(request.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    CloseHandle(f);
    return PollUntil([&] { return Exists(picture); }, kScreenshotTimeoutMs);
}

}  // namespace e2e
