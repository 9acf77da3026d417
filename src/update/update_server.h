// Where the update server is.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace update {

inline constexpr std::string_view kDefaultUpdateServer = "https://update.brenlato.example";
inline constexpr const char* kUpdateServerVariable = "ZEV_UPDATE_URL";

// Scheme and host (and optionally a port or a leading path) in front of the
// server's paths: ZEV_UPDATE_URL when it is set and not empty, else the
// maker's server. A trailing "/" is dropped, since every path starts with one.
std::string UpdateServerBase();

// Why `base` cannot be used as the update server, or nullopt when it can: the
// maker's server speaks https; a plain http address is only taken from
// ZEV_UPDATE_URL (a test or a local mirror), and every other scheme (file:,
// ftp: and the like) is refused.
std::optional<std::string> ServerAddressProblem(const std::string& base);

}  // namespace update
