#include "emulator/scenario.h"

#include <algorithm>
#include <charconv>
#include <set>

namespace emulator {

namespace {

// Larger times are surely typing errors; the cap also keeps milliseconds far
// from overflow.
constexpr std::uint64_t kMaxSeconds = 1000000;

struct LineError {
    std::string message;
};

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The text of a quoted value, its escapes resolved; `pos` is just after the
// opening quote and ends just after the closing one.
std::string quoted(std::string_view line, std::size_t& pos) {
    std::string value;
    while (pos < line.size() && line[pos] != '"') {
        char c = line[pos++];
        if (c != '\\') {
            value += c;
            continue;
        }
        if (pos >= line.size()) break;
        const char e = line[pos++];
        switch (e) {
            case '\\': value += '\\'; break;
            case '"': value += '"'; break;
            case 'e': value += '\x1b'; break;
            case 'n': value += '\n'; break;
            case 'r': value += '\r'; break;
            case 't': value += '\t'; break;
            case 'x': {
                const int hi = pos < line.size() ? hexValue(line[pos]) : -1;
                const int lo = pos + 1 < line.size() ? hexValue(line[pos + 1]) : -1;
                if (hi < 0 || lo < 0) throw LineError{"\\x needs two hex digits"};
                value += static_cast<char>(hi * 16 + lo);
                pos += 2;
                break;
            }
            default: throw LineError{std::string("unknown escape \\") + e};
        }
    }
    if (pos >= line.size()) throw LineError{"unterminated quoted value"};
    ++pos;  // the closing quote
    return value;
}

struct Token {
    std::string key;
    std::optional<std::string> value;  // none: a bare word
};

std::vector<Token> tokenize(std::string_view line) {
    std::vector<Token> tokens;
    std::size_t pos = 0;
    while (true) {
        while (pos < line.size() && isBlank(line[pos])) ++pos;
        if (pos >= line.size() || line[pos] == '#') break;
        Token token;
        while (pos < line.size() && !isBlank(line[pos]) && line[pos] != '=') {
            if (line[pos] == '"') throw LineError{"a quote may only start a value"};
            token.key += line[pos++];
        }
        if (pos < line.size() && line[pos] == '=') {
            ++pos;
            if (pos < line.size() && line[pos] == '"') {
                ++pos;
                token.value = quoted(line, pos);
                if (pos < line.size() && !isBlank(line[pos])) throw LineError{"text after a quoted value"};
            } else {
                std::string value;
                while (pos < line.size() && !isBlank(line[pos])) {
                    if (line[pos] == '"') throw LineError{"a quote may only start a value"};
                    value += line[pos++];
                }
                token.value = std::move(value);
            }
        }
        if (token.key.empty()) throw LineError{"a value without its key"};
        tokens.push_back(std::move(token));
    }
    return tokens;
}

unsigned number(const std::string& text, unsigned max, const std::string& what) {
    std::string_view digits = text;
    int base = 10;
    if (digits.starts_with("0x") || digits.starts_with("0X")) {
        digits.remove_prefix(2);
        base = 16;
    }
    unsigned value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size() || value > max)
        throw LineError{what + " must be a number from 0 to " + std::to_string(max) + ", not '" + text + "'"};
    return value;
}

PenSlot pen(const std::string& text, const std::string& key) {
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos) throw LineError{key + " must be kind:level, not '" + text + "'"};
    return PenSlot{static_cast<std::uint8_t>(number(text.substr(0, colon), 63, key + " kind")),
                   static_cast<std::uint8_t>(number(text.substr(colon + 1), 255, key + " level"))};
}

std::uint64_t milliseconds(const std::string& text) {
    const std::size_t dot = text.find('.');
    const std::string whole = text.substr(0, dot);
    const std::string fraction = dot == std::string::npos ? "" : text.substr(dot + 1);
    const auto bad = LineError{"a time in seconds (up to three decimals) expected, not '" + text + "'"};
    const auto digitsOnly = [](const std::string& s) {
        return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (whole.empty() || !digitsOnly(whole) || fraction.size() > 3 || !digitsOnly(fraction) ||
        (dot != std::string::npos && fraction.empty()) || whole.size() > 7)
        throw bad;
    const std::uint64_t seconds = std::stoull(whole);
    if (seconds > kMaxSeconds) throw bad;
    std::string millis = fraction;
    millis.resize(3, '0');
    return seconds * 1000 + std::stoull(millis);
}

std::optional<PrinterWord> wordOf(const std::string& key) {
    if (key == "unplug") return PrinterWord::Unplug;
    if (key == "plug") return PrinterWord::Plug;
    if (key == "open-fails") return PrinterWord::OpenFails;
    if (key == "id-fails") return PrinterWord::IdFails;
    if (key == "no-answer") return PrinterWord::NoAnswer;
    if (key == "garbage-answers") return PrinterWord::GarbageAnswers;
    if (key == "takes-no-bytes") return PrinterWord::TakesNoBytes;
    if (key == "detail-too-large") return PrinterWord::DetailTooLarge;
    if (key == "detail-fails") return PrinterWord::DetailFails;
    if (key == "ok") return PrinterWord::Ok;
    return std::nullopt;
}

void setText(std::optional<std::string>& field, const Token& t) { field = *t.value; }

void setKey(PrinterChange& change, const Token& t) {
    const std::string& k = t.key;
    const std::string& v = *t.value;
    if (k == "mfg") return setText(change.mfg, t);
    if (k == "mdl") return setText(change.mdl, t);
    if (k == "sn") return setText(change.serial, t);
    if (k == "des") return setText(change.description, t);
    if (k == "path") return setText(change.path, t);
    if (k == "status") return setText(change.rawStatus, t);
    if (k == "id") return setText(change.rawId, t);
    if (k == "answer") return setText(change.nextAnswer, t);
    if (k == "vid") {
        if (v.size() != 4 || !std::all_of(v.begin(), v.end(), [](char c) { return hexValue(c) >= 0; }))
            throw LineError{"vid must be four hex digits, not '" + v + "'"};
        return setText(change.vendorId, t);
    }
    if (k == "state") return void(change.state = static_cast<std::uint8_t>(number(v, 255, k)));
    if (k == "activity") return void(change.activity = static_cast<std::uint8_t>(number(v, 15, k)));
    if (k == "cover") return void(change.cover = static_cast<std::uint8_t>(number(v, 15, k)));
    if (k == "job") return void(change.job = static_cast<std::uint8_t>(number(v, 15, k)));
    if (k == "pen1") return void(change.pen1 = pen(v, k));
    if (k == "pen2") return void(change.pen2 = pen(v, k));
    throw LineError{"unknown key '" + k + "'"};
}

PrinterChange changeOf(const std::vector<Token>& tokens, std::size_t first) {
    PrinterChange change;
    std::set<std::string> seen;
    for (std::size_t i = first; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        if (!t.value) {
            const auto word = wordOf(t.key);
            if (!word) throw LineError{"unknown word '" + t.key + "'"};
            change.words.push_back(*word);
            continue;
        }
        if (!seen.insert(t.key).second) throw LineError{"key '" + t.key + "' given twice"};
        setKey(change, t);
    }
    return change;
}

bool validName(const std::string& name) {
    return !name.empty() && name.size() < 100 &&
           std::all_of(name.begin(), name.end(), [](char c) { return c > ' ' && c < 0x7F && c != '"'; });
}

class Parser {
public:
    void line(std::string_view text) {
        const std::vector<Token> tokens = tokenize(text);
        if (tokens.empty()) return;
        const Token& head = tokens[0];
        if (head.value) throw LineError{"a line starts with printer, at or loop"};
        if (head.key == "printer") return printerLine(tokens);
        if (head.key == "at") return atLine(tokens);
        if (head.key == "loop") return loopLine(tokens);
        throw LineError{"unknown line kind '" + head.key + "'"};
    }

    void finish() {
        std::stable_sort(m_scenario.changes.begin(),
                         m_scenario.changes.end(),
                         [](const TimedChange& a, const TimedChange& b) { return a.atMs < b.atMs; });
    }

    Scenario take() { return std::move(m_scenario); }

private:
    std::string name(const std::vector<Token>& tokens, std::size_t at) {
        if (tokens.size() <= at || tokens[at].value || !validName(tokens[at].key))
            throw LineError{"a printer name expected"};
        return tokens[at].key;
    }

    void printerLine(const std::vector<Token>& tokens) {
        if (!m_scenario.changes.empty()) throw LineError{"printer lines come before the timed changes"};
        PrinterDefinition def{name(tokens, 1), changeOf(tokens, 2)};
        if (!m_names.insert(def.name).second) throw LineError{"printer '" + def.name + "' defined twice"};
        m_scenario.printers.push_back(std::move(def));
    }

    void atLine(const std::vector<Token>& tokens) {
        if (tokens.size() < 2 || tokens[1].value) throw LineError{"at needs a time"};
        TimedChange change;
        change.atMs = milliseconds(tokens[1].key);
        if (m_scenario.loopMs != 0 && change.atMs >= m_scenario.loopMs) throw neverHappens();
        change.printer = name(tokens, 2);
        if (!m_names.contains(change.printer)) throw LineError{"unknown printer '" + change.printer + "'"};
        if (tokens.size() < 4) throw LineError{"at needs at least one change"};
        change.change = changeOf(tokens, 3);
        m_scenario.changes.push_back(std::move(change));
    }

    void loopLine(const std::vector<Token>& tokens) {
        if (tokens.size() != 2 || tokens[1].value) throw LineError{"loop needs one time"};
        if (m_scenario.loopMs != 0) throw LineError{"loop given twice"};
        m_scenario.loopMs = milliseconds(tokens[1].key);
        if (m_scenario.loopMs == 0) throw LineError{"loop time must be above 0"};
        for (const TimedChange& c : m_scenario.changes) {
            if (c.atMs >= m_scenario.loopMs) throw neverHappens();
        }
    }

    static LineError neverHappens() { return {"a change at or after the loop time would never happen"}; }

    Scenario m_scenario;
    std::set<std::string> m_names;
};

}  // namespace

ParsedScenario ParseScenario(std::string_view text) {
    Parser parser;
    int lineNumber = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        ++lineNumber;
        try {
            parser.line(text.substr(start, end - start));
        } catch (const LineError& e) {
            return {std::nullopt, "line " + std::to_string(lineNumber) + ": " + e.message};
        }
        start = end + 1;
    }
    parser.finish();
    return {parser.take(), {}};
}

}  // namespace emulator
