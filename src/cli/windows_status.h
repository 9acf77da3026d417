// `ZevStatus.exe --status ...`: the status tool inside the Windows program.
#pragma once

#include <optional>

namespace cli {

// Runs the tool on the caller's console when the command line asks for it and
// returns its exit code; nullopt leaves the program to start as usual.
std::optional<int> RunStatusCommandIfAsked();

}  // namespace cli
