// ECDSA P-256 in the POSIX build: OpenSSL's libcrypto.
#include "os/ecdsa.h"

#if defined(ZEV_HAVE_OPENSSL)
#include <openssl/bn.h>
#include <openssl/ec.h>
#include <openssl/evp.h>
#include <openssl/x509.h>

#include <memory>
#include <vector>
#endif

namespace os {

#if defined(ZEV_HAVE_OPENSSL)

namespace {

struct KeyFree {
    void operator()(EVP_PKEY* k) const { EVP_PKEY_free(k); }
};
struct SigFree {
    void operator()(ECDSA_SIG* s) const { ECDSA_SIG_free(s); }
};
struct ContextFree {
    void operator()(EVP_MD_CTX* c) const { EVP_MD_CTX_free(c); }
};

// The DER SubjectPublicKeyInfo of a P-256 key up to its point.
constexpr std::uint8_t kSpkiPrefix[] = {0x30, 0x59, 0x30, 0x13, 0x06, 0x07, 0x2a, 0x86, 0x48, 0xce, 0x3d, 0x02, 0x01,
                                        0x06, 0x08, 0x2a, 0x86, 0x48, 0xce, 0x3d, 0x03, 0x01, 0x07, 0x03, 0x42, 0x00};

std::unique_ptr<EVP_PKEY, KeyFree> KeyOf(const P256PublicKey& point) {
    std::vector<std::uint8_t> spki(std::begin(kSpkiPrefix), std::end(kSpkiPrefix));
    spki.insert(spki.end(), point.begin(), point.end());
    const unsigned char* p = spki.data();
    return std::unique_ptr<EVP_PKEY, KeyFree>(d2i_PUBKEY(nullptr, &p, static_cast<long>(spki.size())));
}

// OpenSSL checks the DER form of (r, s).
std::vector<unsigned char> DerOf(const P256Signature& raw) {
    std::unique_ptr<ECDSA_SIG, SigFree> sig(ECDSA_SIG_new());
    BIGNUM* r = BN_bin2bn(raw.data(), 32, nullptr);
    BIGNUM* s = BN_bin2bn(raw.data() + 32, 32, nullptr);
    if (!sig || !r || !s || ECDSA_SIG_set0(sig.get(), r, s) != 1) {
        BN_free(r);
        BN_free(s);
        return {};
    }
    const int length = i2d_ECDSA_SIG(sig.get(), nullptr);
    if (length <= 0) return {};
    std::vector<unsigned char> der(static_cast<std::size_t>(length));
    unsigned char* out = der.data();
    i2d_ECDSA_SIG(sig.get(), &out);
    return der;
}

}  // namespace

bool VerifyP256Sha256(const P256PublicKey& key, std::string_view message, const P256Signature& signature) {
    const auto publicKey = KeyOf(key);
    const std::vector<unsigned char> der = DerOf(signature);
    std::unique_ptr<EVP_MD_CTX, ContextFree> ctx(EVP_MD_CTX_new());
    if (!publicKey || der.empty() || !ctx) return false;
    if (EVP_DigestVerifyInit(ctx.get(), nullptr, EVP_sha256(), nullptr, publicKey.get()) != 1) return false;
    return EVP_DigestVerify(ctx.get(),
                            der.data(),
                            der.size(),
                            reinterpret_cast<const unsigned char*>(message.data()),
                            message.size()) == 1;
}

#else

bool VerifyP256Sha256(const P256PublicKey&, std::string_view, const P256Signature&) { return false; }

#endif

}  // namespace os
