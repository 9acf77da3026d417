#include "os/elevation.h"
#include "os/headless/machine.h"

namespace os {

using headless::machine;

bool IsElevated() { return machine().elevated; }

ElevatedRun RunElevatedCopy(const std::string& arguments, unsigned) {
    auto& m = machine();
    m.elevatedRuns.push_back(arguments);
    if (!m.elevatedCopy) return {ElevatedRun::Outcome::Declined, 0};
    const headless::ElevatedOutcome outcome = m.elevatedCopy(arguments);
    if (outcome.declined) return {ElevatedRun::Outcome::Declined, 0};
    return {ElevatedRun::Outcome::Ended, outcome.exitCode};
}

}  // namespace os
