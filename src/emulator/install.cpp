#include "emulator/install.h"

#include <cstdlib>
#include <memory>

#include "emulator/demo_scenario.h"
#include "emulator/emulated_bus.h"
#include "emulator/host_file.h"
#include "emulator/scenario.h"
#include "os/device_bus.h"

namespace emulator {

namespace {

std::unique_ptr<EmulatedBus> g_bus;

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

}  // namespace

std::optional<std::string> installFromEnvironment() {
    const std::string source = environment("ZEV_EMULATOR");
    if (source.empty()) return std::nullopt;

    std::string text;
    if (source == "demo") {
        text = DemoScenarioText();
    } else {
        std::optional<std::string> content = ReadHostFile(source);
        if (!content) return "ZEV_EMULATOR: cannot read the scenario file " + source;
        text = std::move(*content);
    }
    ParsedScenario parsed = ParseScenario(text);
    if (!parsed.scenario) return "ZEV_EMULATOR: " + source + ": " + parsed.error;

    os::setDeviceBus(nullptr);
    g_bus = std::make_unique<EmulatedBus>(std::move(*parsed.scenario), environment("ZEV_EMULATOR_LOG"));
    os::setDeviceBus(g_bus.get());
    return std::nullopt;
}

EmulatedBus* installedBus() { return g_bus.get(); }

}  // namespace emulator
