#include "printer/display_name.h"

#include "printer/ascii_case.h"
#include "printer/fehler_message.h"
#include "printer/id_value.h"

namespace printer {

std::string DisplayName(std::string_view mfg, std::string_view mdl, std::string_view serial) {
    std::string name;
    name.reserve(mfg.size() + mdl.size() + serial.size() + 20);
    name.append(mfg).append(" ").append(mdl).append(" Serial Number: ").append(serial).append(" ;");
    if (name.size() > kMaxDisplayNameChars) name.resize(kMaxDisplayNameChars);
    return AsciiUpper(name);
}

DisplaySerial SerialOfDisplayName(std::string_view displayName) {
    const IdValue value = ExtractDelimited(displayName, "NUMBER: ", " ;");
    DisplaySerial result;
    result.reportsFehler = value.reportsFehler();
    if (value.found() && !value.text.empty()) result.serial = std::string(value.text);
    return result;
}

std::optional<std::string> SerialFromDisplayName(std::string_view displayName) {
    DisplaySerial result = SerialOfDisplayName(displayName);
    if (result.reportsFehler) ShowFehler();
    return std::move(result.serial);
}

}  // namespace printer
