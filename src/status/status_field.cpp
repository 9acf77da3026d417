#include "status/status_field.h"

#include "printer/id_value.h"
#include "status/hex_digits.h"
#include "status/status_readers.h"

namespace status {

namespace {

constexpr std::size_t kPenWordChars = 8;
constexpr std::size_t kPen1At = 19;
constexpr std::size_t kPen2At = 27;

std::uint32_t penWord(std::string_view chars) {
    if (chars.starts_with("0x") || chars.starts_with("0X")) chars.remove_prefix(2);
    std::uint32_t word = 0;
    unsigned shift = 0;
    for (auto it = chars.rbegin(); it != chars.rend() && shift < 32; ++it, shift += 4)
        word |= std::uint32_t{HexNibble(*it)} << shift;
    return word;
}

}  // namespace

std::optional<std::string> statusValue(std::string_view deviceId) {
    const printer::IdValue value = printer::ExtractIdValue(deviceId, printer::kKeyStatus);
    if (!value.found()) return std::nullopt;
    // Copied like a C string: a zero byte ends it.
    const std::string_view text = value.text.substr(0, value.text.find('\0'));
    return std::string(text.substr(0, kMaxStatusChars));
}

PenStatus decodePenWord(std::string_view eightChars) {
    const std::uint32_t word = penWord(eightChars.substr(0, kPenWordChars));
    PenStatus pen;
    pen.kind = static_cast<PenKind>((word >> 24) & 63u);
    pen.level = static_cast<std::uint8_t>(word & 255u);
    pen.bits31to30 = static_cast<std::uint8_t>((word >> 30) & 3u);
    pen.bits15to14 = static_cast<std::uint8_t>((word >> 14) & 3u);
    pen.bit12 = ((word >> 12) & 1u) != 0;
    pen.bit11 = ((word >> 11) & 1u) != 0;
    return pen;
}

PrinterStatus decodeStatusField(std::string_view deviceId) {
    const std::optional<std::string> value = statusValue(deviceId);
    if (!value || value->size() < kMinValidStatusChars || (*value)[1] != '3') return {};
    const std::string_view v = *value;
    PrinterStatus status;
    status.valid = true;
    const std::uint8_t cover = HexNibble(v[2]);
    status.coverReported = (cover & 8u) != 0;
    status.coverOpen = status.coverReported && (cover & 1u) != 0;
    status.incompleteJob = (HexNibble(v[9]) & 1u) != 0;
    status.activity = HexNibble(v[11]);
    status.state = static_cast<std::uint8_t>(readState(v));
    status.pen1 = decodePenWord(v.substr(kPen1At, kPenWordChars));
    status.pen2 = decodePenWord(v.substr(kPen2At, kPenWordChars));
    return status;
}

}  // namespace status
