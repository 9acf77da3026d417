#include "update/update_server.h"

#include <cstdlib>

namespace update {

std::string UpdateServerBase() {
    const char* configured = std::getenv(kUpdateServerVariable);
    std::string base = (configured && *configured) ? configured : std::string(kDefaultUpdateServer);
    while (!base.empty() && base.back() == '/') base.pop_back();
    return base;
}

}  // namespace update
