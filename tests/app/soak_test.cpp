// A day of the demo scenario on the virtual clock: whatever the program holds
// after its 24th hour it held after its first. The demo loops every minute
// (ready, printing, a paper jam, the cover opened and closed), so both
// moments meet it at the same point of its loop.
#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <string>

#include "emulator/demo_scenario.h"
#include "emulator/scenario.h"
#include "harness/app_harness.h"

namespace {

using namespace zevtest;

// What the program holds, by name, so a failure says which count grew.
std::map<std::string, std::size_t> HeldBy(AppHarness& h, const emulator::EmulatedBus& bus) {
    const HeadlessBackend& backend = h.primary().backend();
    std::size_t timers = 0;
    for (const ui::Window* w : backend.windows()) timers += w->timers.size();
    return {
        {"windows", backend.windows().size()},
        {"timers", timers},
        {"device handles", bus.openHandles()},
        {"tray icons", backend.trayIcons().size()},
        {"menus", static_cast<std::size_t>(backend.menusLoaded() - backend.menusDestroyed())},
    };
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
    const auto hour1 = HeldBy(h, bus);
    h.advance(std::chrono::hours(23));
    EXPECT_EQ(HeldBy(h, bus), hour1);
    h.stopAll();  // before the bus it talks to
}

}  // namespace
