// ECDSA P-256 on Windows through the CNG primitives, from bcrypt.dll in the
// system folder (see bcrypt_api.h).
#include "os/ecdsa.h"

#include <cstring>
#include <optional>
#include <vector>

#include "os/win32/bcrypt_api.h"

namespace os {

namespace {

constexpr ULONG kCoordinateBytes = 32;
using Digest = std::array<UCHAR, kCoordinateBytes>;

bool ok(NTSTATUS status) { return status >= 0; }

std::optional<Digest> Sha256Of(const win32::BcryptApi& api, std::string_view message) {
    BCRYPT_ALG_HANDLE rawAlgorithm = nullptr;
    if (!ok(api.BCryptOpenAlgorithmProvider(&rawAlgorithm, BCRYPT_SHA256_ALGORITHM, nullptr, 0))) return std::nullopt;
    const win32::UniqueAlgorithm algorithm(rawAlgorithm);
    BCRYPT_HASH_HANDLE rawHash = nullptr;
    if (!ok(api.BCryptCreateHash(algorithm.get(), &rawHash, nullptr, 0, nullptr, 0, 0))) return std::nullopt;
    const win32::UniqueHash hash(rawHash);
    auto* bytes = reinterpret_cast<PUCHAR>(const_cast<char*>(message.data()));
    Digest digest{};
    if (!ok(api.BCryptHashData(hash.get(), bytes, static_cast<ULONG>(message.size()), 0))) return std::nullopt;
    if (!ok(api.BCryptFinishHash(hash.get(), digest.data(), kCoordinateBytes, 0))) return std::nullopt;
    return digest;
}

// The key as CNG takes a public P-256 point: its header, then X and Y.
std::vector<UCHAR> PublicKeyBlob(const P256PublicKey& point) {
    std::vector<UCHAR> blob(sizeof(BCRYPT_ECCKEY_BLOB) + 2 * kCoordinateBytes);
    const BCRYPT_ECCKEY_BLOB header{BCRYPT_ECDSA_PUBLIC_P256_MAGIC, kCoordinateBytes};
    std::memcpy(blob.data(), &header, sizeof header);
    std::memcpy(blob.data() + sizeof header, point.data() + 1, 2 * kCoordinateBytes);
    return blob;
}

bool SignatureHolds(const win32::BcryptApi& api, const P256PublicKey& point, Digest digest, P256Signature signature) {
    if (point[0] != 0x04) return false;  // only the uncompressed form
    BCRYPT_ALG_HANDLE rawAlgorithm = nullptr;
    if (!ok(api.BCryptOpenAlgorithmProvider(&rawAlgorithm, BCRYPT_ECDSA_P256_ALGORITHM, nullptr, 0))) return false;
    const win32::UniqueAlgorithm algorithm(rawAlgorithm);
    std::vector<UCHAR> blob = PublicKeyBlob(point);
    BCRYPT_KEY_HANDLE rawKey = nullptr;
    if (!ok(api.BCryptImportKeyPair(
            algorithm.get(), nullptr, BCRYPT_ECCPUBLIC_BLOB, &rawKey, blob.data(), static_cast<ULONG>(blob.size()), 0)))
        return false;
    const win32::UniqueKey key(rawKey);
    return ok(api.BCryptVerifySignature(key.get(),
                                        nullptr,
                                        digest.data(),
                                        kCoordinateBytes,
                                        signature.data(),
                                        static_cast<ULONG>(signature.size()),
                                        0));
}

}  // namespace

bool VerifyP256Sha256(const P256PublicKey& key, std::string_view message, const P256Signature& signature) {
    const win32::BcryptApi& api = win32::Bcrypt();
    if (!api.complete) return false;
    const std::optional<Digest> digest = Sha256Of(api, message);
    return digest && SignatureHolds(api, key, *digest, signature);
}

}  // namespace os
