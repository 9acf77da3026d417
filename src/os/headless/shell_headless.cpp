#include "os/headless/machine.h"
#include "os/shell.h"

namespace os {

void ShellOpen(const std::string& verb, const std::string& file, const std::string& parameters,
               const std::string& directory, int showCmd) {
    headless::machine().shellCalls.push_back({verb, file, parameters, directory, showCmd});
}

}  // namespace os
