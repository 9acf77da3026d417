// zev-gadget: the emulated printers of ZEV_EMULATOR (default: the demo) shown
// to a USB host as real printers, through the kernel's printer gadget.
#include <stdlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "emulator/emulated_bus.h"
#include "emulator/install.h"
#include "gadget/gadget_options.h"
#include "gadget/presented_printer.h"
#include "os/linux/stop_signals.h"

namespace {

// The host's frames are small and a query's answer has 400 ms; scenario
// changes are followed within this.
constexpr int kTurnMs = 20;

int refuse(const std::string& message) {
    std::fprintf(stderr, "zev-gadget: %s\n", message.c_str());
    return 1;
}

// The controllers named on the command line, or the first ones the machine has.
std::optional<std::vector<std::string>> chooseControllers(const gadget::GadgetOptions& options, std::string& error) {
    const std::vector<std::string> present = os::linux_usb::ListControllers();
    if (present.empty()) {
        error =
            "no USB device controller in /sys/class/udc: on a board enable its device port (dwc2 on a "
            "Raspberry Pi), in a VM load dummy_hcd";
        return std::nullopt;
    }
    for (const std::string& udc : options.udcs) {
        if (std::find(present.begin(), present.end(), udc) != present.end()) continue;
        error = "no USB device controller " + udc + " in /sys/class/udc";
        return std::nullopt;
    }
    if (!options.udcs.empty()) return options.udcs;
    if (present.size() < static_cast<std::size_t>(options.count)) {
        error = std::to_string(options.count) + " printers need as many USB device controllers; there are " +
                std::to_string(present.size()) + " (dummy_hcd takes num=N)";
        return std::nullopt;
    }
    return std::vector<std::string>(present.begin(), present.begin() + options.count);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const gadget::ParsedGadgetOptions parsed = gadget::ParseGadgetOptions(arguments);
    if (!parsed.options) {
        std::fprintf(stderr, "zev-gadget: %s\n%s", parsed.error.c_str(), gadget::GadgetUsageText().c_str());
        return 3;
    }
    if (parsed.options->help) {
        std::fputs(gadget::GadgetUsageText().c_str(), stdout);
        return 0;
    }
    os::linux_usb::StopOnSignals();

    if (const char* scenario = std::getenv("ZEV_EMULATOR"); !scenario || !*scenario)
        ::setenv("ZEV_EMULATOR", "demo", 1);
    if (const auto error = emulator::installFromEnvironment()) return refuse(*error);
    emulator::EmulatedBus& bus = *emulator::installedBus();
    const std::vector<std::string> names = bus.printerNames();
    const std::size_t count = static_cast<std::size_t>(parsed.options->count);
    if (names.size() < count)
        return refuse("the scenario has " + std::to_string(names.size()) + " printers, not " + std::to_string(count));
    std::string error;
    const auto controllers = chooseControllers(*parsed.options, error);
    if (!controllers) return refuse(error);

    std::vector<std::unique_ptr<gadget::PresentedPrinter>> printers;
    for (std::size_t i = 0; i < count; ++i) {
        printers.push_back(std::make_unique<gadget::PresentedPrinter>(bus, names[i], (*controllers)[i]));
        if (!printers.back()->start("zev" + std::to_string(i), error)) return refuse(error);
        std::printf("zev-gadget: printer %s on %s\n", names[i].c_str(), (*controllers)[i].c_str());
    }
    std::fflush(stdout);

    std::vector<os::linux_usb::GadgetNode*> nodes;
    for (const auto& p : printers) nodes.push_back(&p->node());
    while (!os::linux_usb::StopRequested()) {
        for (const auto& p : printers) {
            p->follow();
            p->serve();
        }
        os::linux_usb::GadgetNode::waitForAny(nodes, kTurnMs);
    }
    return 0;
}
