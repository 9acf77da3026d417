// The status decoder and the narrow readers on arbitrary device IDs and values.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "status/printer_status.h"
#include "status/status_field.h"
#include "status/status_readers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const status::PrinterStatus s = status::decodeStatusField(text);
    const auto value = status::statusValue(text);
    if (value && value->size() > status::kMaxStatusChars) std::abort();
    if (!s.valid && !(s == status::PrinterStatus{})) std::abort();
    if (s.valid && (!value || value->size() < status::kMinValidStatusChars || (*value)[1] != '3')) std::abort();
    if (s.activity > 15 || static_cast<unsigned>(s.pen1.kind) > 63 || static_cast<unsigned>(s.pen2.kind) > 63)
        std::abort();
    if (s.coverOpen && !s.coverReported) std::abort();
    if (s.valid && s.state != status::readState(*value)) std::abort();

    // The narrow readers take the raw value; positions past its end read as NUL.
    const int state = status::readState(text);
    const int activity = status::readActivity(text);
    const int cover = status::readCoverDigit(text);
    if (state < 0 || state > 255 || activity < 0 || activity > 15 || cover < 0 || cover > 9) std::abort();
    (void)status::decodePenWord(text);
    return 0;
}
