#include "os/files.h"

#include <vector>

#include "os/win32/file_time.h"
#include "os/win32/text_mode.h"
#include "os/win32/unique_handle.h"
#include "os/win32/wide.h"
#include "os/win32/windows_api.h"

#include <bcrypt.h>
#include <sddl.h>

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

// A random number from the system's generator, for names nobody can guess ahead.
bool RandomNumber(unsigned& value) {
    return BCRYPT_SUCCESS(
        ::BCryptGenRandom(nullptr, reinterpret_cast<PUCHAR>(&value), sizeof value, BCRYPT_USE_SYSTEM_PREFERRED_RNG));
}

// Creates or truncates `path` and writes `content`; with `flush`, returns only
// once the bytes are on the disk.
bool WriteWhole(const std::string& path, const std::string& content, bool flush) {
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
    return !flush || ::FlushFileBuffers(file.get());
}

// True also when nothing is there: a path that cannot be looked at is not trusted.
bool IsLinkOrMissing(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(ToWide(path).c_str());
    return attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

bool CopyBytes(HANDLE from, HANDLE to) {
    std::vector<char> chunk(64 * 1024);
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(from, chunk.data(), static_cast<DWORD>(chunk.size()), &got, nullptr)) return false;
        if (got == 0) return true;
        DWORD written = 0;
        if (!::WriteFile(to, chunk.data(), got, &written, nullptr) || written != got) return false;
    }
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path) {
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
    return bytes;
}

std::optional<std::string> ReadTextFile(const std::string& path) {
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) return std::nullopt;
    return win32::FromDiskLineEnds(*bytes);
}

bool WriteTextFile(const std::string& path, const std::string& content) { return WriteWhole(path, content, false); }

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

bool MoveReplacing(const std::string& from, const std::string& to) {
    return ::MoveFileExW(
               ToWide(from).c_str(), ToWide(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool CopyToNewFile(const std::string& from, const std::string& to) {
    const std::size_t slash = from.find_last_of('\\');
    if (slash == std::string::npos || IsLinkOrMissing(from.substr(0, slash)) || IsLinkOrMissing(from)) return false;
    // Opened as it is, not where a link would lead, and checked again on the
    // handle: the name may have become a link since.
    auto source = win32::FromFileHandle(::CreateFileW(ToWide(from).c_str(),
                                                      GENERIC_READ,
                                                      FILE_SHARE_READ,
                                                      nullptr,
                                                      OPEN_EXISTING,
                                                      FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_SEQUENTIAL_SCAN,
                                                      nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!source || !::GetFileInformationByHandle(source.get(), &info)) return false;
    if (info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) return false;
    auto target = win32::FromFileHandle(
        ::CreateFileW(ToWide(to).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!target) return false;
    // The copy must be on the disk before anything is renamed in its favour.
    const bool copied = CopyBytes(source.get(), target.get()) && ::FlushFileBuffers(target.get());
    target.reset();
    if (!copied) ::DeleteFileW(ToWide(to).c_str());
    return copied;
}

bool WriteTextFileAtomically(const std::string& path, const std::string& content) {
    // Beside the target, so the final rename stays on one volume.
    const std::string temporary = path + ".new";
    if (!WriteWhole(temporary, content, true)) {
        ::DeleteFileW(ToWide(temporary).c_str());
        return false;
    }
    if (MoveReplacing(temporary, path)) return true;
    ::DeleteFileW(ToWide(temporary).c_str());
    return false;
}

bool DeleteFile(const std::string& path) { return ::DeleteFileW(ToWide(path).c_str()) != 0; }

std::string SystemDirectory() {
    return QueryDirectory([](wchar_t* buf, UINT size) { return ::GetSystemDirectoryW(buf, size); });
}

std::string CurrentDirectory() {
    return QueryDirectory([](wchar_t* buf, UINT size) { return static_cast<UINT>(::GetCurrentDirectoryW(size, buf)); });
}

std::optional<std::string> CreatePrivateFolder(const std::string& prefix) {
    const std::string temp =
        QueryDirectory([](wchar_t* buf, UINT size) { return static_cast<UINT>(::GetTempPathW(size, buf)); });
    if (temp.empty()) return std::nullopt;
    for (int attempt = 0; attempt < 8; ++attempt) {
        unsigned random = 0;
        if (!RandomNumber(random)) return std::nullopt;
        std::string folder = temp;
        if (folder.back() != '\\') folder += '\\';
        folder += prefix + "-" + std::to_string(random % 100000000u);
        // A folder that exists already (or a planted link) is never taken over.
        if (::CreateDirectoryW(ToWide(folder).c_str(), nullptr)) return folder;
        if (::GetLastError() != ERROR_ALREADY_EXISTS) return std::nullopt;
    }
    return std::nullopt;
}

bool CreateAdminOnlyFolder(const std::string& path) {
    // Full control for the system and the administrators, reading for users;
    // nothing inherited from the folder above, whose rights may be weaker.
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(
            L"D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;GRGX;;;BU)", SDDL_REVISION_1, &descriptor, nullptr))
        return false;
    SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor, FALSE};
    const bool created = ::CreateDirectoryW(ToWide(path).c_str(), &attributes) != 0;
    ::LocalFree(descriptor);
    return created;
}

bool RemovePrivateFolder(const std::string& folder) {
    WIN32_FIND_DATAW found{};
    HANDLE search = ::FindFirstFileW(ToWide(folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
                ::DeleteFileW((ToWide(folder) + L"\\" + found.cFileName).c_str());
            }
        } while (::FindNextFileW(search, &found));
        ::FindClose(search);
    }
    return ::RemoveDirectoryW(ToWide(folder).c_str()) != 0;
}

}  // namespace os
