// Stopping and starting the print spooler around the replacement of driver files.
#pragma once

namespace update {

inline constexpr const char* kStopSpoolerCommand = "cmd /C net stop spooler";
inline constexpr const char* kStartSpoolerCommand = "cmd /C net start spooler";

// "net stop" returns once the service has stopped and let go of the driver
// files, which the renames need; a spooler that takes longer than this is not
// waited for any further (its files then stay in place and the run fails, so
// the user can try again).
inline constexpr unsigned kSpoolerStopWaitMs = 30000;
// Waiting for the start lets the result dialog speak of a spooler that is back;
// a start that hangs must not hold the window longer than this.
inline constexpr unsigned kSpoolerStartWaitMs = 30000;

// Each runs its command as a hidden process and waits for it as said above.
// The outcome is not examined.
void StopSpooler();
void StartSpooler();

}  // namespace update
