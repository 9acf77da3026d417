// The simulated computer the headless build runs on: a virtual clock, a C: drive
// mapped into a host folder, named mutexes shared by every program instance on
// it, and logs of what was handed to the shell and to new processes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace os::headless {

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
