// UTF-8 inside the program, UTF-16 at the Windows API boundary.
#pragma once

#include <string>
#include <string_view>

namespace os::win32 {

// Invalid UTF-8 sequences become U+FFFD; nothing is dropped silently.
std::wstring ToWide(std::string_view utf8);
// Unpaired surrogates become U+FFFD.
std::string ToUtf8(std::wstring_view wide);

}  // namespace os::win32
