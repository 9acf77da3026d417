// A day of the demo scenario on the virtual clock: whatever the program holds
// after its 24th hour it held after its first. The demo loops every minute
// (ready, printing, a paper jam, the cover opened and closed), so both
// moments meet it at the same point of its loop.
#include <gtest/gtest.h>

#include <chrono>
#include <tuple>

#include "harness/app_harness.h"
#include "emulator/demo_scenario.h"
#include "emulator/scenario.h"

namespace {

using namespace zevtest;

struct Held {
    std::size_t windows = 0, timers = 0, deviceHandles = 0, pathLog = 0, trayIcons = 0;
    int menus = 0;
    friend bool operator==(const Held&, const Held&) = default;
};

std::ostream& operator<<(std::ostream& out, const Held& h) {
    return out << "windows " << h.windows << ", timers " << h.timers << ", device handles " << h.deviceHandles
               << ", path log " << h.pathLog << ", tray icons " << h.trayIcons << ", menus " << h.menus;
}

Held HeldBy(AppHarness& h, const emulator::EmulatedBus& bus) {
    Held held;
    const HeadlessBackend& backend = h.primary().backend();
    held.windows = backend.windows().size();
    for (const ui::Window* w : backend.windows()) held.timers += w->timers.size();
    held.deviceHandles = bus.openHandles();
    held.pathLog = h.mainDialog().m_strPathLog.size();
    held.trayIcons = backend.trayIcons().size();
    held.menus = backend.menusLoaded() - backend.menusDestroyed();
    return held;
}

TEST(Soak, ADayOfTheDemoHoldsWhatItsFirstHourHeld) {
    AppHarness h;
    auto demo = emulator::ParseScenario(emulator::DemoScenarioText());
    ASSERT_TRUE(demo.scenario);
    emulator::EmulatedBus bus(std::move(*demo.scenario));
    os::setDeviceBus(&bus);
    h.startApp();

    // 25 s into the loop: the paper jam's popup is open.
    h.advance(std::chrono::hours(1) + std::chrono::seconds(25));
    const Held hour1 = HeldBy(h, bus);
    h.advance(std::chrono::hours(23));
    const Held hour24 = HeldBy(h, bus);
    EXPECT_EQ(hour24, hour1);
    EXPECT_GT(hour1.pathLog, 0u);
    std::cout << "after hour 1:  " << hour1 << "\nafter hour 24: " << hour24 << "\n";
    h.stopAll();  // before the bus it talks to
}

}  // namespace
