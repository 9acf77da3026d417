#include "os/headless/machine.h"
#include "os/poll_share.h"

namespace os {

void SharePoll(const SharedPoll& poll) { headless::machine().sharedPoll = poll; }

std::optional<SharedPoll> ReadSharedPoll() { return headless::machine().sharedPoll; }

}  // namespace os
