// Attacks on the install's elevated step by another program of the same user,
// one without administrator rights: it can change the run folder, start the
// program with a command line of its own, and kill the elevated copy. None of
// them may get a file installed that the maker did not sign for.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "update/update_world.h"

namespace {

using namespace zevtest;
namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

const Strings kOld(6, "old");
// printf 'new brmod_f.dll' | sha256sum, and the same for 'evil'
const std::string kGenuineSha = "dc2a169b115eb74c4d37ced9fb5fdfdb25d4c92ca96e883d7564063b87607800";
const std::string kEvilSha = "b5c1fb2efc6d6b4674c2fdcc48ce01b43a3b7c03763c0c3355de0099ee0f8c73";

// The run folder (a host path) that the elevated command line names.
fs::path RunFolderOf(UpdateWorld& w, const std::string& arguments) {
    const std::size_t open = arguments.find('"');
    return w.h.host(arguments.substr(open + 1, arguments.find('"', open + 1) - open - 1));
}

// Moves what is at `at` aside and leaves a link to it in its place.
void PlantLink(const fs::path& at) {
    const fs::path genuine = at.string() + "-genuine";
    fs::rename(at, genuine);
    fs::create_symlink(genuine, at);
}

void Write(const fs::path& host, const std::string& content) { std::ofstream(host, std::ios::binary) << content; }

TEST(UpdateAttack, NothingChangedInTheRunFolderDuringThePromptIsInstalled) {
    struct Case {
        const char* name;
        std::string versionFile;
        std::function<void(UpdateWorld&, const fs::path& run)> attack;
    };
    const auto swapFile = [](UpdateWorld&, const fs::path& run) { Write(run / "brmod_f.dll", "evil"); };
    const Case cases[] = {
        {"the staged file swapped", "02012010\n", swapFile},
        {"the staged file swapped, the version file with a digest", "02012010\n" + kGenuineSha, swapFile},
        {"file and manifest swapped, signed by another key",
         "02012010\n",
         [](UpdateWorld&, const fs::path& run) {
             const std::string manifest = ManifestOf({{"brmod_f.dll", "evil"}}, {{"brmod_f.dll", "02012010"}});
             Write(run / "brmod_f.dll", "evil");
             Write(run / "manifest.txt", manifest);
             Write(run / "manifest.txt.sig", TestKeySignature(manifest, true));
         }},
        {"a link in place of the staged file",
         "02012010\n",
         [](UpdateWorld&, const fs::path& run) { PlantLink(run / "brmod_f.dll"); }},
        {"a link as the run folder", "02012010\n", [](UpdateWorld&, const fs::path& run) { PlantLink(run); }},
        {"another swap running",
         "02012010\n",
         [](UpdateWorld& w, const fs::path&) { ++w.h.machine().mutexes[update::kSwapMutexName]; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UpdateWorld w("1", "f");
        w.publishVersion('f', c.versionFile);
        w.elevateInProcess([&](const std::string& arguments) { c.attack(w, RunFolderOf(w, arguments)); });
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
        const char* name;
        std::string line;
        std::string content, date;  // of brmod_f.dll in the forged folder, and its manifest date
        bool otherKey;
    };
    const Case cases[] = {
        {"its own digest", line + " f=" + kEvilSha, "evil", "", false},
        {"no manifest", line, "evil", "", false},
        {"a manifest signed by another key", line, "evil", "02012010", true},
        {"the maker's older file with its signed manifest", line, "older genuine", "01012009", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UpdateWorld w("1", "f");
        w.h.writeFile(folder + "\\brmod_f.dll", c.content);
        if (!c.date.empty()) {
            const std::string manifest = ManifestOf({{"brmod_f.dll", c.content}}, {{"brmod_f.dll", c.date}});
            w.h.writeFile(folder + "\\manifest.txt", manifest);
            w.h.writeFile(folder + "\\manifest.txt.sig", TestKeySignature(manifest, c.otherKey));
        }
        EXPECT_NE(update::RunElevatedMode(c.line), update::kExitReplaced);
        EXPECT_EQ(w.driver(), kOld);
    }
}

// Killed after moving brmod_d.dll to its backup name, before the journal says
// so: the next start must find it there all the same.
TEST(UpdateAttack, ACopyKilledBeforeItsJournalNamesAMoveLeavesNothingMissing) {
    UpdateWorld w("1", "adf");
    w.elevateInProcess();
    int journalWrites = 0;
    w.h.machine().fileFault = [&journalWrites](const std::string& op, const std::string& path) -> bool {
        if (op == "write" && path.ends_with(".journal.new") && ++journalWrites == 3) throw UpdateWorld::Killed{};
        return false;
    };
    w.checkAndInstall();
    EXPECT_EQ(w.driver(), (Strings{"new brmod_a.dll", "old", "old", "(missing)", "old", "old"}));

    w.h.machine().fileFault = nullptr;
    w.h.stopAll();
    w.h.startApp();
    EXPECT_EQ(w.driver(), kOld);
    EXPECT_EQ(w.leftovers(), Strings{});
}

}  // namespace
