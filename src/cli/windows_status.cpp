#include "cli/windows_status.h"

#include <algorithm>

#include "cli/options.h"
#include "cli/run.h"
#include "cli/window_poll.h"
#include "emulator/install.h"
#include "os/clock.h"
#include "os/files.h"
#include "os/win32/console.h"

namespace cli {

namespace {

// Slices short enough that Ctrl+C ends a watch without a noticeable wait.
constexpr unsigned kSleepSliceMs = 100;

class ProgramClock final : public Clock {
public:
    std::uint64_t nowMs() override { return os::TickCount(); }
    void sleepMs(unsigned ms) override {
        while (ms > 0 && !stopRequested()) {
            const unsigned slice = std::min(ms, kSleepSliceMs);
            os::Sleep(slice);
            ms -= slice;
        }
    }
    bool stopRequested() override { return os::win32::ParentConsole::stopRequested(); }
};

}  // namespace

std::optional<int> RunStatusCommandIfAsked() {
    const std::vector<std::string> commandLine = os::win32::CommandLineArguments();
    const std::vector<std::string> arguments(commandLine.begin() + (commandLine.empty() ? 0 : 1), commandLine.end());
    if (!AsksForStatus(arguments)) return std::nullopt;

    os::win32::ParentConsole parent;
    const Console console{[&](std::string_view text) { parent.out(text); },
                          [&](std::string_view text) { parent.err(text); },
                          [](const std::string& path, std::string_view content) {
                              return os::WriteBytesAtomically(path, std::string(content));
                          },
                          LastWindowPoll};
    const ProgramName program{"ZevStatus.exe", true};
    if (const auto problem = emulator::installFromEnvironment()) {
        console.err(std::string(program.name) + ": " + *problem + "\n");
        return kExitBadUsage;
    }
    ProgramClock clock;
    return Run(arguments, program, InterfacePathCandidates(), clock, console);
}

}  // namespace cli
