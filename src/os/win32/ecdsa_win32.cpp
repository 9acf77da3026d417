// ECDSA P-256 on Windows through the CNG primitives, looked up in bcrypt.dll
// from the system folder (see system_library.h).
#include "os/ecdsa.h"

// The platform headers come first, in the order windows_api.h sets up.
#include "os/win32/windows_api.h"

#include <bcrypt.h>

#include <cstring>
#include <vector>

#include "os/win32/system_library.h"

namespace os {

namespace {

using OpenProvider = NTSTATUS WINAPI(BCRYPT_ALG_HANDLE*, LPCWSTR, LPCWSTR, ULONG);
using CloseProvider = NTSTATUS WINAPI(BCRYPT_ALG_HANDLE, ULONG);
using CreateHash = NTSTATUS WINAPI(BCRYPT_ALG_HANDLE, BCRYPT_HASH_HANDLE*, PUCHAR, ULONG, PUCHAR, ULONG, ULONG);
using HashData = NTSTATUS WINAPI(BCRYPT_HASH_HANDLE, PUCHAR, ULONG, ULONG);
using FinishHash = NTSTATUS WINAPI(BCRYPT_HASH_HANDLE, PUCHAR, ULONG, ULONG);
using DestroyHash = NTSTATUS WINAPI(BCRYPT_HASH_HANDLE);
using ImportKeyPair = NTSTATUS WINAPI(BCRYPT_ALG_HANDLE, BCRYPT_KEY_HANDLE, LPCWSTR, BCRYPT_KEY_HANDLE*, PUCHAR, ULONG,
                                      ULONG);
using VerifySignature = NTSTATUS WINAPI(BCRYPT_KEY_HANDLE, VOID*, PUCHAR, ULONG, PUCHAR, ULONG, ULONG);
using DestroyKey = NTSTATUS WINAPI(BCRYPT_KEY_HANDLE);

constexpr ULONG kCoordinateBytes = 32;

bool ok(NTSTATUS status) { return status >= 0; }

class Bcrypt {
public:
    Bcrypt() : m_library(L"bcrypt.dll") {}

    // The provider of `algorithm`, closed with the returned object.
    struct Provider {
        const Bcrypt& api;
        BCRYPT_ALG_HANDLE handle = nullptr;
        ~Provider() {
            if (handle) api.m_close(handle, 0);
        }
    };

    bool usable() const {
        return m_open && m_close && m_createHash && m_hashData && m_finishHash && m_destroyHash && m_import &&
               m_verify && m_destroyKey;
    }

    bool Sha256(std::string_view message, std::array<UCHAR, kCoordinateBytes>& digest) const {
        Provider provider{*this};
        if (!ok(m_open(&provider.handle, BCRYPT_SHA256_ALGORITHM, nullptr, 0))) return false;
        BCRYPT_HASH_HANDLE hash = nullptr;
        if (!ok(m_createHash(provider.handle, &hash, nullptr, 0, nullptr, 0, 0))) return false;
        auto* bytes = reinterpret_cast<PUCHAR>(const_cast<char*>(message.data()));
        const bool hashed = ok(m_hashData(hash, bytes, static_cast<ULONG>(message.size()), 0)) &&
                            ok(m_finishHash(hash, digest.data(), kCoordinateBytes, 0));
        m_destroyHash(hash);
        return hashed;
    }

    bool Verify(const P256PublicKey& point, std::array<UCHAR, kCoordinateBytes>& digest,
                P256Signature signature) const {
        if (point[0] != 0x04) return false;  // only the uncompressed form
        Provider provider{*this};
        if (!ok(m_open(&provider.handle, BCRYPT_ECDSA_P256_ALGORITHM, nullptr, 0))) return false;
        std::vector<UCHAR> blob(sizeof(BCRYPT_ECCKEY_BLOB) + 2 * kCoordinateBytes);
        const BCRYPT_ECCKEY_BLOB header{BCRYPT_ECDSA_PUBLIC_P256_MAGIC, kCoordinateBytes};
        std::memcpy(blob.data(), &header, sizeof header);
        std::memcpy(blob.data() + sizeof header, point.data() + 1, 2 * kCoordinateBytes);
        BCRYPT_KEY_HANDLE key = nullptr;
        if (!ok(m_import(provider.handle,
                         nullptr,
                         BCRYPT_ECCPUBLIC_BLOB,
                         &key,
                         blob.data(),
                         static_cast<ULONG>(blob.size()),
                         0)))
            return false;
        const bool valid = ok(m_verify(
            key, nullptr, digest.data(), kCoordinateBytes, signature.data(), static_cast<ULONG>(signature.size()), 0));
        m_destroyKey(key);
        return valid;
    }

private:
    win32::SystemLibrary m_library;
    OpenProvider* m_open = m_library.Find<OpenProvider>("BCryptOpenAlgorithmProvider");
    CloseProvider* m_close = m_library.Find<CloseProvider>("BCryptCloseAlgorithmProvider");
    CreateHash* m_createHash = m_library.Find<CreateHash>("BCryptCreateHash");
    HashData* m_hashData = m_library.Find<HashData>("BCryptHashData");
    FinishHash* m_finishHash = m_library.Find<FinishHash>("BCryptFinishHash");
    DestroyHash* m_destroyHash = m_library.Find<DestroyHash>("BCryptDestroyHash");
    ImportKeyPair* m_import = m_library.Find<ImportKeyPair>("BCryptImportKeyPair");
    VerifySignature* m_verify = m_library.Find<VerifySignature>("BCryptVerifySignature");
    DestroyKey* m_destroyKey = m_library.Find<DestroyKey>("BCryptDestroyKey");
};

}  // namespace

bool VerifyP256Sha256(const P256PublicKey& key, std::string_view message, const P256Signature& signature) {
    const Bcrypt api;
    std::array<UCHAR, kCoordinateBytes> digest{};
    return api.usable() && api.Sha256(message, digest) && api.Verify(key, digest, signature);
}

}  // namespace os
