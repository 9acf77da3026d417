#include "update/backup_stamp.h"

#include <cstdio>

namespace update {

std::string BackupStamp(const os::LocalTime& t) {
    // Wide enough for any int fields, so nothing is ever cut.
    char text[64] = {};
    std::snprintf(text, sizeof text, " %02d%02d%04d %02d%02d", t.day, t.month, t.year, t.hour, t.minute);
    return text;
}

}  // namespace update
