// The date-and-time stamp the German install run appends to its backup names.
#pragma once

#include <string>

#include "os/clock.h"

namespace update {

// " DDMMYYYY HHMM": a blank, the date, a blank, hour and minute.
std::string BackupStamp(const os::LocalTime& t);

}  // namespace update
