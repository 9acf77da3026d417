// The status tool's command line, on arbitrary arguments: the input is split
// at zero bytes into the argument list.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/options.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> arguments(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            arguments.emplace_back();
        else
            arguments.back().push_back(static_cast<char>(data[i]));
    }
    const cli::ParsedOptions parsed = cli::ParseOptions(arguments);
    // Exactly one of a result and a one-line message.
    if (parsed.options.has_value() == !parsed.error.empty()) std::abort();
    if (parsed.error.find('\n') != std::string::npos) std::abort();
    cli::AsksForStatus(arguments);
    return 0;
}
