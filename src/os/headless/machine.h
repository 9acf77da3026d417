// The simulated computer the headless build runs on: a virtual clock, a C: drive
// mapped into a host folder, named mutexes shared by every program instance on
// it, and logs of what was handed to the shell and to new processes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace os::headless {

// A service as the simulated service manager keeps it.
struct ServiceModel {
    bool running = true;
    bool refusesStop = false;   // a stop request is accepted but the service never stops
    bool refusesStart = false;  // a start request never brings it up
};

// What an elevated copy of the program did: its exit code, or that the user
// declined the elevation prompt.
struct ElevatedOutcome {
    bool declined = false;
    unsigned exitCode = 0;
};

struct ShellCall {
    std::string verb, file, parameters, directory;
    int showCmd = 0;
};

class Machine {
public:
    explicit Machine(std::filesystem::path root);

    // Virtual time in milliseconds since the machine started.
    std::uint64_t now() const { return m_now; }
    void setNow(std::uint64_t ms) { m_now = ms; }
    void advance(std::uint64_t ms) { m_now += ms; }

    // Wall clock: UTC seconds at now() == 0, and the local offset from UTC.
    std::int64_t bootUtc = 1764892800;  // 2025-12-05 00:00:00 UTC
    int utcOffsetMinutes = 60;

    // Maps a Windows path ("C:\\ZEV\\data.txt", or relative to the current directory)
    // to the host file that stands for it.
    std::filesystem::path hostPath(const std::string& windowsPath) const;
    const std::filesystem::path& root() const { return m_root; }

    std::string commandLine = "\"C:\\ZEV\\ZevStatus.exe\"";
    std::string systemDirectory = "C:\\windows\\system32";
    std::string currentDirectory = "C:\\ZEV";
    std::string tempDirectory = "C:\\Temp";

    // Consulted by the file operations ("read", "write", "rename", "replace",
    // "copy", "delete", "mkdir") before they start: true makes the
    // operation fail as the system would. A test may also throw from it to stand
    // for a process that dies at that very moment.
    std::function<bool(const std::string& operation, const std::string& path)> fileFault;
    // Also true for any change below an administrators-only folder by a
    // process without administrator rights.
    bool fails(const std::string& operation, const std::string& path) const;

    // Folders made by CreateAdminOnlyFolder. A link or reparse point is a
    // symbolic link in the host tree, planted with std::filesystem.
    std::vector<std::filesystem::path> adminOnlyFolders;

    std::map<std::string, ServiceModel> services{{"Spooler", {}}};
    std::vector<std::string> serviceCalls;  // "stop Spooler", "start Spooler"

    // Whether this process runs with administrator rights, and what running an
    // elevated copy of the program with some arguments does (unset: declined).
    bool elevated = true;
    std::function<ElevatedOutcome(const std::string& arguments)> elevatedCopy;
    std::vector<std::string> elevatedRuns;  // the arguments of each one asked for

    std::map<std::string, int> mutexes;  // name -> open handles
    std::vector<ShellCall> shellCalls;
    std::vector<std::string> launchedProcesses;
    // Every wait on a launched process: its command line and the longest wait asked for.
    std::vector<std::pair<std::string, unsigned>> processWaits;

private:
    std::filesystem::path m_root;
    std::uint64_t m_now = 0;
};

Machine& machine();
void setMachine(Machine* m);

}  // namespace os::headless
