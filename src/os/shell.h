// Handing documents and links to the shell.
#pragma once

#include <string>

namespace os {

// ShellExecute with the given verb; the result is deliberately not reported.
void ShellOpen(const std::string& verb, const std::string& file, const std::string& parameters,
               const std::string& directory, int showCmd);

}  // namespace os
