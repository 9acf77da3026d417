// Line ends of text files on Windows: "\r\n" on disk, "\n" in the program, as
// the C library's text mode translates them (without its Ctrl-Z end marker).
#pragma once

#include <string>
#include <string_view>

namespace os::win32 {

inline std::string ToDiskLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

inline std::string FromDiskLineEnds(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
        out += bytes[i];
    }
    return out;
}

}  // namespace os::win32
