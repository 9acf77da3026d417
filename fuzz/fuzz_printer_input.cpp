// The emulated printer fed arbitrary writes: it must ignore what it does not
// understand and never fail.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>

#include "emulator/emulated_printer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    emulator::EmulatedPrinter printer("F1");
    // The first byte splits the input into two writes, as frames are split.
    const std::size_t split = size == 0 ? 0 : data[0] % size;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    printer.receive(bytes.substr(0, split), 0);
    printer.receive(bytes.substr(split), 1000);
    printer.advance(1000000);
    std::uint8_t chunk[13];
    std::size_t total = 0;
    while (const std::size_t n = printer.deliver(chunk)) {
        total += n;
        if (n > sizeof chunk) std::abort();
    }
    if (printer.pendingAnswerBytes() != 0) std::abort();
    if (printer.condition.state == 4 && printer.busyWithInternalJob()) std::abort();
    (void)total;
    return 0;
}
