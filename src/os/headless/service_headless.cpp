// The simulated service manager: services change state at once unless a test
// made them refuse, and a refused wait takes its whole time on the virtual clock.
#include "os/headless/machine.h"
#include "os/service.h"

namespace os {

using headless::machine;

namespace {

bool Confirm(const std::string& verb, const std::string& name, unsigned waitMs, bool wantRunning) {
    auto& m = machine();
    m.serviceCalls.push_back(verb + " " + name);
    const auto it = m.services.find(name);
    if (it == m.services.end()) return false;
    headless::ServiceModel& service = it->second;
    const bool refuses = wantRunning ? service.refusesStart : service.refusesStop;
    if (!refuses) service.running = wantRunning;
    if (service.running != wantRunning) m.advance(waitMs);
    return service.running == wantRunning;
}

}  // namespace

bool StopServiceConfirmed(const std::string& name, unsigned waitMs) { return Confirm("stop", name, waitMs, false); }

bool StartServiceConfirmed(const std::string& name, unsigned waitMs) { return Confirm("start", name, waitMs, true); }

}  // namespace os
