// CPU cost of one status read as the poller does it every second: the
// device-ID request on the emulated bus and the decoding of its ";S:" field.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "emulator/emulated_bus.h"
#include "os/device_bus.h"
#include "os/headless/machine.h"
#include "printer/device_id.h"
#include "status/status_field.h"

namespace {

void BM_ReadDeviceIdAndDecodeStatus(benchmark::State& state) {
    const auto root = std::filesystem::temp_directory_path() / "zev_bench_machine";
    os::headless::Machine machine(root);
    os::headless::setMachine(&machine);
    {
        emulator::EmulatedBus bus;
        auto& printer = bus.addPrinter("A1");
        printer.condition.state = 0x0E;
        os::setDeviceBus(&bus);
        const std::string path = printer.interfacePath();

        for (auto _ : state) {
            const auto id = printer::ReadDeviceId(path);
            const auto status = status::decodeStatusField(*id);
            benchmark::DoNotOptimize(status);
        }
        os::setDeviceBus(nullptr);
    }
    os::headless::setMachine(nullptr);
    std::filesystem::remove_all(root);
}
BENCHMARK(BM_ReadDeviceIdAndDecodeStatus);

void BM_DecodeStatusFieldOnly(benchmark::State& state) {
    const std::string id =
        "MFG:brenlato;MDL:zev;CMD:PJL,PCL;CLS:PRINTER;DES:brenlato zev;SN:A1;S:0380000000000000000E0010000500200003C00000000;";
    for (auto _ : state) benchmark::DoNotOptimize(status::decodeStatusField(id));
}
BENCHMARK(BM_DecodeStatusFieldOnly);

}  // namespace
