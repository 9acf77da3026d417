// Authenticode through WinVerifyTrust: the file's embedded signature and its
// chain to a trusted root, judged as signer_policy.h says, without any user
// interface.
#include "os/signature.h"

// The platform headers come first, in the order windows_api.h sets up.
#include "os/win32/windows_api.h"

#include <softpub.h>
#include <wintrust.h>

#include "os/win32/signer_policy.h"
#include "os/win32/wide.h"

namespace os {

Signature FileSignature(const std::string& path) {
    const std::wstring wide = win32::ToWide(path);
    WINTRUST_FILE_INFO file{};
    file.cbStruct = sizeof file;
    file.pcwszFilePath = wide.c_str();
    WINTRUST_DATA data{};
    data.cbStruct = sizeof data;
    data.dwUIChoice = WTD_UI_NONE;
    data.dwUnionChoice = WTD_CHOICE_FILE;
    data.pFile = &file;
    data.dwStateAction = WTD_STATEACTION_VERIFY;
    win32::RequestRevocationCheck(data);
    GUID action = WINTRUST_ACTION_GENERIC_VERIFY_V2;
    const LONG status = ::WinVerifyTrust(static_cast<HWND>(INVALID_HANDLE_VALUE), &action, &data);
    const Signature judged = win32::JudgeTrust(status, data.hWVTStateData);
    data.dwStateAction = WTD_STATEACTION_CLOSE;
    ::WinVerifyTrust(static_cast<HWND>(INVALID_HANDLE_VALUE), &action, &data);
    return judged;
}

}  // namespace os
