// The command line of zev-gadget: `[--count N] [--udc NAME[,NAME...]]`.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace gadget {

// The printer gadget function has four minors, so one machine presents at most four.
inline constexpr int kMaxPrinters = 4;

struct GadgetOptions {
    int count = 1;
    std::vector<std::string> udcs;  // empty: the first free controllers
    bool help = false;
};

struct ParsedGadgetOptions {
    std::optional<GadgetOptions> options;
    std::string error;  // one line, set when options is empty
};

// The arguments after the program's name.
ParsedGadgetOptions ParseGadgetOptions(std::span<const std::string> arguments);

std::string GadgetUsageText();

}  // namespace gadget
