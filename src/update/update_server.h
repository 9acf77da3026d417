// Where the update server is.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace update {

inline constexpr std::string_view kDefaultUpdateServer = "https://update.brenlato.example";
// An administrator's mirror: a policy value, which only administrators can
// write. Nothing the user's own programs can set (their environment, HKCU)
// chooses where driver files come from.
inline constexpr const char* kUpdatePolicyKey = "BRENLATO\\ZEV Status";
inline constexpr const char* kUpdatePolicyValue = "UpdateUrl";

// Scheme and host (and optionally a port or a leading path) in front of the
// server's paths: the policy value when it is set and not empty, else the
// maker's server. A trailing "/" is dropped, since every path starts with one.
std::string UpdateServerBase();

// Why `base` cannot be used as the update server, or nullopt when it can: an
// https:// address, or plain http:// only on this computer's loopback address
// with a port (a test server); every other scheme and host is refused.
std::optional<std::string> ServerAddressProblem(const std::string& base);

}  // namespace update
