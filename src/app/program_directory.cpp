#include "app/program_directory.h"

namespace app {

std::string ProgramDirectory(std::string_view commandLine) {
    const std::size_t lastBackslash = commandLine.rfind('\\');
    if (lastBackslash == std::string_view::npos || lastBackslash < 1) return {};
    return std::string(commandLine.substr(1, lastBackslash - 1));
}

}  // namespace app
