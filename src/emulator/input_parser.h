// Splits the byte stream written to an emulated printer into what a printer
// acts on: command-language commands, the escapes around them, and the rest.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace emulator {

struct PrinterInput {
    enum class Kind {
        Command,      // one ";"-terminated command inside ESC %P, without its ";"
        Uel,          // ESC %-12345X
        Reset,        // ESC E
        CancelPrint,  // ESC *o5W with its 5 data bytes
        Ignored,      // bytes the printer does not understand
    };
    Kind kind;
    std::string text;  // the command, or the ignored bytes

    friend bool operator==(const PrinterInput&, const PrinterInput&) = default;
};

class InputParser {
public:
    // Everything the bytes complete; an escape or command cut off at the end of
    // a write waits for the next write.
    std::vector<PrinterInput> feed(std::string_view bytes);

private:
    std::string m_pending;
    bool m_languageMode = false;
};

}  // namespace emulator
