// The lock-step harness under the names the tests use.
#pragma once

#include "harness/lockstep_harness.h"

namespace zevtest {

using namespace std::chrono_literals;
using ui::headless::Harness;
using ui::headless::HeadlessBackend;
using ui::headless::Instance;
using ui::headless::WindowView;

}  // namespace zevtest
