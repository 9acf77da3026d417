// Where this process looks for the DLLs it, or any system code inside it,
// loads by name later on.
#pragma once

namespace os::win32 {

// Leaves only the system folder in the search path: the exe's own folder is
// the user's in a per-user install, and the current folder can be anyone's.
// Call before anything else runs, so no later load can take a planted copy.
void RestrictDllSearchToSystemFolder();

}  // namespace os::win32
