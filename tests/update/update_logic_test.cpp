// The update's pure pieces: dates, the server address, the swap journal and the elevated command line.
#include <gtest/gtest.h>

#include <cstdlib>

#include "update/elevated_install.h"
#include "update/swap_journal.h"
#include "update/update_server.h"
#include "update/version_date.h"

namespace {

using update::VersionDate;

TEST(UpdateDates, VersionTextsAreReadFieldByFieldAsAtoiReadsThem) {
    struct Case {
        const char* text;
        VersionDate date;
    };
    const Case cases[] = {
        {"15032010", {15, 3, 2010}},
        {"01012010 and more", {1, 1, 2010}},
        {"150320109", {15, 3, 2010}},  // only eight characters count
        {"0103", {1, 3, 0}},
        {"", {0, 0, 0}},
        {"xx03ab10", {0, 3, 0}},
        {" 1-2+201", {1, -2, 201}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(update::ParseDateText(c.text), c.date);
    }
}

TEST(UpdateServer, OnlyHttpsUnlessATestServerIsConfigured) {
    struct Case {
        const char* base;
        bool configured;
        bool usable;
    };
    const Case cases[] = {
        {"https://update.brenlato.example", false, true},
        {"HTTPS://mirror:8443/zev", true, true},
        {"http://127.0.0.1:8080", true, true},
        {"http://update.brenlato.example", false, false},
        {"ftp://127.0.0.1", true, false},
        {"https://", true, false},
        {"update.brenlato.example", true, false},
    };
    for (const Case& c : cases) {
        if (c.configured)
            ::setenv("ZEV_UPDATE_URL", c.base, 1);
        else
            ::unsetenv("ZEV_UPDATE_URL");
        EXPECT_EQ(!update::ServerAddressProblem(c.base).has_value(), c.usable) << c.base;
    }
    ::unsetenv("ZEV_UPDATE_URL");
}

TEST(UpdateSwapJournal, OnlyWhatTheSwapWritesIsReadBack) {
    using Aside = update::SwapJournal::Aside;
    const update::SwapJournal journal{" 05122025 0117", "adf", {{'a', Aside::Backup}, {'d', Aside::Previous}}};
    EXPECT_EQ(update::ParseJournal(update::JournalText(journal)), journal);
    const char* refused[] = {
        "",
        "zev driver swap 1\nstamp=\n",
        "zev driver swap 2\nstamp=\nfiles=a\n",
        "zev driver swap 1\nstamp=x\nfiles=a\n",
        "zev driver swap 1\nstamp=\nfiles=ag\n",
        "zev driver swap 1\nstamp=\nfiles=aa\n",
        "zev driver swap 1\nstamp=\nfiles=\n",
        "zev driver swap 1\nstamp=\nfiles=a\nmoved=db\n",
        "zev driver swap 1\nstamp=\nfiles=a\nmoved=ax\n",
        "zev driver swap 1\nstamp=\nfiles=a\nmoved=ab\nmoved=ap\n",
        "zev driver swap 1\nstamp= 0512..\\. 0117\nfiles=a\n",  // the stamp's length with a path in it
    };
    for (const char* text : refused) EXPECT_EQ(update::ParseJournal(text), std::nullopt) << text;
}

TEST(UpdateElevatedArguments, TheRequestGoesAcrossWhole) {
    const update::SwapRequest request{
        "C:\\windows\\system32", " 05122025 0117", "adf", "C:\\Users\\Ann Lee\\AppData\\Local\\Temp\\zev-update-123"};
    const auto parsed =
        update::ParseElevatedCommandLine("\"C:\\ZEV\\ZevStatus.exe\" " + update::ElevatedArguments(request));
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(
        *parsed,
        (update::ElevatedRequest{update::ElevatedRequest::Kind::Install, request.stagingFolder, "adf", request.stamp}));
}

TEST(UpdateElevatedArguments, AnythingElseIsRefused) {
    const std::string sha(64, 'c');
    const std::string ok = "\"C:\\Temp\\zev-update-1\"";
    const std::string refused[] = {
        "x",
        "x --zev-elevated-install",
        "x --zev-elevated-install " + ok + " 100110",
        "x --zev-elevated-install " + ok + " 000000 -",
        "x --zev-elevated-install " + ok + " 10011 -",
        "x --zev-elevated-install " + ok + " 1001102 -",
        "x --zev-elevated-install " + ok + " 100120 -",
        "x --zev-elevated-install " + ok + " 100110 0512202501",
        "x --zev-elevated-install " + ok + " 100110 05122025011x",
        "x --zev-elevated-install " + ok + " 100110 - a=" + sha,  // a digest is no longer the caller's to give
        "x --zev-elevated-install " + ok + " 100110 - a=" + sha + " a=" + sha,
        "x --zev-elevated-install " + ok + " 100110 - a=" + std::string(64, 'C'),
        "x --zev-elevated-install " + ok + " 100110 - a=" + sha.substr(1),
        "x --zev-elevated-install \"C:\\Temp\\other\" 100110 -",
        "x --zev-elevated-install \"C:\\Temp\\..\\zev-update-1\" 100110 -",
        "x --zev-elevated-install \"\\\\server\\share\\zev-update-1\" 100110 -",
        "x --zev-elevated-install \"C:Temp\\zev-update-1\" 100110 -",
        "x --zev-elevated-install \"C:\\Temp\\\\zev-update-1\" 100110 -",
        "x --zev-elevated-install \"C:\\Temp/zev-update-1\" 100110 -",
        "x --zev-elevated-install \"C:\\Temp\\zev-update-1:s\" 100110 -",
        "x --zev-elevated-install \"C:\\Temp\\zev-update-1\" 100110 - \"",
        "x --zev-elevated-install C:\\Temp\\zev\"-update-1 100110 -",
        "x --zev-elevated-install \"C:\\Temp\\zev-update-1\"x 100110 -",
        "x --zev-elevated-recover now",
        "x --zev-elevated-install \"C:\\" + std::string(300, 'a') + "\\zev-update-1\" 100110 -",
        "x --zev-elevated-install " + ok + " 100110 - " + std::string(5000, ' '),
    };
    for (const std::string& line : refused) EXPECT_EQ(update::ParseElevatedCommandLine(line), std::nullopt) << line;
}

}  // namespace
