// Authenticode through WinVerifyTrust: the file's embedded signature, its chain
// to a trusted root, no user interface and no network fetch of revocation lists
// (the spooler is stopped while this runs; the check must not hang on the net).
#include "os/signature.h"

// The platform headers come first, in the order windows_api.h sets up.
#include "os/win32/windows_api.h"

#include <softpub.h>
#include <wintrust.h>

#include "os/win32/system_library.h"
#include "os/win32/wide.h"

namespace os {

Signature FileSignature(const std::string& path) {
    // wintrust.dll is not a KnownDLL: from the system folder only. A check
    // that cannot run proves nothing.
    const win32::SystemLibrary wintrust(L"wintrust.dll");
    auto* verifyTrust = wintrust.Find<decltype(::WinVerifyTrust)>("WinVerifyTrust");
    if (!verifyTrust) return Signature::Invalid;
    const std::wstring wide = win32::ToWide(path);
    WINTRUST_FILE_INFO file{};
    file.cbStruct = sizeof file;
    file.pcwszFilePath = wide.c_str();
    WINTRUST_DATA data{};
    data.cbStruct = sizeof data;
    data.dwUIChoice = WTD_UI_NONE;
    data.fdwRevocationChecks = WTD_REVOKE_NONE;
    data.dwUnionChoice = WTD_CHOICE_FILE;
    data.pFile = &file;
    data.dwStateAction = WTD_STATEACTION_VERIFY;
    data.dwProvFlags = WTD_CACHE_ONLY_URL_RETRIEVAL;
    GUID action = WINTRUST_ACTION_GENERIC_VERIFY_V2;
    const LONG status = verifyTrust(static_cast<HWND>(INVALID_HANDLE_VALUE), &action, &data);
    data.dwStateAction = WTD_STATEACTION_CLOSE;
    verifyTrust(static_cast<HWND>(INVALID_HANDLE_VALUE), &action, &data);
    switch (status) {
        case ERROR_SUCCESS: return Signature::Valid;
        case TRUST_E_NOSIGNATURE:
        case TRUST_E_SUBJECT_FORM_UNKNOWN:
        case TRUST_E_PROVIDER_UNKNOWN: return Signature::None;
        default: return Signature::Invalid;
    }
}

}  // namespace os
