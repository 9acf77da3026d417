// The scenario parser on arbitrary files.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "emulator/scenario.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parsed = emulator::ParseScenario(std::string_view(reinterpret_cast<const char*>(data), size));
    if (parsed.scenario.has_value() == !parsed.error.empty()) std::abort();
    if (!parsed.scenario) return 0;
    std::uint64_t previous = 0;
    for (const auto& change : parsed.scenario->changes) {
        if (change.atMs < previous) std::abort();
        if (parsed.scenario->loopMs != 0 && change.atMs >= parsed.scenario->loopMs) std::abort();
        previous = change.atMs;
    }
    return 0;
}
