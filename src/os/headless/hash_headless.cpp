// SHA-256 in the POSIX build: OpenSSL's libcrypto over the simulated machine's files.
#include "os/hash.h"

#include "os/headless/machine.h"

#if defined(ZEV_HAVE_OPENSSL)
#include <openssl/evp.h>

#include <array>
#include <fstream>
#include <memory>
#endif

namespace os {

#if defined(ZEV_HAVE_OPENSSL)

namespace {

struct DigestContextFree {
    void operator()(EVP_MD_CTX* c) const { EVP_MD_CTX_free(c); }
};

std::string hexOf(const unsigned char* bytes, unsigned length) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(length * 2u);
    for (unsigned i = 0; i < length; ++i) {
        hex.push_back(kDigits[bytes[i] >> 4]);
        hex.push_back(kDigits[bytes[i] & 15u]);
    }
    return hex;
}

}  // namespace

std::optional<std::string> Sha256OfFile(const std::string& path) {
    std::ifstream in(headless::machine().hostPath(path), std::ios::binary);
    if (!in) return std::nullopt;
    std::unique_ptr<EVP_MD_CTX, DigestContextFree> ctx(EVP_MD_CTX_new());
    if (!ctx || EVP_DigestInit_ex(ctx.get(), EVP_sha256(), nullptr) != 1) return std::nullopt;
    std::array<char, 64 * 1024> chunk{};
    while (in) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        const auto got = static_cast<std::size_t>(in.gcount());
        if (got > 0 && EVP_DigestUpdate(ctx.get(), chunk.data(), got) != 1) return std::nullopt;
    }
    if (in.bad()) return std::nullopt;
    std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
    unsigned length = 0;
    if (EVP_DigestFinal_ex(ctx.get(), digest.data(), &length) != 1) return std::nullopt;
    return hexOf(digest.data(), length);
}

#else

std::optional<std::string> Sha256OfFile(const std::string&) { return std::nullopt; }

#endif

}  // namespace os
