#include "os/files.h"

#include <vector>

#include "os/win32/file_time.h"
#include "os/win32/text_mode.h"
#include "os/win32/unique_handle.h"
#include "os/win32/wide.h"
#include "os/win32/windows_api.h"

namespace os {

namespace {

using win32::ToUtf8;
using win32::ToWide;

// The program's text files are a few bytes; anything this large is not one of them.
constexpr LONGLONG kMaxTextFileBytes = 64LL * 1024 * 1024;

// Calls `get(buffer, capacity)` (a GetXxxDirectoryW-style function) until the
// buffer is large enough.
template <class Get>
std::string QueryDirectory(Get get) {
    std::vector<wchar_t> buf(MAX_PATH + 1);
    for (int attempt = 0; attempt < 4; ++attempt) {
        const UINT n = get(buf.data(), static_cast<UINT>(buf.size()));
        if (n == 0) return {};
        if (n < buf.size()) return ToUtf8(std::wstring_view(buf.data(), n));
        buf.resize(n + 1);
    }
    return {};
}

}  // namespace

std::optional<std::string> ReadTextFile(const std::string& path) {
    auto file = win32::FromFileHandle(::CreateFileW(ToWide(path).c_str(),
                                                    GENERIC_READ,
                                                    FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                    nullptr,
                                                    OPEN_EXISTING,
                                                    FILE_ATTRIBUTE_NORMAL,
                                                    nullptr));
    if (!file) return std::nullopt;
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart > kMaxTextFileBytes) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        if (!::ReadFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &got, nullptr))
            return std::nullopt;
        if (got == 0) break;  // the file shrank while we read it
        done += got;
    }
    bytes.resize(done);
    return win32::FromDiskLineEnds(bytes);
}

bool WriteTextFile(const std::string& path, const std::string& content) {
    auto file = win32::FromFileHandle(::CreateFileW(
        ToWide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    const std::string bytes = win32::ToDiskLineEnds(content);
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        if (!::WriteFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &written, nullptr) ||
            written == 0)
            return false;
        done += written;
    }
    return true;
}

bool FileExists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(ToWide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<FileStatus> GetFileStatus(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExW(ToWide(path).c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    FileStatus status;
    status.lastWriteUtc = win32::UnixSecondsFromFileTime(data.ftLastWriteTime);
    status.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return status;
}

bool RenameFile(const std::string& from, const std::string& to) {
    return ::MoveFileW(ToWide(from).c_str(), ToWide(to).c_str()) != 0;
}

bool DeleteFile(const std::string& path) { return ::DeleteFileW(ToWide(path).c_str()) != 0; }

std::string SystemDirectory() {
    return QueryDirectory([](wchar_t* buf, UINT size) { return ::GetSystemDirectoryW(buf, size); });
}

std::string CurrentDirectory() {
    return QueryDirectory([](wchar_t* buf, UINT size) { return static_cast<UINT>(::GetCurrentDirectoryW(size, buf)); });
}

}  // namespace os
