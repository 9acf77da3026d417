// The driver converts text with the program's own UTF-8/UTF-16 functions.
#pragma once

#include "os/win32/wide.h"

namespace e2e {

using os::win32::ToUtf8;
using os::win32::ToWide;

}  // namespace e2e
