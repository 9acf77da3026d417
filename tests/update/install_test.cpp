// The install run: staging, checks, the spooler, the swap with its undo, and the results.
#include <gtest/gtest.h>

#include <functional>

#include "update/download_limits.h"
#include "update/update_world.h"

namespace {

using namespace zevtest;
using Strings = std::vector<std::string>;

const Strings kStopStart = {"stop Spooler", "start Spooler"};

// The six files' contents in table order when `replaced` got their new copies.
Strings driverWith(std::string_view replaced) {
    Strings contents;
    for (const auto& f : update::kDriverFiles)
        contents.push_back(replaced.find(f.letter) != std::string_view::npos ? "new " + std::string(f.name) : "old");
    return contents;
}

TEST(UpdateInstall, Mask100000ReplacesOnlyTheSystemDirectoryFile) {
    UpdateWorld w("1", "a");
    w.checkAndInstall();

    EXPECT_EQ(w.top(), IDD_UPDSUCCESS_EN);
    EXPECT_EQ(w.h.readFile(w.backup('a')), "old");
    EXPECT_EQ(w.driver(), driverWith("a"));
    EXPECT_EQ(w.h.window(IDD_UPDFOUND_EN).textHistory(IDC_UPDATE_STATUS),
              (Strings{"Downloading now: brmod_a.dll", "Download complete."}));
    EXPECT_TRUE(w.h.machine().launchedProcesses.empty()) << "no command processor is involved";

    w.h.top().click(ui::IDOK);
    EXPECT_EQ(w.top(), IDD_MAIN);
}

TEST(UpdateInstall, TheGermanRunShowsItsStampBeforeAnythingAndStampsTheBackups) {
    UpdateWorld w("0", "f");
    w.h.advance(std::chrono::minutes(17));
    w.checkAndInstall();

    auto box = w.h.messageBox();
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->messageType(), ui::MB_OK);
    EXPECT_TRUE(w.h.machine().serviceCalls.empty());
    const std::string stamp = " 05122025 0117";  // 5 December 2025, 01:17 local time on the simulated machine
    EXPECT_EQ(w.h.answerBox(), stamp + "/ZevStatus");

    EXPECT_EQ(w.h.readFile(w.backup('f', stamp)), "old");
    EXPECT_EQ(w.h.readFile(w.installed('f')), "new brmod_f.dll");
    // The status texts are English in the German dialog too.
    EXPECT_EQ(w.h.window(IDD_UPDFOUND_DE).text(IDC_UPDATE_STATUS), "Download complete.");
    EXPECT_EQ(w.top(), IDD_UPDSUCCESS_DE);
}

TEST(UpdateInstall, AFailedRunTouchesNothingAndTheNextRunStartsFromTheMaskAgain) {
    UpdateWorld w("1", "af");
    w.server.withdraw("/zev/update/files/brmod_f.dll");
    w.checkAndInstall();

    EXPECT_EQ(w.top(), IDD_UPDERROR_EN);
    EXPECT_EQ(w.driver(), driverWith(""));
    EXPECT_FALSE(w.h.readFile(w.backup('a')).has_value());
    EXPECT_TRUE(w.h.machine().serviceCalls.empty()) << "the spooler is never stopped for a failed download";

    w.h.top().click(ui::IDOK);  // "Yes, try again": the install dialog stays
    EXPECT_EQ(w.top(), IDD_UPDFOUND_EN);
    w.publishReplacement('f', "new brmod_f.dll");
    w.server.clearRequests();
    w.h.top().click(ui::IDOK);

    EXPECT_EQ(w.h.machine().serviceCalls, kStopStart);
    EXPECT_EQ(w.server.requests(),
              (Strings{"/zev/update/files/manifest.txt",
                       "/zev/update/files/manifest.txt.sig",
                       "/zev/update/files/brmod_a.dll",
                       "/zev/update/files/brmod_f.dll"}));
    EXPECT_EQ(w.driver(), driverWith("af"));
    EXPECT_EQ(w.top(), IDD_UPDSUCCESS_EN);
    EXPECT_EQ(w.leftovers(), Strings{});
}

TEST(UpdateInstall, ASecondLineInTheVersionFileMustMatchTheReplacementsSha256) {
    // printf 'new brmod_f.dll' | sha256sum
    const std::string sha = "dc2a169b115eb74c4d37ced9fb5fdfdb25d4c92ca96e883d7564063b87607800";
    const std::string shaUpper = "DC2A169B115EB74C4D37CED9FB5FDFDB25D4C92CA96E883D7564063B87607800";
    const std::string other(64, 'a');
    const std::pair<std::string, bool> cases[] = {
        {"02012010\n\n", true},
        {"02012010\n" + sha + "\n", true},
        {"02012010\r\n  " + shaUpper + "\r\n", true},
        {std::string("02012010\n\0", 10) + other, true},  // a zero byte ends the text
        {"02012010 released\r\n" + other, false},         // however long the first line
        {"02012010\n" + sha.substr(1), false},
        {"02012010\nchecksum pending", false},
    };
    for (const auto& [versionFile, replaced] : cases) {
        SCOPED_TRACE(versionFile);
        UpdateWorld w("1", "f");
        w.publishVersion('f', versionFile);
        w.checkAndInstall();
        EXPECT_EQ(w.top(), replaced ? IDD_UPDSUCCESS_EN : IDD_UPDERROR_EN);
        EXPECT_EQ(w.driver(), driverWith(replaced ? "f" : ""));
    }
}

// Mask 101100 (files a, d, f, swapped in that order), English. After every
// fault the six files are a complete set, the spooler runs unless it would not
// start, nothing transient is left, and the dialog says how it went.
TEST(UpdateInstall, FaultsLeaveACompleteDriverAndARunningSpooler) {
    struct Case {
        const char* name;
        std::function<void(UpdateWorld&)> fault;
        int stopStarts;              // "stop Spooler", "start Spooler" pairs the run asks for
        const char* newD = nullptr;  // brmod_d.dll after a run that succeeds; none when it fails
    };
    const std::string big(update::kMaxDriverFileBytes + 1, 'x');
    const std::string badDigest = "02012010\n" + std::string(64, '0');
    const auto signedD = [](const char* replacement) {
        return [replacement](UpdateWorld& w) {
            w.install('d', 1, 1, 2010, "signed:old");
            if (replacement) w.publishReplacement('d', replacement);
        };
    };
    const Case cases[] = {
        {"digest does not match", [&](UpdateWorld& w) { w.publishVersion('d', badDigest); }, 0},
        {"bigger than the cap", [&](UpdateWorld& w) { w.publishReplacement('f', big); }, 0},
        {"empty replacement", [](UpdateWorld& w) { w.publishReplacement('f', ""); }, 0},
        {"signed driver, unsigned replacement", signedD(nullptr), 0},
        {"signed driver, signature that fails", signedD("badsig:new"), 0},
        {"signed driver, signed replacement", signedD("signed:new"), 1, "signed:new"},
        {"spooler does not stop", [](UpdateWorld& w) { w.spooler().refusesStop = true; }, 1},
        {"third of three swaps fails", [](UpdateWorld& w) { w.failOn("replace", "sealed\\brmod_f.dll"); }, 1},
        {"second move aside fails", [](UpdateWorld& w) { w.failOn("rename", "brmod_d.dll"); }, 1},
        {"journal cannot be written", [](UpdateWorld& w) { w.failOn("write", ".journal.new"); }, 1},
        // An English run again: its backups carry no stamp.
        {"backup name taken", [](UpdateWorld& w) { w.h.writeFile(w.backup('a'), "first"); }, 1, "new brmod_d.dll"},
        {"spooler will not start with the new files", [](UpdateWorld& w) { w.spooler().refusesStart = true; }, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UpdateWorld w("1", "adf");
        c.fault(w);
        Strings expected = w.driver();
        w.checkAndInstall();
        EXPECT_EQ(w.top(), c.newD ? IDD_UPDSUCCESS_EN : IDD_UPDERROR_EN);
        Strings services;
        for (int i = 0; i < c.stopStarts; ++i) services.insert(services.end(), kStopStart.begin(), kStopStart.end());
        EXPECT_EQ(w.h.machine().serviceCalls, services);
        if (c.newD) expected = {"new brmod_a.dll", expected[1], expected[2], c.newD, expected[4], "new brmod_f.dll"};
        EXPECT_EQ(w.driver(), expected);
        EXPECT_EQ(w.spooler().running, !w.spooler().refusesStart);
        EXPECT_EQ(w.leftovers(), Strings{});
    }
}

TEST(UpdateInstall, AResultWindowThatCannotOpenLeavesTheInstallOpen) {
    UpdateWorld w("1", "a");
    w.h.primary().backend().failTemplate(IDD_UPDSUCCESS_EN);
    w.checkAndInstall();
    EXPECT_EQ(w.h.answerBox(), "Dialogbox kann nicht erstellt werden!/ZevStatus");
    EXPECT_EQ(w.top(), IDD_UPDFOUND_EN);
}

}  // namespace
