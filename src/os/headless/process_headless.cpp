#include "os/headless/machine.h"
#include "os/process.h"

namespace os {

using headless::machine;

std::string GetCommandLine() { return machine().commandLine; }

namespace {

class HeadlessMutex final : public NamedMutex {
public:
    explicit HeadlessMutex(std::string name) : m_name(std::move(name)) {
        int& handles = machine().mutexes[m_name];
        m_existed = handles > 0;
        ++handles;
    }
    ~HeadlessMutex() override {
        auto& all = machine().mutexes;
        if (auto it = all.find(m_name); it != all.end() && --it->second <= 0) all.erase(it);
    }
    bool alreadyExisted() const override { return m_existed; }

private:
    std::string m_name;
    bool m_existed = false;
};

// The simulated process ends at once; its command line and every wait on it
// stay in the machine's logs.
class RecordedProcess final : public ProcessHandle {
public:
    explicit RecordedProcess(std::string commandLine) : m_commandLine(std::move(commandLine)) {}
    bool wait(unsigned ms) override {
        machine().processWaits.emplace_back(m_commandLine, ms);
        return true;
    }

private:
    std::string m_commandLine;
};

}  // namespace

std::unique_ptr<NamedMutex> CreateOwnedMutex(const std::string& name) { return std::make_unique<HeadlessMutex>(name); }

std::unique_ptr<ProcessHandle> LaunchHidden(const std::string& commandLine) {
    machine().launchedProcesses.push_back(commandLine);
    return std::make_unique<RecordedProcess>(commandLine);
}

}  // namespace os
