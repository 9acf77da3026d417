#include "emulator/input_parser.h"

#include <array>

namespace emulator {

namespace {

constexpr char kEsc = '\x1b';
constexpr std::string_view kEnterLanguage = "\x1b%P";
constexpr std::string_view kUel = "\x1b%-12345X";
constexpr std::string_view kReset =
    "\x1b"
    "E";
constexpr std::string_view kCancelPrint = "\x1b*o5W";
constexpr std::size_t kCancelPrintDataBytes = 5;
// An unterminated command longer than this is not a command.
constexpr std::size_t kMaxPendingCommand = 4096;

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\r' || s.front() == '\n')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\r' || s.back() == '\n')) s.remove_suffix(1);
    return s;
}

enum class EscapeMatch { Complete, Incomplete, Unknown };

struct Escape {
    EscapeMatch match;
    PrinterInput::Kind kind = PrinterInput::Kind::Ignored;
    std::size_t length = 0;
    bool entersLanguage = false;
};

Escape matchEscape(std::string_view rest) {
    struct Known {
        std::string_view bytes;
        PrinterInput::Kind kind;
        std::size_t dataBytes;
        bool entersLanguage;
    };
    // The opener only switches the mode; it yields no input of its own.
    static constexpr std::array<Known, 4> kKnown = {{
        {kEnterLanguage, PrinterInput::Kind::Ignored, 0, true},
        {kUel, PrinterInput::Kind::Uel, 0, false},
        {kReset, PrinterInput::Kind::Reset, 0, false},
        {kCancelPrint, PrinterInput::Kind::CancelPrint, kCancelPrintDataBytes, false},
    }};
    for (const Known& k : kKnown) {
        const std::size_t total = k.bytes.size() + k.dataBytes;
        if (rest.starts_with(k.bytes)) {
            if (rest.size() < total) return {EscapeMatch::Incomplete};
            return {EscapeMatch::Complete, k.kind, total, k.entersLanguage};
        }
        if (rest.size() < k.bytes.size() && k.bytes.starts_with(rest)) return {EscapeMatch::Incomplete};
    }
    return {EscapeMatch::Unknown};
}

}  // namespace

std::vector<PrinterInput> InputParser::feed(std::string_view bytes) {
    const std::string buffer = m_pending + std::string(bytes);
    m_pending.clear();
    std::vector<PrinterInput> out;
    std::string ignored;
    const auto flushIgnored = [&] {
        if (!ignored.empty()) out.push_back({PrinterInput::Kind::Ignored, std::move(ignored)});
        ignored.clear();
    };

    const std::string_view all = buffer;
    std::size_t i = 0;
    while (i < all.size()) {
        const std::string_view rest = all.substr(i);
        if (rest.front() == kEsc) {
            const Escape esc = matchEscape(rest);
            if (esc.match == EscapeMatch::Incomplete) {
                m_pending = std::string(rest);
                break;
            }
            if (esc.match == EscapeMatch::Unknown) {
                ignored += kEsc;
                ++i;
                continue;
            }
            flushIgnored();
            if (esc.entersLanguage) {
                m_languageMode = true;
            } else {
                if (esc.kind == PrinterInput::Kind::Uel) m_languageMode = false;
                out.push_back({esc.kind,
                               esc.kind == PrinterInput::Kind::CancelPrint ? std::string(rest.substr(0, esc.length))
                                                                           : std::string()});
            }
            i += esc.length;
            continue;
        }
        if (m_languageMode) {
            const std::size_t stop = rest.find_first_of(std::string_view(";\x1b", 2));
            if (stop == std::string_view::npos) {
                if (rest.size() > kMaxPendingCommand) {
                    ignored += rest;
                } else {
                    m_pending = std::string(rest);
                }
                break;
            }
            const std::string_view text = trimmed(rest.substr(0, stop));
            if (rest[stop] == kEsc) {
                ignored += text;  // a command without its ";"
                i += stop;
                continue;
            }
            flushIgnored();
            if (text == "udw.quit" || text == "Exit") m_languageMode = false;
            if (!text.empty()) out.push_back({PrinterInput::Kind::Command, std::string(text)});
            i += stop + 1;
            continue;
        }
        // Outside the command language: zero bytes are padding, the rest is not understood.
        if (rest.front() != '\0') ignored += rest.front();
        ++i;
    }
    flushIgnored();
    return out;
}

}  // namespace emulator
