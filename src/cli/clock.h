// Time and the stop request as the status tool sees them, so that a watch can
// run on a real clock with Ctrl+C, or on a test's clock that ends it.
#pragma once

#include <cstdint>

namespace cli {

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::uint64_t nowMs() = 0;
    // May return early when a stop is requested.
    virtual void sleepMs(unsigned ms) = 0;
    virtual bool stopRequested() = 0;
};

}  // namespace cli
