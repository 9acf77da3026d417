// Screenshots of the whole virtual desktop. The driver cannot run Linux tools
// from inside Wine, so it asks run-e2e.sh: it drops NAME.request into the
// screenshot folder and waits until the script has saved NAME.png there.
#pragma once

#include <string>

namespace e2e {

// True when the picture was saved; false when no screenshot folder was given
// or the script did not answer in time (a test goes on either way).
bool SaveScreenshot(const std::string& name);

}  // namespace e2e
