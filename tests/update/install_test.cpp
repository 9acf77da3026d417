// The install run: backups, downloads into place, spooler commands, results.
#include <gtest/gtest.h>

#include "update/spooler.h"
#include "update/update_world.h"

namespace {

using namespace zevtest;

const std::string kStop = "cmd /C net stop spooler";
const std::string kStart = "cmd /C net start spooler";

TEST(UpdateInstall, Mask100000ReplacesOnlyTheSystemDirectoryFile) {
    UpdateWorld w("1");
    w.outdate("a");
    w.check();
    w.server.clearRequests();
    w.h.top().click(ui::IDOK);

    EXPECT_EQ(w.h.top().templateId(), IDD_UPDSUCCESS_EN);
    EXPECT_EQ(UpdateWorld::read(w.backup('a')), "old");
    EXPECT_EQ(UpdateWorld::read(w.installed('a')), "new brmod_a.dll");
    EXPECT_EQ(w.h.window(IDD_UPDFOUND_EN).textHistory(IDC_UPDATE_STATUS),
              (std::vector<std::string>{"Downloading now: brmod_a.dll", "Download complete."}));
    EXPECT_EQ(w.server.requests(), std::vector<std::string>{"/zev/update/files/brmod_a.dll"});
    EXPECT_EQ(w.h.machine().launchedProcesses, (std::vector<std::string>{kStop, kStart}));
    // The stop is waited for (the renames need the files released), and so is the start.
    using Wait = std::pair<std::string, unsigned>;
    EXPECT_EQ(w.h.machine().processWaits,
              (std::vector<Wait>{{kStop, update::kSpoolerStopWaitMs}, {kStart, update::kSpoolerStartWaitMs}}));

    w.h.top().click(ui::IDOK);
    EXPECT_FALSE(w.h.has(IDD_UPDFOUND_EN));
    EXPECT_FALSE(w.h.has(IDD_UPDATE_EN));
}

TEST(UpdateInstall, Mask011111ProcessesTheFilesInMaskOrder) {
    UpdateWorld w("1");
    w.outdate("bcdef");
    w.check();
    ASSERT_EQ(w.install()->m_strUpdateMask, "011111");
    w.server.clearRequests();
    w.h.top().click(ui::IDOK);

    EXPECT_EQ(w.h.window(IDD_UPDFOUND_EN).textHistory(IDC_UPDATE_STATUS),
              (std::vector<std::string>{"Downloading now: brmod_e.dll", "Downloading now: brmod_d.dll",
                                        "Downloading now: brmod_f.dll", "Downloading now: brmod_c.dll",
                                        "Downloading now: brmod_b.dat", "Download complete."}));
    EXPECT_EQ(w.server.requests(),
              (std::vector<std::string>{"/zev/update/files/brmod_e.dll", "/zev/update/files/brmod_d.dll",
                                        "/zev/update/files/brmod_f.dll", "/zev/update/files/brmod_c.dll",
                                        "/zev/update/files/brmod_b.dat"}));
    EXPECT_EQ(UpdateWorld::read(w.installed('b')), "new brmod_b.dat");
    EXPECT_EQ(UpdateWorld::read(w.backup('b')), "old");
    EXPECT_EQ(UpdateWorld::read(w.installed('a')), "old");
    EXPECT_FALSE(std::filesystem::exists(w.backup('a')));
    EXPECT_EQ(w.h.top().templateId(), IDD_UPDSUCCESS_EN);
}

TEST(UpdateInstall, TheGermanRunShowsItsStampBeforeStoppingTheSpoolerAndStampsTheBackups) {
    UpdateWorld w("0");
    w.outdate("f");
    w.h.advance(std::chrono::minutes(17));
    w.check();
    w.h.top().click(ui::IDOK);

    auto box = w.h.messageBox();
    ASSERT_TRUE(box.has_value());
    const std::string stamp = box->messageText();
    // 5 December 2025, 01:17 local time on the simulated machine.
    EXPECT_EQ(stamp, " 05122025 0117");
    EXPECT_EQ(box->caption(), "ZevStatus");
    EXPECT_EQ(box->messageType(), ui::MB_OK);
    EXPECT_TRUE(w.h.machine().launchedProcesses.empty());
    box->answer(ui::IDOK);

    EXPECT_EQ(w.h.machine().launchedProcesses, (std::vector<std::string>{kStop, kStart}));
    EXPECT_EQ(UpdateWorld::read(w.backup('f', stamp)), "old");
    EXPECT_EQ(UpdateWorld::read(w.installed('f')), "new brmod_f.dll");
    // The status texts are English in the German dialog too.
    EXPECT_EQ(w.h.window(IDD_UPDFOUND_DE).text(IDC_UPDATE_STATUS), "Download complete.");
    EXPECT_EQ(w.h.top().templateId(), IDD_UPDSUCCESS_DE);
}

TEST(UpdateInstall, NoInTheInstallDialogTouchesNothing) {
    UpdateWorld w("0");
    w.outdate("f");
    w.check();
    w.h.top().click(ui::IDCANCEL);
    EXPECT_FALSE(w.h.messageBox().has_value());
    EXPECT_TRUE(w.h.machine().launchedProcesses.empty());
    EXPECT_EQ(UpdateWorld::read(w.installed('f')), "old");
    EXPECT_EQ(w.h.top().templateId(), IDD_MAIN);
}

TEST(UpdateInstall, TheEnglishRunMeetingAnEarlierBackupKeepsItAndReplacesInPlace) {
    UpdateWorld w("1");
    w.outdate("a");
    UpdateWorld::write(w.backup('a'), "first backup");
    w.check();
    w.h.top().click(ui::IDOK);
    EXPECT_EQ(UpdateWorld::read(w.backup('a')), "first backup");
    EXPECT_EQ(UpdateWorld::read(w.installed('a')), "new brmod_a.dll");
    EXPECT_EQ(w.h.top().templateId(), IDD_UPDSUCCESS_EN);
}

TEST(UpdateInstall, AFailedDownloadOffersAnotherRunThatStartsFromTheMaskAgain) {
    UpdateWorld w("1");
    w.outdate("af");
    w.server.withdraw("/zev/update/files/brmod_f.dll");
    w.check();
    w.h.top().click(ui::IDOK);

    EXPECT_EQ(w.h.top().templateId(), IDD_UPDERROR_EN);
    EXPECT_EQ(w.install()->m_pending, (update::MaskFlags{0, 0, 0, 1, 0, 0}));
    // The previous copy is in its backup; the file itself is missing until a run replaces it.
    EXPECT_EQ(UpdateWorld::read(w.backup('f')), "old");
    EXPECT_FALSE(std::filesystem::exists(w.installed('f')));
    EXPECT_EQ(w.h.machine().launchedProcesses, (std::vector<std::string>{kStop, kStart}));

    w.h.top().click(ui::IDOK);  // "Yes, try again": the install dialog stays
    EXPECT_EQ(w.h.top().templateId(), IDD_UPDFOUND_EN);
    w.publishReplacement('f', "new brmod_f.dll");
    w.server.clearRequests();
    w.h.top().click(ui::IDOK);

    EXPECT_EQ(w.h.machine().launchedProcesses, (std::vector<std::string>{kStop, kStart, kStop, kStart}));
    EXPECT_EQ(w.server.requests(),
              (std::vector<std::string>{"/zev/update/files/brmod_a.dll", "/zev/update/files/brmod_f.dll"}));
    EXPECT_EQ(UpdateWorld::read(w.installed('f')), "new brmod_f.dll");
    EXPECT_EQ(UpdateWorld::read(w.backup('a')), "old");  // the second rename of a met its backup
    EXPECT_EQ(w.h.top().templateId(), IDD_UPDSUCCESS_EN);
}

TEST(UpdateInstall, NoOnTheFailureDialogClosesInstallAndCheckWithTheSpoolerRunning) {
    UpdateWorld w("0");
    w.outdate("c");
    w.server.withdraw("/zev/update/files/brmod_c.dll");
    w.check();
    w.h.top().click(ui::IDOK);
    w.h.messageBox()->answer(ui::IDOK);  // the German run's stamp
    ASSERT_EQ(w.h.top().templateId(), IDD_UPDERROR_DE);
    w.h.top().click(ui::IDCANCEL);
    EXPECT_EQ(w.h.top().templateId(), IDD_MAIN);
    EXPECT_EQ(w.h.machine().launchedProcesses.back(), kStart);
}

TEST(UpdateInstall, ASecondLineInTheVersionFileMustMatchTheReplacementsSha256) {
    // printf 'new brmod_f.dll' | sha256sum
    const std::string sha = "dc2a169b115eb74c4d37ced9fb5fdfdb25d4c92ca96e883d7564063b87607800";
    std::string shaUpper = sha;
    for (char& ch : shaUpper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    struct Case {
        const char* name;
        std::string versionFile;
        bool replaced;
    };
    const Case cases[] = {
        {"no second line", "02012010", true},
        {"empty second line", "02012010\n\n", true},
        {"matching digest", "02012010\n" + sha + "\n", true},
        {"matching digest in capitals after CRLF", "02012010\r\n  " + shaUpper + "\r\n", true},
        {"other digest", "02012010\n" + std::string(64, 'a'), false},
        {"not a digest", "02012010\nchecksum pending", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UpdateWorld w("1");
        w.outdate("f");
        w.publishVersion('f', c.versionFile);
        w.check();
        w.h.top().click(ui::IDOK);
        EXPECT_EQ(w.h.top().templateId(), c.replaced ? IDD_UPDSUCCESS_EN : IDD_UPDERROR_EN);
        // A replacement that is not the announced one does not stay in the driver's place.
        EXPECT_EQ(std::filesystem::exists(w.installed('f')), c.replaced);
        EXPECT_EQ(UpdateWorld::read(w.backup('f')), "old");
    }
}

TEST(UpdateInstall, AResultWindowThatCannotOpenLeavesTheInstallOpen) {
    UpdateWorld w("1");
    w.outdate("a");
    w.h.primary().backend().failTemplate(IDD_UPDSUCCESS_EN);
    w.check();
    w.h.top().click(ui::IDOK);
    auto box = w.h.messageBox();
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->messageText(), "Dialogbox kann nicht erstellt werden!");
    box->answer(ui::IDOK);
    EXPECT_EQ(w.h.top().templateId(), IDD_UPDFOUND_EN);
}

}  // namespace
