// Plain files of the machine the emulator runs on (the scenario file, the
// write log), named by the path the user gave. Not the program's os::
// file services: the headless build maps those into per-test folders.
// C stdio rather than iostreams: the streams would pull the whole locale
// machinery into the program for two file accesses.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace emulator {

std::optional<std::string> ReadHostFile(const std::string& path);  // nullopt: cannot open or read
bool AppendToHostFile(const std::string& path, std::string_view text);

}  // namespace emulator
