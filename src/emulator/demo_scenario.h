// The built-in scenario of ZEV_EMULATOR=demo.
#pragma once

#include <string_view>

namespace emulator {

// One printer walking through ready, printing with low black ink, a paper jam,
// the top cover open and back to ready, once a minute, in scenario-file form.
std::string_view DemoScenarioText();

}  // namespace emulator
