// Where the update server is.
#pragma once

#include <string>
#include <string_view>

namespace update {

inline constexpr std::string_view kDefaultUpdateServer = "https://update.brenlato.example";
inline constexpr const char* kUpdateServerVariable = "ZEV_UPDATE_URL";

// Scheme and host (and optionally a port or a leading path) in front of the
// server's paths: ZEV_UPDATE_URL when it is set and not empty, else the
// maker's server. A trailing "/" is dropped, since every path starts with one.
std::string UpdateServerBase();

}  // namespace update
