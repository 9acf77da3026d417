#include "os/win32/bcrypt_api.h"

namespace os::win32 {

const BcryptApi& Bcrypt() {
    static const BcryptApi api;
    return api;
}

}  // namespace os::win32
