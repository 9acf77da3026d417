// Attacks on the install's elevated step by another program of the same user,
// one without administrator rights: it can change the run folder, start the
// program with a command line of its own, and kill the elevated copy. None of
// them may get a file installed that the maker did not sign for.
#include <gtest/gtest.h>

#include <filesystem>

#include "update/swap_journal.h"
#include "update/update_world.h"

namespace {

using namespace zevtest;
namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

const Strings kOld(6, "old");
// printf 'new brmod_f.dll' | sha256sum, and the same for 'evil'
const std::string kGenuineSha = "dc2a169b115eb74c4d37ced9fb5fdfdb25d4c92ca96e883d7564063b87607800";
const std::string kEvilSha = "b5c1fb2efc6d6b4674c2fdcc48ce01b43a3b7c03763c0c3355de0099ee0f8c73";

// Puts brmod_f.dll, and a manifest of it signed by the test key (or another
// key) unless `date` is empty, into `folder`.
void PlantFiles(UpdateWorld& w, const std::string& folder, const std::string& date, bool otherKey) {
    w.h.writeFile(folder + "\\brmod_f.dll", "evil");
    if (date.empty()) return;
    const std::string manifest = ManifestOf({{"brmod_f.dll", "evil"}}, date);
    w.h.writeFile(folder + "\\manifest.txt", manifest);
    w.h.writeFile(folder + "\\manifest.txt.sig", TestKeySignature(manifest, otherKey));
}

// Moves what is at `at` aside and leaves a link to it in its place.
void PlantLink(const fs::path& at) {
    fs::rename(at, at.string() + "-genuine");
    fs::create_symlink(at.string() + "-genuine", at);
}

TEST(UpdateAttack, NothingChangedInTheRunFolderDuringThePromptIsInstalled) {
    using Attack = std::function<void(UpdateWorld&, const std::string& run)>;
    const Attack swapFile = [](UpdateWorld& w, const std::string& run) {
        w.h.writeFile(run + "\\brmod_f.dll", "evil");
    };
    const std::pair<std::string, Attack> cases[] = {
        {"02012010\n", swapFile},
        {"02012010\n" + kGenuineSha, swapFile},
        {"02012010\n", [](UpdateWorld& w, const std::string& run) { PlantFiles(w, run, "02012010", true); }},
        {"02012010\n", [](UpdateWorld& w, const std::string& run) { PlantLink(w.h.host(run + "\\brmod_f.dll")); }},
        {"02012010\n", [](UpdateWorld& w, const std::string& run) { PlantLink(w.h.host(run)); }},
        {"02012010\n", [](UpdateWorld& w, const std::string&) { ++w.h.machine().mutexes[update::kSwapMutexName]; }},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        UpdateWorld w("1", "f");
        w.publishVersion('f', cases[i].first);
        w.elevateInProcess([&](const std::string& arguments) {
            const std::size_t open = arguments.find('"');
            cases[i].second(w, arguments.substr(open + 1, arguments.find('"', open + 1) - open - 1));
        });
        w.checkAndInstall();
        EXPECT_EQ(w.top(), IDD_UPDERROR_EN);
        EXPECT_EQ(w.driver(), kOld);
        EXPECT_TRUE(w.h.machine().serviceCalls.empty());
    }
}

TEST(UpdateAttack, AForgedElevatedCommandLineInstallsNothing) {
    const std::string folder = "C:\\Users\\Eve\\zev-update-1";
    const std::string line = "\"C:\\ZEV\\ZevStatus.exe\" --zev-elevated-install \"" + folder + "\" 000100 -";
    struct Case {
        std::string line, date;  // the date of the forged folder's manifest; none when empty
        bool otherKey;
    };
    const Case cases[] = {
        {line + " f=" + kEvilSha, "", false},
        {line, "", false},
        {line, "02012010", true},
        {line, "01012009", false},  // the maker's, but older than what is installed
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line + " " + c.date);
        UpdateWorld w("1", "f");
        PlantFiles(w, folder, c.date, c.otherKey);
        EXPECT_NE(update::RunElevatedMode(c.line), update::kExitReplaced);
        EXPECT_EQ(w.driver(), kOld);
    }
}

// Killed after moving brmod_d.dll to its backup name, once after the journal
// names that move and once before: the next start puts every file back.
TEST(UpdateAttack, AnElevatedCopyKilledHalfwayIsUndoneAtTheNextStart) {
    const std::tuple<std::string, std::string, int> killPoints[] = {{"replace", "zevstatus-sealed\\brmod_d.dll", 1},
                                                                    {"write", ".journal.new", 3}};
    for (const auto& [operation, suffix, nth] : killPoints) {
        SCOPED_TRACE(suffix);
        UpdateWorld w("1", "adf");
        w.elevateInProcess();
        int seen = 0;
        w.h.machine().fileFault = [&](const std::string& op, const std::string& path) -> bool {
            if (op == operation && path.ends_with(suffix) && ++seen == nth) throw UpdateWorld::Killed{};
            return false;
        };
        w.checkAndInstall();
        EXPECT_EQ(w.top(), IDD_UPDERROR_EN);
        EXPECT_EQ(w.driver(), (Strings{"new brmod_a.dll", "old", "old", "(missing)", "old", "old"}));
        EXPECT_TRUE(update::SwapJournalPending(kSystemDir));

        w.h.machine().fileFault = nullptr;
        w.h.stopAll();
        w.h.startApp();
        EXPECT_EQ(w.h.machine().elevatedRuns.back(), "--zev-elevated-recover");
        EXPECT_EQ(w.driver(), kOld);
        EXPECT_TRUE(w.spooler().running);
        EXPECT_FALSE(w.h.readFile(w.backup('a')).has_value());
        EXPECT_EQ(w.leftovers(), Strings{});
    }
}

}  // namespace
