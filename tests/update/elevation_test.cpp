// The install from a program without administrator rights: the elevated copy
// (run here in-process, as the administrator's copy would run) and a declined
// prompt. A copy that dies halfway is among the attacks (attack_test.cpp).
#include <gtest/gtest.h>

#include "update/elevated_install.h"
#include "update/update_world.h"

namespace {

using namespace zevtest;
using Strings = std::vector<std::string>;

const Strings kOld = {"old", "old", "old", "old", "old", "old"};

TEST(UpdateElevation, AProgramWithoutRightsInstallsThroughAnElevatedCopy) {
    UpdateWorld w("1", "adf");
    w.elevateInProcess();
    w.checkAndInstall();
    EXPECT_EQ(w.top(), IDD_UPDSUCCESS_EN);
    EXPECT_EQ(w.driver(), (Strings{"new brmod_a.dll", "old", "old", "new brmod_d.dll", "old", "new brmod_f.dll"}));
    ASSERT_EQ(w.h.machine().elevatedRuns.size(), 1u);
    EXPECT_TRUE(w.h.machine().elevatedRuns[0].ends_with("\" 101100 -"));
    EXPECT_EQ(w.h.machine().serviceCalls, (Strings{"stop Spooler", "start Spooler"}));
    EXPECT_EQ(w.leftovers(), Strings{});
}

TEST(UpdateElevation, ADeclinedPromptTouchesNothing) {
    UpdateWorld w("0", "adf");
    w.h.machine().elevated = false;  // and no copy ever runs
    w.checkAndInstall();
    w.h.answerBox();  // the German run's stamp
    EXPECT_EQ(w.top(), IDD_UPDERROR_DE);
    EXPECT_EQ(w.h.machine().elevatedRuns.size(), 1u);
    EXPECT_TRUE(w.h.machine().serviceCalls.empty());
    EXPECT_EQ(w.driver(), kOld);
    EXPECT_EQ(w.leftovers(), Strings{});
    w.h.top().click(ui::IDCANCEL);  // "No" closes the install and the check
    EXPECT_EQ(w.top(), IDD_MAIN);
}

// The elevated mode acts only on a command line it fully understands (the
// parser's own table has the cases), and only with administrator rights.
TEST(UpdateElevation, TheElevatedModeRefusesWhatItDoesNotUnderstand) {
    UpdateWorld w("1", "a");
    EXPECT_EQ(update::RunElevatedMode("\"C:\\ZEV\\ZevStatus.exe\" --zev-elevated-install"), update::kExitBadArguments);
    w.h.machine().elevated = false;
    EXPECT_EQ(update::RunElevatedMode("\"C:\\ZEV\\ZevStatus.exe\" --zev-elevated-recover"), update::kExitNotElevated);
    EXPECT_EQ(w.driver(), kOld);
    EXPECT_TRUE(w.h.machine().serviceCalls.empty());
}

}  // namespace
