// Signatures made with an ECDSA key on the P-256 curve over SHA-256, checked by
// the platform's own cryptography.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace os {

using P256PublicKey = std::array<std::uint8_t, 65>;  // uncompressed point: 0x04, X, Y
using P256Signature = std::array<std::uint8_t, 64>;  // r, then s, 32 big-endian bytes each

// True only when `signature` was made over `message` with the private half of
// `key`; false for anything else, a malformed key included.
bool VerifyP256Sha256(const P256PublicKey& key, std::string_view message, const P256Signature& signature);

}  // namespace os
