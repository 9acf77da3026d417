// What the usblp driver hands out, on arbitrary bytes: the sysfs attributes
// and the device-ID answer with its length prefix.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>

#include "cli/discovery.h"
#include "cli/printer_record.h"
#include "cli/record_output.h"
#include "os/linux/usblp_text.h"
#include "printer/device_id.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    os::linux_usb::IsZevProduct(text);
    cli::NamesAnotherPrinter(text);
    const int minor = os::linux_usb::UsblpMinor(text);
    if (minor >= 0 && !text.starts_with("lp")) std::abort();

    // The ID is cut to the buffer, never written past it, and holds no zero byte.
    std::array<std::uint8_t, printer::kMaxDeviceIdBytes + 1> out{};
    const std::size_t length =
        os::linux_usb::CopyDeviceIdAnswer(std::span(data, size), std::span(out).first(printer::kMaxDeviceIdBytes));
    if (length > printer::kMaxDeviceIdBytes || out[printer::kMaxDeviceIdBytes] != 0) std::abort();
    const std::string_view id(reinterpret_cast<const char*>(out.data()), length);
    if (id.find('\0') != std::string_view::npos) std::abort();

    // Whatever the ID holds, both reports of it can be written.
    const cli::PrinterRecord record = cli::RecordOf("/dev/usb/lp0", id);
    cli::TextLineOf(record, status::Language::German);
    cli::CompactJson(cli::JsonOf(record, status::Language::English));
    return 0;
}
