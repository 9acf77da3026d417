// Cutting one field's value out of an IEEE 1284 device ID.
#pragma once

#include <cstddef>
#include <string_view>

namespace printer {

// The device ID's keys the program reads; all but the first carry their
// leading ";" so that, for example, ";S:" does not match inside ";SN:".
inline constexpr std::string_view kKeyMfg = "MFG:";
inline constexpr std::string_view kKeyMdl = ";MDL:";
inline constexpr std::string_view kKeySerial = ";SN:";
inline constexpr std::string_view kKeyStatus = ";S:";

// The manufacturer, model and serial-number values are kept in 100-byte fields.
inline constexpr std::size_t kIdFieldSize = 100;

enum class IdValueStatus {
    Found,           // `text` holds the value (possibly empty: "MFG:;")
    KeyMissing,      // the key does not occur
    NothingFollows,  // the key ends the device ID
    Unterminated,    // a value follows the key but no ";" closes it
};

struct IdValue {
    IdValueStatus status = IdValueStatus::KeyMissing;
    std::string_view text;  // points into the device ID; empty unless Found

    bool found() const { return status == IdValueStatus::Found; }
    // The two cases in which the program tells the user with "fehler"/"tq";
    // an unterminated value just counts as missing.
    bool reportsFehler() const {
        return status == IdValueStatus::KeyMissing || status == IdValueStatus::NothingFollows;
    }
};

// The text after the first occurrence of `key` up to, not including, the next ";".
IdValue ExtractIdValue(std::string_view deviceId, std::string_view key);

// The same cut with another closing text (the display name's " ;").
IdValue ExtractDelimited(std::string_view text, std::string_view key, std::string_view terminator);

// Whether a value fits a fixed field of `fieldSize` bytes with its terminator.
constexpr bool FitsField(std::string_view value, std::size_t fieldSize) {
    return fieldSize > 0 && value.size() < fieldSize;
}

}  // namespace printer
