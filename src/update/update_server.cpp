#include "update/update_server.h"

#include <algorithm>
#include <cctype>

#include "os/policy.h"

namespace update {

namespace {

std::string LowerCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// "http://127.0.0.1:PORT", optionally followed by a path. The host is compared
// whole, so "127.0.0.1.example.net" is not mistaken for it.
bool IsLoopbackTestServer(const std::string& base) {
    constexpr std::string_view kPrefix = "http://127.0.0.1:";
    if (LowerCase(base.substr(0, kPrefix.size())) != kPrefix) return false;
    const std::size_t portEnd = std::min(base.find('/', kPrefix.size()), base.size());
    const std::string port = base.substr(kPrefix.size(), portEnd - kPrefix.size());
    return !port.empty() && port.size() <= 5 &&
           std::all_of(port.begin(), port.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}

}  // namespace

std::string UpdateServerBase() {
    const std::optional<std::string> mirror = os::MachinePolicyText(kUpdatePolicyKey, kUpdatePolicyValue);
    std::string base = (mirror && !mirror->empty()) ? *mirror : std::string(kDefaultUpdateServer);
    while (!base.empty() && base.back() == '/') base.pop_back();
    return base;
}

std::optional<std::string> ServerAddressProblem(const std::string& base) {
    constexpr std::string_view kSecure = "https://";
    if (LowerCase(base.substr(0, kSecure.size())) == kSecure && base.size() > kSecure.size()) return std::nullopt;
    if (IsLoopbackTestServer(base)) return std::nullopt;
    return std::string("HKLM\\SOFTWARE\\Policies\\") + kUpdatePolicyKey + "\\" + kUpdatePolicyValue +
           ": the update server must be an https:// address (http:// only as http://127.0.0.1:PORT for a test " +
           "server); \"" + base + "\" is not one, so no update can be fetched.";
}

}  // namespace update
