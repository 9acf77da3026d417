// `--watch`: one report per change of a printer's state, once a second, until stopped.
#pragma once

#include "cli/options.h"
#include "cli/run.h"

namespace cli {

// Returns the exit code the last check gave.
ExitCode Watch(const Options& options, const CandidateTest& isCandidate, Clock& clock, const Console& console);

}  // namespace cli
