// Choosing between the real printers and the emulated ones at start.
#pragma once

#include <optional>
#include <string>

namespace emulator {

class EmulatedBus;

// When ZEV_EMULATOR is set ("demo", or the path of a scenario file), builds the
// emulated bus from it and makes it the program's device bus; ZEV_EMULATOR_LOG
// names a file that receives the write log. Otherwise the real bus stays.
// Returns the reason when the scenario cannot be used; the program must then
// not start.
std::optional<std::string> installFromEnvironment();

// The bus installFromEnvironment installed, or nullptr.
EmulatedBus* installedBus();

}  // namespace emulator
