// The CNG primitives this program uses. bcrypt.dll is not a KnownDLL, so it
// is loaded from the system folder (once, for the life of the process) and
// never imported.
#pragma once

// The platform headers come first, in the order windows_api.h sets up.
#include "os/win32/windows_api.h"

#include <bcrypt.h>

#include "os/win32/system_library.h"
#include "os/win32/unique_handle.h"

namespace os::win32 {

struct BcryptApi {
    SystemLibrary library{L"bcrypt.dll"};
    bool complete = true;  // false when the library or any entry below is missing
    ZEV_SYSTEM_ENTRY(library, complete, BCryptOpenAlgorithmProvider);
    ZEV_SYSTEM_ENTRY(library, complete, BCryptCloseAlgorithmProvider);
    ZEV_SYSTEM_ENTRY(library, complete, BCryptCreateHash);
    ZEV_SYSTEM_ENTRY(library, complete, BCryptDestroyHash);
    ZEV_SYSTEM_ENTRY(library, complete, BCryptHashData);
    ZEV_SYSTEM_ENTRY(library, complete, BCryptFinishHash);
    ZEV_SYSTEM_ENTRY(library, complete, BCryptGenRandom);
    ZEV_SYSTEM_ENTRY(library, complete, BCryptImportKeyPair);
    ZEV_SYSTEM_ENTRY(library, complete, BCryptVerifySignature);
    ZEV_SYSTEM_ENTRY(library, complete, BCryptDestroyKey);
};

const BcryptApi& Bcrypt();

struct CloseAlgorithm {
    void operator()(BCRYPT_ALG_HANDLE h) const { Bcrypt().BCryptCloseAlgorithmProvider(h, 0); }
};
struct DestroyHash {
    void operator()(BCRYPT_HASH_HANDLE h) const { Bcrypt().BCryptDestroyHash(h); }
};
struct DestroyKey {
    void operator()(BCRYPT_KEY_HANDLE h) const { Bcrypt().BCryptDestroyKey(h); }
};
using UniqueAlgorithm = Unique<BCRYPT_ALG_HANDLE, CloseAlgorithm>;
using UniqueHash = Unique<BCRYPT_HASH_HANDLE, DestroyHash>;
using UniqueKey = Unique<BCRYPT_KEY_HANDLE, DestroyKey>;

}  // namespace os::win32
