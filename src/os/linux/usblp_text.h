// The texts the Linux usblp driver hands out about a printer: sysfs attributes
// and the answer to its device-ID request. Pure: no file, no device.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace os::linux_usb {

// The ZEV's USB product id as sysfs writes it ("6004\n").
inline constexpr std::string_view kZevProductId = "6004";

// A sysfs attribute's text without the line end the kernel adds.
std::string_view AttributeValue(std::string_view fileText);

// Whether a USB device's idProduct attribute names the ZEV.
bool IsZevProduct(std::string_view idProductText);

// The answer to LPIOC_GET_DEVICE_ID: two bytes of big-endian length, counting
// themselves, then the ID. Writes the ID into `out` up to its first zero byte,
// cut to out.size() bytes, and returns its length. A length that claims more
// than the answer holds is cut to the answer.
std::size_t CopyDeviceIdAnswer(std::span<const std::uint8_t> answer, std::span<std::uint8_t> out);

// "lp0" -> 0; -1 for a name that is not "lp" followed by decimal digits.
int UsblpMinor(std::string_view name);

}  // namespace os::linux_usb
