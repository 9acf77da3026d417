// Where the driver writes its results and finds the programs it starts; given
// on its command line by run-e2e.sh.
#pragma once

#include <string>

namespace e2e {

struct Options {
    std::wstring resultsFile;    // one line per test, read by run-e2e.sh
    std::wstring screenshotDir;  // screenshot requests are answered here
    std::wstring workDir;        // scratch files of the programs under test
    std::wstring programDir;     // the driver's own folder, where the programs are built
};

// Read once from --results=, --shots= and --work= on the process's wide
// command line, so a path outside the ANSI code page survives.
const Options& options();

// A fresh scratch file path under the work folder.
std::wstring WorkFile(const std::wstring& name);

}  // namespace e2e
