// The status tool run in-process: a simulated machine whose clock the tool's
// clock drives, an emulated bus, and the console captured.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "cli/run.h"
#include "emulator/emulated_bus.h"
#include "emulator/scenario.h"
#include "harness/harness.h"
#include "os/device_bus.h"

namespace zevtest {

// Virtual time: a sleep moves the machine on; a stop is requested from
// `stopAtMs` on (0: never).
class VirtualClock final : public cli::Clock {
public:
    explicit VirtualClock(Harness& h) : m_h(h) {}
    std::uint64_t nowMs() override { return m_h.now(); }
    void sleepMs(unsigned ms) override { m_h.advance(std::chrono::milliseconds(ms)); }
    bool stopRequested() override { return stopAtMs != 0 && m_h.now() >= stopAtMs; }
    std::uint64_t stopAtMs = 0;

private:
    Harness& m_h;
};

class CliTest : public ::testing::Test {
protected:
    CliTest() { os::setDeviceBus(bus.get()); }
    ~CliTest() override { os::setDeviceBus(nullptr); }

    // Replaces the bus by one that plays `scenarioText` from now on.
    void play(const char* scenarioText) {
        auto parsed = emulator::ParseScenario(scenarioText);
        ASSERT_TRUE(parsed.scenario) << parsed.error;
        bus = std::make_unique<emulator::EmulatedBus>(std::move(*parsed.scenario));
        os::setDeviceBus(bus.get());
    }

    int run(std::vector<std::string> arguments, const cli::CandidateTest& candidates = cli::InterfacePathCandidates()) {
        out.clear();
        err.clear();
        const cli::Console console{[this](std::string_view t) { out += t; }, [this](std::string_view t) { err += t; }};
        return cli::Run(arguments, {"zev-status", false}, candidates, clock, console);
    }

    Harness h;  // first: the bus starts on the machine's clock
    VirtualClock clock{h};
    std::unique_ptr<emulator::EmulatedBus> bus = std::make_unique<emulator::EmulatedBus>();
    std::string out, err;
};

}  // namespace zevtest
