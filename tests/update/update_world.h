// A running program, its simulated system folders with installed driver files
// of chosen dates, and a loopback update server that the administrator's policy names.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "harness/app_harness.h"
#include "harness/preset_main_window.h"
#include "res/resource.h"
#include "update/driver_files.h"
#include "update/elevated_install.h"
#include "update/install_dialog.h"
#include "update/loopback_http_server.h"
#include "update/test_manifest.h"
#include "update/update_manifest.h"
#include "update/update_server.h"

namespace zevtest {

inline const std::string kSystemDir = "C:\\windows\\system32";

class UpdateWorld {
public:
    // A running program in `language`. Every file is installed on 1 January
    // 2010; the server has that date for all but `newer`, which it dates a day
    // later and offers replacements for.
    UpdateWorld(const std::string& language, std::string_view newer) {
        useServer(server.baseUrl());
        startPresetMainWindow(h, {language, ""});
        for (const auto& f : update::kDriverFiles) {
            install(f.letter, 1, 1, 2010);
            const bool isNewer = newer.find(f.letter) != std::string_view::npos;
            publishVersion(f.letter, isNewer ? "02012010" : "01012010");
            if (isNewer) publishReplacement(f.letter, "new " + std::string(f.name));
        }
    }
    // The address an administrator set as the update server.
    void useServer(const std::string& base) {
        h.machine().machinePolicies[std::string(update::kUpdatePolicyKey) + "\\" + update::kUpdatePolicyValue] = base;
    }

    static const update::DriverFile& file(char letter) { return update::DriverFileOf(letter); }
    static std::string installed(char letter) { return update::InstalledPath(file(letter), kSystemDir); }
    static std::string backup(char letter, std::string_view stamp = {}) {
        return update::BackupPath(file(letter), kSystemDir, stamp);
    }

    // An installed file written at noon (UTC) of the given day.
    void install(char letter, int day, int month, int year, const std::string& content = "old") {
        h.writeFile(installed(letter), content);
        using namespace std::chrono;
        const sys_days date = year_month_day{
            std::chrono::year{year}, std::chrono::month{unsigned(month)}, std::chrono::day{unsigned(day)}};
        const sys_seconds noon = date + hours{12};
        std::filesystem::last_write_time(h.host(installed(letter)), file_clock::from_sys(noon));
    }

    void publishVersion(char letter, const std::string& text) {
        server.publish(update::VersionFileUrlPath(file(letter)), text);
    }
    // Also publishes the manifest of every replacement, signed by the test key
    // and dated as the newer version files.
    void publishReplacement(char letter, const std::string& content) {
        server.publish(update::ReplacementUrlPath(file(letter)), content);
        replacements[std::string(file(letter).name)] = content;
        const std::string manifest = ManifestOf(replacements, "02012010");
        server.publish(update::ReplacementUrlPath(update::kManifestName), manifest);
        server.publish(update::ReplacementUrlPath(update::kManifestSignatureName), TestKeySignature(manifest));
    }

    void runCommand() { sendCommand(h.main(), IDC_ONLINE_UPDATE); }
    // Command 1021 and "Yes" in the check dialog.
    void check() {
        runCommand();
        h.top().click(ui::IDOK);
    }
    // Then "Yes" in the install dialog.
    void checkAndInstall() {
        check();
        h.top().click(ui::IDOK);
    }
    int top() { return h.top().templateId(); }
    // The open install dialog of either language, or nullptr.
    update::InstallDialog* install() {
        for (int id : {IDD_UPDFOUND_DE, IDD_UPDFOUND_EN}) {
            if (h.has(id)) return dynamic_cast<update::InstallDialog*>(h.window(id).raw().dialog);
        }
        return nullptr;
    }

    // Everything a run should have taken away again: run folders in the temp
    // folder, and placed, previous or journal files beside the driver files.
    std::vector<std::string> leftovers() {
        std::vector<std::string> found;
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(h.host("C:\\Temp"), ec))
            found.push_back(e.path().filename());
        for (const auto& dir : {kSystemDir, kSystemDir + "\\spool\\drivers\\w32x86\\3"}) {
            for (const auto& e : std::filesystem::directory_iterator(h.host(dir), ec)) {
                const std::string name = e.path().filename();
                if (name.find(".zev") != std::string::npos || name.ends_with(".journal") ||
                    name.starts_with("zevstatus-"))
                    found.push_back(name);
            }
        }
        return found;
    }
    // The driver files' contents in table order a to f.
    std::vector<std::string> driver() {
        std::vector<std::string> contents;
        for (const auto& f : update::kDriverFiles)
            contents.push_back(h.readFile(installed(f.letter)).value_or("(missing)"));
        return contents;
    }
    // Makes every `operation` on a path ending in `suffix` fail.
    void failOn(const std::string& operation, const std::string& suffix) {
        h.machine().fileFault = [operation, suffix](const std::string& op, const std::string& path) {
            return op == operation && path.ends_with(suffix);
        };
    }
    // The machine runs the program's elevated mode for every elevated copy
    // asked for, after `duringPrompt` (what another program does while the
    // consent prompt is open) has seen its arguments. A fault may throw Killed
    // to end that copy where it stands.
    struct Killed {};
    void elevateInProcess(std::function<void(const std::string& arguments)> duringPrompt = {}) {
        auto& m = h.machine();
        m.elevated = false;
        m.elevatedCopy = [&m, duringPrompt](const std::string& arguments) {
            if (duringPrompt) duringPrompt(arguments);
            m.elevated = true;
            int code = 1;  // what a killed process ends with
            try {
                code = update::RunElevatedMode("\"C:\\ZEV\\ZevStatus.exe\" " + arguments);
            } catch (const Killed&) {}
            m.elevated = false;
            return os::headless::ElevatedOutcome{false, static_cast<unsigned>(code)};
        };
    }
    os::headless::ServiceModel& spooler() { return h.machine().services.at("Spooler"); }

    std::map<std::string, std::string> replacements;  // by file name
    LoopbackHttpServer server;                        // outlives the program
    AppHarness h;
};

}  // namespace zevtest
