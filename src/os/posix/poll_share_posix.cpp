// Linux has no tray window whose polls the tool could take over: every
// printer is read from its device. Nothing here shares polls, so SharePoll
// has no definition and a call to it fails to link.
#include "os/poll_share.h"

namespace os {

std::optional<SharedPoll> ReadSharedPoll() { return std::nullopt; }

}  // namespace os
