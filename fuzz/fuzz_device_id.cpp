// Device-ID field extraction, the identity test and the texts built from the
// fields, on arbitrary device IDs.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "printer/device_path.h"
#include "printer/display_name.h"
#include "printer/id_value.h"
#include "printer/identity.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view id(reinterpret_cast<const char*>(data), size);
    for (const std::string_view key : {printer::kKeyMfg, printer::kKeyMdl, printer::kKeySerial, printer::kKeyStatus}) {
        const printer::IdValue v = printer::ExtractIdValue(id, key);
        if (v.found()) {
            // The value lies inside the ID, right after its key, and holds no ";".
            if (v.text.data() < id.data() || v.text.data() + v.text.size() > id.data() + id.size()) std::abort();
            if (v.text.find(';') != std::string_view::npos) std::abort();
            if (std::string_view(v.text.data() - key.size(), key.size()) != key) std::abort();
        } else if (!v.text.empty()) {
            std::abort();
        }
    }
    const printer::Identity identity = printer::IdentityOf(id);
    if (identity == printer::Identity::Zev && !printer::ExtractIdValue(id, printer::kKeyMfg).found()) std::abort();

    const auto mfg = printer::ExtractIdValue(id, printer::kKeyMfg).text;
    const auto serial = printer::ExtractIdValue(id, printer::kKeySerial).text;
    const std::string name = printer::DisplayName(mfg, mfg, serial);
    if (name.size() > printer::kMaxDisplayNameChars) std::abort();
    (void)printer::SerialOfDisplayName(id);
    (void)printer::IsCandidatePath(id);
    const auto rebuilt = printer::RebuildPathFromLog(id, serial);
    if (rebuilt.path && rebuilt.path->size() > printer::kMaxDevicePathChars) std::abort();
    return 0;
}
