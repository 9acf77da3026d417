#include "update/spooler.h"

#include "os/service.h"

namespace update {

bool StopSpooler() { return os::StopServiceConfirmed(kSpoolerService, kSpoolerStopWaitMs); }

bool StartSpooler() { return os::StartServiceConfirmed(kSpoolerService, kSpoolerStartWaitMs); }

}  // namespace update
