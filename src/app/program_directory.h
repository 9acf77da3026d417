// The folder the program's own files (data.txt, help files, manuals) live in.
#pragma once

#include <string>
#include <string_view>

namespace app {

// The command line is expected to start with the program's full path in double
// quotes: the folder is the text from its second character up to, not
// including, the last backslash of the whole line. A line without a backslash
// after its first character gives an empty folder. Every way the program is
// started from its installation quotes that path, and existing installations
// keep data.txt where this finds it. deliberate(D5)
std::string ProgramDirectory(std::string_view commandLine);

}  // namespace app
