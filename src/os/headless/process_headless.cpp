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

// The simulated process ends at once; its command line stays in the machine's log.
class RecordedProcess final : public ProcessHandle {
public:
    bool wait(unsigned) override { return true; }
};

}  // namespace

std::unique_ptr<NamedMutex> CreateOwnedMutex(const std::string& name) { return std::make_unique<HeadlessMutex>(name); }

std::unique_ptr<ProcessHandle> LaunchHidden(const std::string& commandLine) {
    machine().launchedProcesses.push_back(commandLine);
    return std::make_unique<RecordedProcess>();
}

}  // namespace os
