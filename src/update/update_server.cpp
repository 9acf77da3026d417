#include "update/update_server.h"

#include <cctype>
#include <cstdlib>

namespace update {

std::string UpdateServerBase() {
    const char* configured = std::getenv(kUpdateServerVariable);
    std::string base = (configured && *configured) ? configured : std::string(kDefaultUpdateServer);
    while (!base.empty() && base.back() == '/') base.pop_back();
    return base;
}

}  // namespace update

namespace update {

std::optional<std::string> ServerAddressProblem(const std::string& base) {
    const std::size_t colon = base.find("://");
    std::string scheme = base.substr(0, colon == std::string::npos ? 0 : colon);
    for (char& c : scheme) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (scheme == "https" && base.size() > colon + 3) return std::nullopt;
    if (scheme == "http" && base.size() > colon + 3) {
        const char* configured = std::getenv(kUpdateServerVariable);
        if (configured && *configured) return std::nullopt;
    }
    return std::string(kUpdateServerVariable) + ": the update server must be an https:// address (http:// only " +
           "for a test server); \"" + base + "\" is not one, so no update can be fetched.";
}

}  // namespace update
