#include "gadget/gadget_options.h"

#include <charconv>

namespace gadget {

namespace {

std::vector<std::string> splitAtCommas(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t comma; (comma = text.find(',', start)) != std::string::npos; start = comma + 1)
        parts.push_back(text.substr(start, comma - start));
    parts.push_back(text.substr(start));
    return parts;
}

}  // namespace

ParsedGadgetOptions ParseGadgetOptions(std::span<const std::string> arguments) {
    GadgetOptions options;
    bool countGiven = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "-h" || argument == "--help") {
            options.help = true;
            continue;
        }
        if (argument != "--count" && argument != "--udc") return {std::nullopt, "unknown option " + argument};
        if (i + 1 == arguments.size()) return {std::nullopt, argument + " needs a value"};
        const std::string& value = arguments[++i];
        if (argument == "--udc") {
            options.udcs = splitAtCommas(value);
            for (const std::string& udc : options.udcs)
                if (udc.empty() || udc.find('/') != std::string::npos) return {std::nullopt, "bad UDC name " + value};
            continue;
        }
        const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), options.count);
        if (ec != std::errc() || end != value.data() + value.size() || options.count < 1 ||
            options.count > kMaxPrinters)
            return {std::nullopt, "--count takes a number from 1 to " + std::to_string(kMaxPrinters)};
        countGiven = true;
    }
    if (!options.udcs.empty()) {
        if (countGiven && options.count != static_cast<int>(options.udcs.size()))
            return {std::nullopt, "--count and the number of --udc names differ"};
        if (options.udcs.size() > kMaxPrinters)
            return {std::nullopt, "at most " + std::to_string(kMaxPrinters) + " UDC names"};
        options.count = static_cast<int>(options.udcs.size());
    }
    return {options, {}};
}

std::string GadgetUsageText() {
    return "usage: zev-gadget [--count N] [--udc NAME[,NAME...]]\n"
           "  Presents the first N printers of ZEV_EMULATOR (default: demo) as USB printers\n"
           "  through configfs, one gadget per USB device controller, until SIGINT or SIGTERM.\n"
           "  --count N   printers to present, 1 to 4 (default 1)\n"
           "  --udc LIST  the controllers to bind to (default: the first free ones)\n";
}

}  // namespace gadget
