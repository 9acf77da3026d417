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

#if defined(ZEV_DRIVER_SIGNER)
constexpr const char* kPinnedSigner = ZEV_DRIVER_SIGNER;
#else
constexpr const char* kPinnedSigner = "";
#endif

// The common name of the certificate that signed the file, or "".
std::wstring SignerName(HANDLE stateData) {
    const SystemLibrary wintrust(L"wintrust.dll");
    const SystemLibrary crypt32(L"crypt32.dll");
    auto* providerData = wintrust.Find<ProviderDataOf>("WTHelperProvDataFromStateData");
    auto* signerOf = wintrust.Find<SignerOf>("WTHelperGetProvSignerFromChain");
    auto* nameOf = crypt32.Find<NameStringOf>("CertGetNameStringW");
    if (!providerData || !signerOf || !nameOf) return {};
    CRYPT_PROVIDER_DATA* data = providerData(stateData);
    const CRYPT_PROVIDER_SGNR* signer = data ? signerOf(data, 0, FALSE, 0) : nullptr;
    if (!signer || signer->csCertChain == 0 || !signer->pasCertChain || !signer->pasCertChain[0].pCert) return {};
    wchar_t name[256] = {};
    nameOf(signer->pasCertChain[0].pCert,
           CERT_NAME_ATTR_TYPE,
           0,
           const_cast<char*>(szOID_COMMON_NAME),
           name,
           static_cast<DWORD>(std::size(name)));
    return name;
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
        case CRYPT_E_NO_REVOCATION_CHECK:
            if (*kPinnedSigner == '\0' || SignerName(stateData) == ToWide(kPinnedSigner)) return Signature::Valid;
            return Signature::Invalid;
        case TRUST_E_NOSIGNATURE:
        case TRUST_E_SUBJECT_FORM_UNKNOWN:
        case TRUST_E_PROVIDER_UNKNOWN: return Signature::None;
        default: return Signature::Invalid;  // revoked, tampered, untrusted, expired
    }
}

}  // namespace os::win32
