// Stopping and starting a system service through the Service Control Manager,
// each confirmed by the state the manager reports afterwards.
#pragma once

#include <string>

namespace os {

// Asks `name` to stop and waits until the manager reports it stopped. True
// when it is stopped within `waitMs` (a service that was not running counts).
bool StopServiceConfirmed(const std::string& name, unsigned waitMs);
// Asks `name` to start and waits until the manager reports it running. True
// when it runs within `waitMs` (a service already running counts).
bool StartServiceConfirmed(const std::string& name, unsigned waitMs);

}  // namespace os
