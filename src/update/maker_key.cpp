#include "update/maker_key.h"

#include <string_view>

namespace update {

namespace {

constexpr std::string_view kKeyHex = ZEV_UPDATE_PUBLIC_KEY;

constexpr std::uint8_t nibble(char c) { return static_cast<std::uint8_t>(c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10); }

constexpr os::P256PublicKey KeyOf(std::string_view hex) {
    os::P256PublicKey key{};
    for (std::size_t i = 0; i < key.size(); ++i)
        key[i] = static_cast<std::uint8_t>(nibble(hex[2 * i]) << 4 | nibble(hex[2 * i + 1]));
    return key;
}

static_assert(kKeyHex.size() == 2 * sizeof(os::P256PublicKey), "ZEV_UPDATE_PUBLIC_KEY: 130 hexadecimal digits");
constexpr os::P256PublicKey kKey = KeyOf(kKeyHex);

}  // namespace

const os::P256PublicKey& MakerKey() { return kKey; }

bool BuiltWithTestKey() {
#if defined(ZEV_UPDATE_TEST_KEY)
    return true;
#else
    return false;
#endif
}

}  // namespace update
