// Command 1021 and the update check, against a real loopback HTTP server.
#include <gtest/gtest.h>

#include "update/update_world.h"

namespace {

using namespace zevtest;

std::vector<std::string> versionRequests(std::string_view letters) {
    std::vector<std::string> paths;
    for (char c : letters) paths.push_back(std::string("/zev/update/brmod_") + c + ".txt");
    return paths;
}

TEST(UpdateCheck, TheMaskNamesTheNewerFilesInTheOrderAEDFCB) {
    const std::pair<const char*, const char*> cases[] = {
        {"f", "000100"},
        {"b", "000001"},
        {"a", "100000"},
        {"ec", "010010"},
    };
    for (const auto& [newer, mask] : cases) {
        SCOPED_TRACE(newer);
        UpdateWorld w("1", newer);
        w.check();
        ASSERT_NE(w.install(), nullptr);
        EXPECT_EQ(w.install()->m_strUpdateMask, mask);
        EXPECT_EQ(w.server.requests(), versionRequests("aedfcb"));
    }
}

TEST(UpdateCheck, TheDatesDecideYearFirstAndAnEqualDateIsNotNewer) {
    struct Case {
        int day, month, year;
        const char* server;
        bool newer;
    };
    const Case cases[] = {
        {31, 12, 2009, "01012010", true},
        {16, 3, 2010, "15032010", false},
        {15, 3, 2010, "15032010", false},
        {15, 3, 2010, "16032010", true},
        {1, 2, 2010, "31012010", false},  // the month before the day
        {15, 3, 2010, "15042009", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.server);
        UpdateWorld w("0", "");
        w.install('d', c.day, c.month, c.year);
        w.publishVersion('d', c.server);
        w.check();
        EXPECT_EQ(w.top(), c.newer ? IDD_UPDFOUND_DE : IDD_NOUPDFOUND_DE);
        if (c.newer) {
            EXPECT_EQ(w.install()->m_strUpdateMask, "001000");
        }
    }
}

// Each ends on the main window after `button` (if any) in the window `shown`.
TEST(UpdateCheck, EndingsOfTheCheckThatInstallNothing) {
    struct Case {
        const char* name;
        const char* language;
        const char* newer;
        const char* withdrawn;  // version files taken off the server, by letter
        bool yesInCheck;
        int shown;
        int button;
        const char* requested;  // version files asked for, by letter
    };
    const Case cases[] = {
        {"German, nothing newer", "0", "", "", true, IDD_NOUPDFOUND_DE, ui::IDOK, "aedfcb"},
        {"brmod_e.txt missing stops the chain", "1", "f", "e", true, IDD_UPDONLERROR_EN, ui::IDOK, "ae"},
        {"No means no network access", "0", "f", "", false, IDD_UPDATE_DE, ui::IDCANCEL, ""},
        {"No in the install dialog", "0", "f", "", true, IDD_UPDFOUND_DE, ui::IDCANCEL, "aedfcb"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UpdateWorld w(c.language, c.newer);
        for (const std::string& path : versionRequests(c.withdrawn)) w.server.withdraw(path);
        w.runCommand();
        if (c.yesInCheck) w.h.top().click(ui::IDOK);
        EXPECT_EQ(w.top(), c.shown);
        if (c.button) w.h.top().click(c.button);
        EXPECT_EQ(w.top(), IDD_MAIN);
        EXPECT_EQ(w.server.requests(), versionRequests(c.requested));
        EXPECT_FALSE(w.h.readFile("C:\\ZEV\\brmod_a.txt").has_value());
        EXPECT_TRUE(w.h.machine().launchedProcesses.empty());
        EXPECT_EQ(w.h.readFile(w.installed('f')), "old");
    }
}

TEST(UpdateCheck, AFileLeftBehindNeverStandsInForAFailedDownload) {
    UpdateWorld w("1", "");
    w.server.withdraw("/zev/update/brmod_a.txt");
    w.h.writeFile("C:\\ZEV\\brmod_a.txt", "01012011");
    w.check();
    EXPECT_EQ(w.top(), IDD_UPDONLERROR_EN);
    EXPECT_EQ(w.h.readFile("C:\\ZEV\\brmod_a.txt"), "01012011") << "not ours to delete";
    EXPECT_EQ(w.leftovers(), std::vector<std::string>{});
}

// Any program of the user's can set the environment; only an administrator
// can set the policy, and only an https:// policy address (or a loopback test
// server) is taken.
TEST(UpdateCheck, OnlyTheAdministratorsPolicyChoosesTheServer) {
    {
        UpdateWorld w("1", "a");
        ::setenv("ZEV_UPDATE_URL", "http://127.0.0.1:9", 1);
        w.check();
        ::unsetenv("ZEV_UPDATE_URL");
        EXPECT_EQ(w.top(), IDD_UPDFOUND_EN);
    }
    UpdateWorld w("1", "a");
    w.useServer("file:///C:/mirror");
    w.check();
    EXPECT_EQ(w.h.answerBox(),
              "HKLM\\SOFTWARE\\Policies\\BRENLATO\\ZEV Status\\UpdateUrl: the update server must be an https:// "
              "address (http:// only as http://127.0.0.1:PORT for a test server); \"file:///C:/mirror\" is not one, so "
              "no update can be fetched./ZevStatus");
    EXPECT_EQ(w.top(), IDD_UPDONLERROR_EN);
}

// A server that keeps a download alive with a byte now and then meets no
// stall limit; the deadline (30 s, shortened here rather than waited out)
// ends it.
TEST(UpdateCheck, ADownloadThatDripsEndsAtItsDeadlineWithTheFailureDialog) {
    UpdateWorld w("1", "a");
    w.publishVersion('a', "02012010" + std::string(100, ' '));
    w.server.misbehave(update::VersionFileUrlPath(UpdateWorld::file('a')), LoopbackHttpServer::Fault::Drip);
    w.h.machine().downloadDeadlineDivisor = 100;
    w.check();
    EXPECT_EQ(w.top(), IDD_UPDONLERROR_EN);
}

TEST(UpdateCheck, MissingInstalledFilesGiveOneBoxEachAndNoDownload) {
    const std::pair<const char*, const char*> cases[] = {
        {"0", "Datei nicht gefunden ! Eventuell kein ZEV Treiber installiert !"},
        {"1", "File not found ! Maybe no ZEV driver installed !"}};
    for (const auto& [language, text] : cases) {
        SCOPED_TRACE(language);
        UpdateWorld w(language, "a");
        w.h.removeFile(w.installed('e'));
        w.h.removeFile(w.installed('b'));
        w.runCommand();
        // Examined in the order a, b, c, f, d, e: the box for b comes first.
        for (int box = 0; box < 2; ++box) {
            auto mb = w.h.messageBox();
            ASSERT_TRUE(mb.has_value());
            EXPECT_EQ(mb->messageType(), ui::MB_OK | ui::MB_ICONEXCLAMATION);
            EXPECT_EQ(w.h.answerBox(), std::string(text) + "/ZevStatus");
        }
        EXPECT_EQ(w.top(), IDD_MAIN);
        EXPECT_TRUE(w.server.requests().empty());
    }
}

TEST(UpdateCheck, AResultWindowThatCannotOpenLeavesTheCheckOpenForAFreshRun) {
    UpdateWorld w("1", "");
    w.h.primary().backend().failTemplate(IDD_NOUPDFOUND_EN);
    w.check();
    EXPECT_EQ(w.h.answerBox(), "Dialogbox kann nicht erstellt werden!/ZevStatus");
    EXPECT_EQ(w.top(), IDD_UPDATE_EN);

    w.h.primary().backend().failTemplate(IDD_NOUPDFOUND_EN, false);
    w.h.top().click(ui::IDOK);
    EXPECT_EQ(w.top(), IDD_NOUPDFOUND_EN);
    EXPECT_EQ(w.server.requests().size(), 12u);
}

}  // namespace
