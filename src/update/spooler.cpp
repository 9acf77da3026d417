#include "update/spooler.h"

#include "os/process.h"

namespace update {

namespace {

void runHidden(const char* commandLine, unsigned waitMs) {
    if (auto process = os::LaunchHidden(commandLine)) process->wait(waitMs);
}

}  // namespace

void StopSpooler() { runHidden(kStopSpoolerCommand, kSpoolerStopWaitMs); }

void StartSpooler() { runHidden(kStartSpoolerCommand, kSpoolerStartWaitMs); }

}  // namespace update
