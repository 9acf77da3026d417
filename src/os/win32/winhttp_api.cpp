#include "os/win32/winhttp_api.h"

namespace os::win32 {

const WinHttpApi& WinHttp() {
    static const WinHttpApi api;
    return api;
}

}  // namespace os::win32
