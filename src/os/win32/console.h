// The console of a command-line run of the (GUI-subsystem) program: attached to
// the caller's console, or to the files and pipes the caller redirected to.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace os::win32 {

// The process's arguments in UTF-8, the program's own path first.
std::vector<std::string> CommandLineArguments();

class ParentConsole {
public:
    // Attaches to the console of the process that started this one and takes
    // Ctrl+C, Ctrl+Break and closing of that console as a request to stop.
    ParentConsole();
    ~ParentConsole();
    ParentConsole(const ParentConsole&) = delete;
    ParentConsole& operator=(const ParentConsole&) = delete;

    void out(std::string_view utf8);
    void err(std::string_view utf8);
    static bool stopRequested();

private:
    struct Streams;
    std::unique_ptr<Streams> m_streams;
};

}  // namespace os::win32
