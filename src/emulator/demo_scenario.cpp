#include "emulator/demo_scenario.h"

namespace emulator {

std::string_view DemoScenarioText() {
    return R"(# Demo: one ZEV through a minute of ordinary trouble, over and over.
# Ready; printing with the black pen running low; a paper jam; the top
# cover opened for a new black cartridge; ready again.
printer A1 state=0 activity=0 cover=8 pen1=1:80 pen2=2:60
at 8 A1 state=2 activity=15 pen1=1:9
at 16 A1 pen1=1:7
at 20 A1 state=14 activity=0
at 30 A1 state=0
at 34 A1 cover=9
at 44 A1 cover=8 pen1=1:100
loop 60
)";
}

}  // namespace emulator
