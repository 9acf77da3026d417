// What a version file on the update server says about one driver file: its
// date on the first line and, optionally, the SHA-256 of the replacement file
// on the second.
#pragma once

#include <string>
#include <string_view>

#include "update/version_date.h"

namespace update {

struct ExpectedDigest {
    enum class Kind {
        None,      // no second line (or an empty one): the replacement is taken as it comes
        Sha256,    // `hex` holds 64 lower-case hexadecimal digits
        Unusable,  // a second line that is not a SHA-256: no replacement can be trusted
    };
    Kind kind = Kind::None;
    std::string hex;

    friend bool operator==(const ExpectedDigest&, const ExpectedDigest&) = default;
};

struct VersionFile {
    VersionDate date;
    ExpectedDigest digest;
};

// Reads the content as a text file is read line by line: a line ends at "\n"
// (a "\r" before it belongs to the line end) or at a zero byte. Only the first
// eight characters of the first line count for the date.
VersionFile ParseVersionFile(std::string_view content);

}  // namespace update
