// The chain request below bounds its own wait for revocation lists.
#define CERT_CHAIN_PARA_HAS_EXTRA_FIELDS
#include "os/win32/signer_policy.h"

#include <softpub.h>

#include <string>

#include "os/win32/system_library.h"
#include "os/win32/wide.h"

namespace os::win32 {

namespace {

using ProviderDataOf = CRYPT_PROVIDER_DATA* WINAPI(HANDLE);
using SignerOf = CRYPT_PROVIDER_SGNR* WINAPI(CRYPT_PROVIDER_DATA*, DWORD, BOOL, DWORD);
using NameStringOf = DWORD WINAPI(PCCERT_CONTEXT, DWORD, DWORD, void*, LPWSTR, DWORD);
using ChainOf = BOOL WINAPI(HCERTCHAINENGINE, PCCERT_CONTEXT, LPFILETIME, HCERTSTORE, PCERT_CHAIN_PARA, DWORD, void*,
                            PCCERT_CHAIN_CONTEXT*);
using FreeChainOf = void WINAPI(PCCERT_CHAIN_CONTEXT);

// All revocation lists of one signer's chain together may take this long to
// fetch, so that an offline or captive network costs the update no more than
// that (where the chain engine honours it: Wine's passes it on to no fetch).
constexpr DWORD kRevocationFetchMs = 10000;

#if defined(ZEV_DRIVER_SIGNER)
constexpr const char* kPinnedSigner = ZEV_DRIVER_SIGNER;
#else
constexpr const char* kPinnedSigner = "";
#endif

// The first signer of the file, with its certificate, or nullptr.
const CRYPT_PROVIDER_SGNR* FirstSigner(HANDLE stateData) {
    const SystemLibrary wintrust(L"wintrust.dll");
    auto* providerData = wintrust.Find<ProviderDataOf>("WTHelperProvDataFromStateData");
    auto* signerOf = wintrust.Find<SignerOf>("WTHelperGetProvSignerFromChain");
    if (!providerData || !signerOf) return nullptr;
    CRYPT_PROVIDER_DATA* data = providerData(stateData);
    const CRYPT_PROVIDER_SGNR* signer = data ? signerOf(data, 0, FALSE, 0) : nullptr;
    if (!signer || signer->csCertChain == 0 || !signer->pasCertChain || !signer->pasCertChain[0].pCert) return nullptr;
    return signer;
}

// The common name of the certificate that signed the file, or "".
std::wstring SignerName(const CRYPT_PROVIDER_SGNR& signer) {
    const SystemLibrary crypt32(L"crypt32.dll");
    auto* nameOf = crypt32.Find<NameStringOf>("CertGetNameStringW");
    if (!nameOf) return {};
    wchar_t name[256] = {};
    nameOf(signer.pasCertChain[0].pCert,
           CERT_NAME_ATTR_TYPE,
           0,
           const_cast<char*>(szOID_COMMON_NAME),
           name,
           static_cast<DWORD>(std::size(name)));
    return name;
}

// The signer's chain built again, at the time the trust provider judged it,
// with its revocation lists fetched (within kRevocationFetchMs). Not every
// trust provider asks its chain engine for revocation, and not every one
// refuses a root nobody trusts: this chain must show no fault of its own,
// except that revocation could not be learnt.
bool ChainHolds(const CRYPT_PROVIDER_SGNR& signer) {
    const SystemLibrary crypt32(L"crypt32.dll");
    auto* chainOf = crypt32.Find<ChainOf>("CertGetCertificateChain");
    auto* freeChain = crypt32.Find<FreeChainOf>("CertFreeCertificateChain");
    if (!chainOf || !freeChain) return false;
    const PCCERT_CONTEXT certificate = signer.pasCertChain[0].pCert;
    CERT_CHAIN_PARA para{};
    para.cbSize = sizeof para;
    para.dwUrlRetrievalTimeout = kRevocationFetchMs;
    FILETIME at = signer.sftVerifyAsOf;
    PCCERT_CHAIN_CONTEXT chain = nullptr;
    const DWORD flags = CERT_CHAIN_REVOCATION_CHECK_CHAIN_EXCLUDE_ROOT | CERT_CHAIN_REVOCATION_ACCUMULATIVE_TIMEOUT;
    if (!chainOf(nullptr, certificate, &at, certificate->hCertStore, &para, flags, nullptr, &chain) || !chain) {
        return false;
    }
    const DWORD unknownRevocation = CERT_TRUST_REVOCATION_STATUS_UNKNOWN | CERT_TRUST_IS_OFFLINE_REVOCATION;
    const bool holds = (chain->TrustStatus.dwErrorStatus & ~unknownRevocation) == 0;
    freeChain(chain);
    return holds;
}

}  // namespace

void RequestRevocationCheck(WINTRUST_DATA& data) {
    data.fdwRevocationChecks = WTD_REVOKE_WHOLECHAIN;
    data.dwProvFlags = WTD_CACHE_ONLY_URL_RETRIEVAL | WTD_REVOCATION_CHECK_CHAIN_EXCLUDE_ROOT;
}

Signature JudgeTrust(LONG status, HANDLE stateData) {
    switch (status) {
        case ERROR_SUCCESS:
        // The chain holds, and nothing the system has at hand says whether a
        // certificate was revoked (the trust provider reports that only when
        // no worse fault was found): an offline machine still updates.
        case CERT_E_REVOCATION_FAILURE:
        case CRYPT_E_REVOCATION_OFFLINE:
        case CRYPT_E_NO_REVOCATION_CHECK: {
            const CRYPT_PROVIDER_SGNR* signer = FirstSigner(stateData);
            if (!signer || !ChainHolds(*signer)) return Signature::Invalid;
            if (*kPinnedSigner == '\0' || SignerName(*signer) == ToWide(kPinnedSigner)) return Signature::Valid;
            return Signature::Invalid;
        }
        case TRUST_E_NOSIGNATURE:
        case TRUST_E_SUBJECT_FORM_UNKNOWN:
        case TRUST_E_PROVIDER_UNKNOWN: return Signature::None;
        default: return Signature::Invalid;  // revoked, tampered, untrusted, expired
    }
}

}  // namespace os::win32
