// Whether a device ID names a BRENLATO ZEV printer.
#pragma once

#include <string_view>

namespace printer {

enum class Identity {
    Zev,          // both tests passed
    MfgMissing,   // "MFG:" absent or nothing after it: the user is told
    MfgMismatch,  // the manufacturer value is not a leading part of "brenlato"
    MdlMissing,   // ";MDL:" absent or nothing after it: the user is told
    MdlMismatch,  // the model value is not a leading part of "zev"
};

// Pure: the manufacturer test first, the model test only when it passed. A
// value is accepted when it is a leading part of the expected name (down to
// the empty value), compared case-sensitively. A value without its closing ";"
// or too long for its 100-byte field is refused as a mismatch.
Identity IdentityOf(std::string_view deviceId);

// IdentityOf plus the "fehler"/"tq" message box for a missing key.
Identity IdentifyPrinter(std::string_view deviceId);

// IdentifyPrinter reduced to accepted or not.
bool IsZevPrinter(std::string_view deviceId);

}  // namespace printer
