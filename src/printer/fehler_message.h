// The developer-style box the printer link shows when a device-ID key or a
// part of a logged path is missing.
#pragma once

namespace printer {

// Message box "fehler" with caption "tq", OK button, no icon.
void ShowFehler();

}  // namespace printer
