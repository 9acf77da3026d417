// Content hashes computed by the platform's own cryptography.
#pragma once

#include <optional>
#include <string>

namespace os {

// SHA-256 of the file's bytes as 64 lower-case hexadecimal digits; nullopt
// when the file cannot be read or the platform offers no SHA-256.
std::optional<std::string> Sha256OfFile(const std::string& path);

}  // namespace os
