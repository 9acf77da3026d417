#include "printer/identity.h"

#include "printer/fehler_message.h"
#include "printer/id_value.h"

namespace printer {

namespace {

constexpr std::string_view kMaker = "brenlato";
constexpr std::string_view kModel = "zev";

enum class Test { Pass, Missing, Mismatch };

Test leadingPartTest(std::string_view deviceId, std::string_view key, std::string_view expected) {
    const IdValue value = ExtractIdValue(deviceId, key);
    if (value.reportsFehler()) return Test::Missing;
    if (!value.found() || !FitsField(value.text, kIdFieldSize)) return Test::Mismatch;
    return expected.starts_with(value.text) ? Test::Pass : Test::Mismatch;
}

}  // namespace

Identity IdentityOf(std::string_view deviceId) {
    switch (leadingPartTest(deviceId, kKeyMfg, kMaker)) {
        case Test::Missing: return Identity::MfgMissing;
        case Test::Mismatch: return Identity::MfgMismatch;
        case Test::Pass: break;
    }
    switch (leadingPartTest(deviceId, kKeyMdl, kModel)) {
        case Test::Missing: return Identity::MdlMissing;
        case Test::Mismatch: return Identity::MdlMismatch;
        case Test::Pass: break;
    }
    return Identity::Zev;
}

Identity IdentifyPrinter(std::string_view deviceId) {
    const Identity identity = IdentityOf(deviceId);
    if (identity == Identity::MfgMissing || identity == Identity::MdlMissing) ShowFehler();
    return identity;
}

bool IsZevPrinter(std::string_view deviceId) { return IdentifyPrinter(deviceId) == Identity::Zev; }

}  // namespace printer
