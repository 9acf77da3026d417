#include "os/linux/usblp_text.h"

#include <algorithm>
#include <charconv>

namespace os::linux_usb {

std::string_view AttributeValue(std::string_view fileText) {
    while (!fileText.empty() && (fileText.back() == '\n' || fileText.back() == '\r' || fileText.back() == ' '))
        fileText.remove_suffix(1);
    return fileText;
}

bool IsZevProduct(std::string_view idProductText) { return AttributeValue(idProductText) == kZevProductId; }

std::size_t CopyDeviceIdAnswer(std::span<const std::uint8_t> answer, std::span<std::uint8_t> out) {
    constexpr std::size_t kPrefix = 2;
    if (answer.size() < kPrefix) return 0;
    const std::size_t claimed = static_cast<std::size_t>(answer[0]) << 8 | answer[1];
    if (claimed <= kPrefix) return 0;
    const auto id = answer.subspan(kPrefix, std::min(claimed, answer.size()) - kPrefix);
    const auto end = std::find(id.begin(), id.end(), std::uint8_t{0});
    const std::size_t length = std::min(static_cast<std::size_t>(end - id.begin()), out.size());
    std::copy_n(id.begin(), length, out.begin());
    return length;
}

int UsblpMinor(std::string_view name) {
    constexpr std::string_view kPrefix = "lp";
    if (!name.starts_with(kPrefix) || name.size() == kPrefix.size() || name.size() > kPrefix.size() + 6) return -1;
    if (name[kPrefix.size()] < '0' || name[kPrefix.size()] > '9') return -1;
    int minor = -1;
    const char* first = name.data() + kPrefix.size();
    const char* last = name.data() + name.size();
    const auto [end, error] = std::from_chars(first, last, minor);
    if (error != std::errc() || end != last) return -1;
    return minor;
}

}  // namespace os::linux_usb
