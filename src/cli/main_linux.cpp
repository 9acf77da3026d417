// zev-status: the status tool on Linux, talking to the printers through usblp,
// or to emulated printers when ZEV_EMULATOR is set.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "cli/discovery.h"
#include "cli/run.h"
#include "emulator/install.h"
#include "os/clock.h"
#include "os/device_bus.h"
#include "os/linux/stop_signals.h"
#include "os/linux/usblp_bus.h"

namespace {

// The real clock: the emulated printers of ZEV_EMULATOR run on it as well.
class SystemClock final : public cli::Clock {
public:
    std::uint64_t nowMs() override { return os::TickCount() - m_start; }

    // A stop signal cuts the sleep short.
    void sleepMs(unsigned ms) override {
        const std::uint64_t end = nowMs() + ms;
        for (std::uint64_t now = nowMs(); !os::linux_usb::StopRequested() && now < end; now = nowMs())
            os::Sleep(static_cast<unsigned>(end - now));
    }

    bool stopRequested() override { return os::linux_usb::StopRequested(); }

private:
    const std::uint64_t m_start = os::TickCount();
};

// Without the rights on a node its printer is simply not found; say why.
void explainUnreadableNodes(os::DeviceBus& bus, const cli::Console& console) {
    for (const os::PrinterInterface& node : bus.listPrinterInterfaces().interfaces) {
        if (::access(node.path.c_str(), R_OK | W_OK) == 0 || errno != EACCES) continue;
        console.err("zev-status: no access to " + node.path + " (docs/cli.md has a udev rule for that)\n");
    }
}

void write(std::FILE* stream, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const cli::ProgramName program{"zev-status", false};
    const cli::Console console{[](std::string_view text) { write(stdout, text); },
                               [](std::string_view text) { write(stderr, text); }};
    os::linux_usb::StopOnSignals();

    std::unique_ptr<os::linux_usb::UsblpBus> usblp;
    cli::CandidateTest candidates = cli::EveryListedPath();
    if (const char* scenario = std::getenv("ZEV_EMULATOR"); scenario && *scenario) {
        if (const auto error = emulator::installFromEnvironment()) {
            console.err(std::string(program.name) + ": " + *error + "\n");
            return cli::kExitBadUsage;
        }
        candidates = cli::InterfacePathCandidates();
    } else {
        usblp =
            std::make_unique<os::linux_usb::UsblpBus>(os::linux_usb::RootsFromEnvironment(), cli::NamesAnotherPrinter);
        os::setDeviceBus(usblp.get());
    }

    SystemClock clock;
    const int code = cli::Run(arguments, program, candidates, clock, console);
    if (code == cli::kExitNoPrinter && usblp) explainUnreadableNodes(*usblp, console);
    os::setDeviceBus(nullptr);
    return code;
}
