// One full status poll and one settings refresh of the real main window, on an
// emulated printer and the headless windows, each started as the platform
// starts it: a timer tick, a click on "Standard". The loop runs on the program's own
// thread, where the work really happens, so wall time is the measure.
#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>

#include "app/status_client_dlg.h"
#include "emulator/emulated_bus.h"
#include "harness/lockstep_harness.h"
#include "os/device_bus.h"
#include "ui/app.h"

namespace {

using namespace std::chrono_literals;

void RunOnMainWindow(benchmark::State& state, const std::function<void(ui::Dialog&)>& work) {
    ui::headless::Harness h;
    emulator::EmulatedBus bus;  // after the harness: it reads the simulated clock
    os::setDeviceBus(&bus);
    bus.addPrinter("A1");  // ready and idle: a poll opens no popup
    h.startApp();
    h.advance(3s);  // past the start dialog and the first polls
    h.primary().act([&](ui::headless::HeadlessBackend&) {
        ui::Dialog& dlg = *ui::AfxGetApp()->m_pMainWnd;
        for (auto _ : state) work(dlg);
    });
    h.stopAll();
    os::setDeviceBus(nullptr);
}

void BM_StatusPoll(benchmark::State& state) {
    RunOnMainWindow(state, [](ui::Dialog& dlg) { dlg.OnTimer(app::kStatusTimer); });
}
BENCHMARK(BM_StatusPoll)->UseRealTime()->Unit(benchmark::kMicrosecond);

void BM_SettingsRefresh(benchmark::State& state) {
    RunOnMainWindow(state, [](ui::Dialog& dlg) { dlg.OnCommand(IDC_DEFAULTS, ui::BN_CLICKED); });
}
BENCHMARK(BM_SettingsRefresh)->UseRealTime()->Unit(benchmark::kMicrosecond);

}  // namespace
