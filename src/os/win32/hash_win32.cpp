// SHA-256 on Windows through the CNG primitives (BCrypt).
#include "os/hash.h"

#include <array>
#include <vector>

#include "os/win32/bcrypt_api.h"
#include "os/win32/wide.h"

namespace os {

namespace {

constexpr ULONG kSha256Bytes = 32;

bool ok(NTSTATUS status) { return status >= 0; }

std::string hexOf(const std::array<UCHAR, kSha256Bytes>& bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (UCHAR b : bytes) {
        hex.push_back(kDigits[b >> 4]);
        hex.push_back(kDigits[b & 15u]);
    }
    return hex;
}

}  // namespace

std::optional<std::string> Sha256OfFile(const std::string& path) {
    auto file = win32::FromFileHandle(::CreateFileW(win32::ToWide(path).c_str(),
                                                    GENERIC_READ,
                                                    FILE_SHARE_READ,
                                                    nullptr,
                                                    OPEN_EXISTING,
                                                    FILE_FLAG_SEQUENTIAL_SCAN,
                                                    nullptr));
    const win32::BcryptApi& api = win32::Bcrypt();
    if (!file || !api.complete) return std::nullopt;

    BCRYPT_ALG_HANDLE rawAlgorithm = nullptr;
    if (!ok(api.BCryptOpenAlgorithmProvider(&rawAlgorithm, BCRYPT_SHA256_ALGORITHM, nullptr, 0))) return std::nullopt;
    win32::UniqueAlgorithm algorithm(rawAlgorithm);
    BCRYPT_HASH_HANDLE rawHash = nullptr;
    if (!ok(api.BCryptCreateHash(algorithm.get(), &rawHash, nullptr, 0, nullptr, 0, 0))) return std::nullopt;
    win32::UniqueHash hash(rawHash);

    std::vector<UCHAR> chunk(64 * 1024);
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(file.get(), chunk.data(), static_cast<DWORD>(chunk.size()), &got, nullptr)) return std::nullopt;
        if (got == 0) break;
        if (!ok(api.BCryptHashData(hash.get(), chunk.data(), got, 0))) return std::nullopt;
    }
    std::array<UCHAR, kSha256Bytes> digest{};
    if (!ok(api.BCryptFinishHash(hash.get(), digest.data(), kSha256Bytes, 0))) return std::nullopt;
    return hexOf(digest);
}

}  // namespace os
