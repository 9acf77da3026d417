// zev-status: the status tool on Linux, talking to the printers through usblp,
// or to emulated printers when ZEV_EMULATOR is set.
#include <signal.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/run.h"
#include "emulator/install.h"
#include "os/device_bus.h"
#include "os/headless/machine.h"
#include "os/linux/usblp_bus.h"

namespace {

volatile sig_atomic_t g_stop = 0;

void requestStop(int) { g_stop = 1; }

// Without SA_RESTART, so a sleeping watch wakes up at once.
void stopOnSignals() {
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

// The emulated printers run on the program's clock, which in this build is a
// simulated machine's; it is kept in step with real time. The machine wants a
// folder for its drive, which nothing here uses, so it gets a fresh one.
class EmulatorMachine {
public:
    EmulatorMachine() : m_root(makeRoot()), m_machine(m_root) { os::headless::setMachine(&m_machine); }
    ~EmulatorMachine() {
        os::headless::setMachine(nullptr);
        std::error_code ec;
        std::filesystem::remove_all(m_root, ec);
    }
    EmulatorMachine(const EmulatorMachine&) = delete;
    EmulatorMachine& operator=(const EmulatorMachine&) = delete;

    void setNow(std::uint64_t ms) { m_machine.setNow(ms); }

private:
    static std::filesystem::path makeRoot() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zev-status-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::filesystem::filesystem_error("mkdtemp", std::error_code(errno, std::generic_category()));
        return pattern;
    }

    std::filesystem::path m_root;
    os::headless::Machine m_machine;
};

class SystemClock final : public cli::Clock {
public:
    explicit SystemClock(EmulatorMachine* machine) : m_machine(machine) {}

    std::uint64_t nowMs() override {
        const auto elapsed = std::chrono::steady_clock::now() - m_start;
        const auto ms =
            static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
        if (m_machine) m_machine->setNow(ms);
        return ms;
    }

    // A signal cuts the sleep short (the C++ sleeps would carry on after it).
    void sleepMs(unsigned ms) override {
        timespec left{static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000L};
        while (!g_stop && ::nanosleep(&left, &left) == -1 && errno == EINTR) {}
        nowMs();
    }

    bool stopRequested() override { return g_stop != 0; }

private:
    const std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
    EmulatorMachine* m_machine;
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
    stopOnSignals();

    std::unique_ptr<EmulatorMachine> machine;
    std::unique_ptr<os::linux_usb::UsblpBus> usblp;
    cli::CandidateTest candidates = cli::EveryListedPath();
    if (const char* scenario = std::getenv("ZEV_EMULATOR"); scenario && *scenario) {
        machine = std::make_unique<EmulatorMachine>();
        if (const auto error = emulator::installFromEnvironment()) {
            console.err(std::string(program.name) + ": " + *error + "\n");
            return cli::kExitBadUsage;
        }
        candidates = cli::InterfacePathCandidates();
    } else {
        usblp = std::make_unique<os::linux_usb::UsblpBus>(os::linux_usb::RootsFromEnvironment());
        os::setDeviceBus(usblp.get());
    }

    SystemClock clock(machine.get());
    const int code = cli::Run(arguments, program, candidates, clock, console);
    if (code == cli::kExitNoPrinter && usblp) explainUnreadableNodes(*usblp, console);
    os::setDeviceBus(nullptr);
    return code;
}
