// The WinHTTP entry points the downloads use. winhttp.dll is not a KnownDLL,
// so it is loaded from the system folder (once, for the life of the process)
// and never imported.
#pragma once

// The platform headers come first, in the order windows_api.h sets up.
#include "os/win32/windows_api.h"

#include <winhttp.h>

#include "os/win32/system_library.h"
#include "os/win32/unique_handle.h"

namespace os::win32 {

struct WinHttpApi {
    SystemLibrary library{L"winhttp.dll"};
    bool complete = true;  // false when the library or any entry below is missing
    ZEV_SYSTEM_ENTRY(library, complete, WinHttpOpen);
    ZEV_SYSTEM_ENTRY(library, complete, WinHttpCloseHandle);
    ZEV_SYSTEM_ENTRY(library, complete, WinHttpCrackUrl);
    ZEV_SYSTEM_ENTRY(library, complete, WinHttpSetTimeouts);
    ZEV_SYSTEM_ENTRY(library, complete, WinHttpSetOption);
    ZEV_SYSTEM_ENTRY(library, complete, WinHttpConnect);
    ZEV_SYSTEM_ENTRY(library, complete, WinHttpOpenRequest);
    ZEV_SYSTEM_ENTRY(library, complete, WinHttpSendRequest);
    ZEV_SYSTEM_ENTRY(library, complete, WinHttpReceiveResponse);
    ZEV_SYSTEM_ENTRY(library, complete, WinHttpQueryHeaders);
    ZEV_SYSTEM_ENTRY(library, complete, WinHttpQueryDataAvailable);
    ZEV_SYSTEM_ENTRY(library, complete, WinHttpReadData);
    ZEV_SYSTEM_ENTRY(library, complete, WinHttpGetIEProxyConfigForCurrentUser);
    ZEV_SYSTEM_ENTRY(library, complete, WinHttpGetProxyForUrl);
    ZEV_SYSTEM_ENTRY(library, complete, WinHttpQueryAuthSchemes);
    ZEV_SYSTEM_ENTRY(library, complete, WinHttpSetCredentials);
};

const WinHttpApi& WinHttp();

struct CloseInternet {
    void operator()(HINTERNET h) const { WinHttp().WinHttpCloseHandle(h); }
};
using UniqueInternet = Unique<HINTERNET, CloseInternet>;

}  // namespace os::win32
