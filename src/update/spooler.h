// Stopping and starting the print spooler around the replacement of driver files.
//
// The service is driven through the Service Control Manager directly rather
// than through "net" in a command processor: the manager reports the state the
// service reached, which is what the file steps depend on, and no program is
// looked up along a search path the user can write to.
#pragma once

namespace update {

inline constexpr const char* kSpoolerService = "Spooler";

// The renames need the driver files released, which only a stopped spooler
// does; one that has not stopped after this long is not waited for any further
// and no file is touched.
inline constexpr unsigned kSpoolerStopWaitMs = 30000;
// The success dialog speaks of a spooler that is back; a start that hangs must
// not hold the window longer than this.
inline constexpr unsigned kSpoolerStartWaitMs = 30000;

// True once the manager reports the spooler stopped (or running) within the wait.
bool StopSpooler();
bool StartSpooler();

}  // namespace update
