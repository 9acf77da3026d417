// Process-level services: command line, single-instance mutex, hidden child processes.
#pragma once

#include <memory>
#include <string>

namespace os {

std::string GetCommandLine();  // as the process received it, program path included

// A named system mutex created with initial ownership; held until destroyed
// (the program keeps it for its whole life).
class NamedMutex {
public:
    virtual ~NamedMutex() = default;
    virtual bool alreadyExisted() const = 0;  // the system reported ERROR_ALREADY_EXISTS (183)
};
std::unique_ptr<NamedMutex> CreateOwnedMutex(const std::string& name);

// Starts `commandLine` with a hidden window and returns at once. Returns false when
// the process cannot be created.
class ProcessHandle {
public:
    virtual ~ProcessHandle() = default;
    // Waits at most `ms` for the process to end; true when it has ended.
    virtual bool wait(unsigned ms) = 0;
};
std::unique_ptr<ProcessHandle> LaunchHidden(const std::string& commandLine);

}  // namespace os
