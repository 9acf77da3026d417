// Choosing the emulated bus from the environment.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "emulator/emulated_bus.h"
#include "emulator/install.h"
#include "harness/harness.h"
#include "harness/temp_path.h"
#include "os/device_bus.h"
#include "printer/device_id.h"

namespace {

class InstallFromEnvironment : public ::testing::Test {
protected:
    ~InstallFromEnvironment() override {
        unsetenv("ZEV_EMULATOR");
        unsetenv("ZEV_EMULATOR_LOG");
        os::setDeviceBus(nullptr);
        std::filesystem::remove(scenarioFile);
    }

    zevtest::Harness h;
    const std::string scenarioFile = zevtest::UniqueTempPath("zev_install_scenario").string();
};

TEST_F(InstallFromEnvironment, WithoutTheVariableTheRealBusStays) {
    unsetenv("ZEV_EMULATOR");
    EXPECT_EQ(emulator::installFromEnvironment(), std::nullopt);
    EXPECT_EQ(&os::deviceBus(), &os::platformDeviceBus());
}

TEST_F(InstallFromEnvironment, DemoInstallsTheBuiltInPrinter) {
    setenv("ZEV_EMULATOR", "demo", 1);
    ASSERT_EQ(emulator::installFromEnvironment(), std::nullopt);
    EXPECT_EQ(&os::deviceBus(), emulator::installedBus());
    const auto list = os::deviceBus().listPrinterInterfaces();
    ASSERT_EQ(list.interfaces.size(), 1u);
    EXPECT_TRUE(printer::ReadDeviceId(list.interfaces[0].path));
}

TEST_F(InstallFromEnvironment, ABadScenarioIsRefusedWithItsReason) {
    std::ofstream(scenarioFile) << "printer A1\nat 5 A1 state=300\n";
    setenv("ZEV_EMULATOR", scenarioFile.c_str(), 1);
    const auto error = emulator::installFromEnvironment();
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, "ZEV_EMULATOR: " + scenarioFile + ": line 2: state must be a number from 0 to 255, not '300'");
    EXPECT_EQ(&os::deviceBus(), &os::platformDeviceBus()) << "a half-read scenario installs nothing";

    setenv("ZEV_EMULATOR", "/nonexistent/zev.txt", 1);
    EXPECT_EQ(emulator::installFromEnvironment(), "ZEV_EMULATOR: cannot read the scenario file /nonexistent/zev.txt");
}

}  // namespace
