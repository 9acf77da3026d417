// Administrator rights: whether this process has them, and running a copy of
// the program that has them.
#pragma once

#include <string>

namespace os {

bool IsElevated();

struct ElevatedRun {
    enum class Outcome {
        Ended,     // the copy ran and ended; `exitCode` is its exit code
        Declined,  // the user declined the elevation prompt: nothing ran
        Failed,    // it could not be started, or did not end within the wait
    };
    Outcome outcome = Outcome::Failed;
    unsigned exitCode = 0;
};

// Runs this program's own executable with administrator rights ("runas") and
// `arguments`, hidden, and waits at most `waitMs` for it to end. The calling
// thread keeps its windows painted meanwhile but handles no input.
ElevatedRun RunElevatedCopy(const std::string& arguments, unsigned waitMs);

}  // namespace os
