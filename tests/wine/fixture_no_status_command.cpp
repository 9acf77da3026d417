// The fixture program shares the Windows entry point with ZevStatus.exe but has
// no command-line tool: its windows always open.
#include "cli/windows_status.h"

std::optional<int> cli::RunStatusCommandIfAsked() { return std::nullopt; }
