// What an Authenticode signature must prove before a driver file counts as
// validly signed: a chain the system trusts, not revoked as far as the system
// can tell (revocation lists are fetched, but for a bounded time: an offline
// machine still updates, and the check cannot hang), and, when the build
// names one (ZEV_DRIVER_SIGNER), the maker's own signer.
#pragma once

#include "os/signature.h"

// The platform headers come first, in the order windows_api.h sets up.
#include "os/win32/windows_api.h"

#include <wintrust.h>

namespace os::win32 {

// Sets the revocation part of a WinVerifyTrust request.
void RequestRevocationCheck(WINTRUST_DATA& data);

// The verdict on a WinVerifyTrust verify call's `status`, asked while its
// state (`stateData`) is still open.
Signature JudgeTrust(LONG status, HANDLE stateData);

}  // namespace os::win32
