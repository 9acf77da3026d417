// The install run: backups, downloads into place, spooler commands, results.
#include <gtest/gtest.h>

#include "update/spooler.h"
#include "update/update_world.h"

namespace {

using namespace zevtest;
using Strings = std::vector<std::string>;

const std::string kStop = "cmd /C net stop spooler";
const std::string kStart = "cmd /C net start spooler";

std::string fileName(char letter) { return std::string("brmod_") + letter + (letter == 'b' ? ".dat" : ".dll"); }

Strings downloadRequests(std::string_view letters) {
    Strings paths;
    for (char c : letters) paths.push_back("/zev/update/files/" + fileName(c));
    return paths;
}

// The status line's texts while `letters` are downloaded one after another.
Strings statusTexts(std::string_view letters) {
    Strings texts;
    for (char c : letters) texts.push_back("Downloading now: " + fileName(c));
    texts.push_back("Download complete.");
    return texts;
}

TEST(UpdateInstall, Mask100000ReplacesOnlyTheSystemDirectoryFile) {
    UpdateWorld w("1", "a");
    w.check();
    w.server.clearRequests();
    w.h.top().click(ui::IDOK);

    EXPECT_EQ(w.top(), IDD_UPDSUCCESS_EN);
    EXPECT_EQ(UpdateWorld::read(w.backup('a')), "old");
    EXPECT_EQ(UpdateWorld::read(w.installed('a')), "new brmod_a.dll");
    EXPECT_EQ(w.h.window(IDD_UPDFOUND_EN).textHistory(IDC_UPDATE_STATUS), statusTexts("a"));
    EXPECT_EQ(w.server.requests(), downloadRequests("a"));
    EXPECT_EQ(w.h.machine().launchedProcesses, (Strings{kStop, kStart}));
    // The stop is waited for (the renames need the files released), and so is the start.
    using Wait = std::pair<std::string, unsigned>;
    EXPECT_EQ(w.h.machine().processWaits,
              (std::vector<Wait>{{kStop, update::kSpoolerStopWaitMs}, {kStart, update::kSpoolerStartWaitMs}}));

    w.h.top().click(ui::IDOK);
    EXPECT_FALSE(w.h.has(IDD_UPDFOUND_EN));
    EXPECT_FALSE(w.h.has(IDD_UPDATE_EN));
}

TEST(UpdateInstall, TheGermanRunShowsItsStampBeforeStoppingTheSpoolerAndStampsTheBackups) {
    UpdateWorld w("0", "f");
    w.h.advance(std::chrono::minutes(17));
    w.checkAndInstall();

    auto box = w.h.messageBox();
    ASSERT_TRUE(box.has_value());
    const std::string stamp = box->messageText();
    // 5 December 2025, 01:17 local time on the simulated machine.
    EXPECT_EQ(stamp, " 05122025 0117");
    EXPECT_EQ(box->caption(), "ZevStatus");
    EXPECT_EQ(box->messageType(), ui::MB_OK);
    EXPECT_TRUE(w.h.machine().launchedProcesses.empty());
    box->answer(ui::IDOK);

    EXPECT_EQ(w.h.machine().launchedProcesses, (Strings{kStop, kStart}));
    EXPECT_EQ(UpdateWorld::read(w.backup('f', stamp)), "old");
    EXPECT_EQ(UpdateWorld::read(w.installed('f')), "new brmod_f.dll");
    // The status texts are English in the German dialog too.
    EXPECT_EQ(w.h.window(IDD_UPDFOUND_DE).text(IDC_UPDATE_STATUS), "Download complete.");
    EXPECT_EQ(w.top(), IDD_UPDSUCCESS_DE);
}

TEST(UpdateInstall, AFailedDownloadOffersAnotherRunThatStartsFromTheMaskAgain) {
    UpdateWorld w("1", "af");
    w.server.withdraw("/zev/update/files/brmod_f.dll");
    w.checkAndInstall();

    EXPECT_EQ(w.top(), IDD_UPDERROR_EN);
    EXPECT_EQ(w.install()->m_pending, (update::MaskFlags{0, 0, 0, 1, 0, 0}));
    // The previous copy is in its backup; the file itself is missing until a run replaces it.
    EXPECT_EQ(UpdateWorld::read(w.backup('f')), "old");
    EXPECT_FALSE(std::filesystem::exists(w.installed('f')));
    EXPECT_EQ(w.h.machine().launchedProcesses, (Strings{kStop, kStart}));

    w.h.top().click(ui::IDOK);  // "Yes, try again": the install dialog stays
    EXPECT_EQ(w.top(), IDD_UPDFOUND_EN);
    w.publishReplacement('f', "new brmod_f.dll");
    w.server.clearRequests();
    w.h.top().click(ui::IDOK);

    EXPECT_EQ(w.h.machine().launchedProcesses, (Strings{kStop, kStart, kStop, kStart}));
    EXPECT_EQ(w.server.requests(), downloadRequests("af"));
    EXPECT_EQ(UpdateWorld::read(w.installed('f')), "new brmod_f.dll");
    EXPECT_EQ(UpdateWorld::read(w.backup('a')), "old");  // the second rename of a met its backup
    EXPECT_EQ(w.top(), IDD_UPDSUCCESS_EN);
}

TEST(UpdateInstall, NoOnTheFailureDialogClosesInstallAndCheckWithTheSpoolerRunning) {
    UpdateWorld w("0", "c");
    w.server.withdraw("/zev/update/files/brmod_c.dll");
    w.checkAndInstall();
    w.answerBox();  // the German run's stamp
    ASSERT_EQ(w.top(), IDD_UPDERROR_DE);
    w.h.top().click(ui::IDCANCEL);
    EXPECT_EQ(w.top(), IDD_MAIN);
    EXPECT_EQ(w.h.machine().launchedProcesses.back(), kStart);
}

TEST(UpdateInstall, ASecondLineInTheVersionFileMustMatchTheReplacementsSha256) {
    // printf 'new brmod_f.dll' | sha256sum
    const std::string sha = "dc2a169b115eb74c4d37ced9fb5fdfdb25d4c92ca96e883d7564063b87607800";
    std::string shaUpper = sha;
    for (char& ch : shaUpper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    const std::pair<std::string, bool> cases[] = {
        {"02012010", true},  // no second line
        {"02012010\n\n", true},
        {"02012010\n" + sha + "\n", true},
        {"02012010\r\n  " + shaUpper + "\r\n", true},
        {"02012010\n" + std::string(64, 'a'), false},  // another file's digest
        {"02012010\nchecksum pending", false},
    };
    for (const auto& [versionFile, replaced] : cases) {
        SCOPED_TRACE(versionFile);
        UpdateWorld w("1", "f");
        w.publishVersion('f', versionFile);
        w.checkAndInstall();
        EXPECT_EQ(w.top(), replaced ? IDD_UPDSUCCESS_EN : IDD_UPDERROR_EN);
        // A replacement that is not the announced one does not stay in the driver's place.
        EXPECT_EQ(std::filesystem::exists(w.installed('f')), replaced);
        EXPECT_EQ(UpdateWorld::read(w.backup('f')), "old");
    }
}

TEST(UpdateInstall, AResultWindowThatCannotOpenLeavesTheInstallOpen) {
    UpdateWorld w("1", "a");
    w.h.primary().backend().failTemplate(IDD_UPDSUCCESS_EN);
    w.checkAndInstall();
    EXPECT_EQ(w.answerBox(), "Dialogbox kann nicht erstellt werden!");
    EXPECT_EQ(w.top(), IDD_UPDFOUND_EN);
}

}  // namespace
