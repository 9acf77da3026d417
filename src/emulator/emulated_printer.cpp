#include "emulator/emulated_printer.h"

#include <charconv>
#include <limits>
#include <optional>
#include <string_view>

#include "emulator/status_builder.h"
#include "emulator/write_log.h"

namespace emulator {

namespace {

constexpr std::uint8_t kStateReady = 0x00;
constexpr std::uint8_t kStatePrinting = 0x02;
constexpr std::uint8_t kStateInternalJob = 0x04;
constexpr std::uint8_t kStateOutOfPaper = 0x09;
constexpr std::uint8_t kActivityIdle = 0;
constexpr std::uint8_t kActivityBusy = 15;
// Control bytes, a zero byte and no digit: what a confused device might send back.
constexpr std::string_view kGarbageAnswer{"\xff\x1b?\x00#~", 6};

std::optional<std::int64_t> number(std::string_view text) {
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

std::optional<std::int32_t> int32Number(std::string_view text) {
    const auto value = number(text);
    if (!value || *value < std::numeric_limits<std::int32_t>::min() ||
        *value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(*value);
}

struct Split {
    std::string_view verb;
    std::string_view argument;
};

Split splitCommand(std::string_view text) {
    const std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos) return {text, {}};
    return {text.substr(0, blank), text.substr(blank + 1)};
}

std::uint64_t jobLength(std::int64_t button) {
    switch (button) {
        case 20: return kCleanNormalMs;
        case 21: return kCleanMediumMs;
        case 22: return kCleanSuperMs;
        case 3: return kAlignmentPageMs;
        default: return 0;
    }
}

}  // namespace

EmulatedPrinter::EmulatedPrinter(std::string name) : m_name(std::move(name)) { identity.serial = m_name; }

std::string EmulatedPrinter::statusValue() const {
    return faults.rawStatus ? *faults.rawStatus : BuildStatusValue(condition);
}

std::string EmulatedPrinter::deviceId() const {
    return faults.rawId ? *faults.rawId : BuildDeviceId(identity, statusValue());
}

std::vector<std::string> EmulatedPrinter::receive(std::string_view bytes, std::uint64_t nowMs) {
    advance(nowMs);
    std::vector<std::string> notes;
    for (const PrinterInput& input : m_parser.feed(bytes)) execute(input, nowMs, notes);
    return notes;
}

std::size_t EmulatedPrinter::deliver(std::span<std::uint8_t> into) {
    std::size_t n = 0;
    for (; n < into.size() && !m_answer.empty(); ++n) {
        into[n] = m_answer.front();
        m_answer.pop_front();
    }
    return n;
}

void EmulatedPrinter::advance(std::uint64_t nowMs) {
    if (m_jobEndsAt == 0 || nowMs < m_jobEndsAt) return;
    m_jobEndsAt = 0;
    // A scenario may have moved the printer elsewhere meanwhile; that wins.
    if (condition.state == kStateInternalJob) {
        condition.state = kStateReady;
        condition.activity = kActivityIdle;
    }
}

void EmulatedPrinter::execute(const PrinterInput& input, std::uint64_t nowMs, std::vector<std::string>& notes) {
    switch (input.kind) {
        case PrinterInput::Kind::Command: command(input.text, nowMs, notes); break;
        case PrinterInput::Kind::CancelPrint: cancelJob(); break;
        case PrinterInput::Kind::Uel:
        case PrinterInput::Kind::Reset: break;
        case PrinterInput::Kind::Ignored: notes.push_back("ignored bytes " + EscapeBytes(input.text)); break;
    }
}

void EmulatedPrinter::command(std::string_view text, std::uint64_t nowMs, std::vector<std::string>& notes) {
    const auto [verb, argument] = splitCommand(text);
    const bool understood = verb == "udw.quit" || verb == "Exit" || settingCommand(verb, argument) ||
                            stackCommand(verb, argument, notes) || panelCommand(verb, argument, nowMs, notes);
    if (!understood) notes.push_back("ignored command " + EscapeBytes(text));
}

bool EmulatedPrinter::settingCommand(std::string_view verb, std::string_view argument) {
    std::uint16_t* const setting = argument.starts_with("70016")   ? &settings.paperHandling
                                   : argument.starts_with("70017") ? &settings.printOptions
                                                                   : nullptr;
    if (!setting) return false;
    if (verb == "ds2.get" && argument.size() == 5) {
        answer(*setting);
        return true;
    }
    if (verb != "ds2.set" || argument.size() < 6 || argument[5] != ',') return false;
    const auto word = int32Number(argument.substr(6));
    if (!word) return false;
    *setting = static_cast<std::uint16_t>(static_cast<std::uint32_t>(*word) & 0xFFFFu);
    return true;
}

bool EmulatedPrinter::stackCommand(std::string_view verb, std::string_view argument, std::vector<std::string>& notes) {
    std::int32_t value = 0;
    if (verb == "fm.push_value") {
        const auto pushed = int32Number(argument);
        if (pushed) m_stack.push_back(*pushed);
        return pushed.has_value();
    }
    if (verb == "fm.execute_keyword" && argument == "10") {
        if (!popValue(value)) {
            notes.push_back("keyword 10 on an empty stack");
        } else if (value == 48 || value == 49) {
            m_stack.push_back(value == 48 ? settings.topMargin : settings.leftMargin);
        } else {
            m_stack.push_back(0);
            notes.push_back("keyword 10 for unknown value " + std::to_string(value));
        }
        return true;
    }
    if (verb == "fm.query_stack" && argument.empty()) {
        if (m_stack.empty())
            notes.push_back("query on an empty stack");
        else
            answer(m_stack.back());
        return true;
    }
    if (verb == "fm.pop" && argument.empty()) {
        if (!popValue(value)) notes.push_back("pop on an empty stack");
        return true;
    }
    if (verb == "fm.flow" && argument == "225") {
        flowMargins(notes);
        return true;
    }
    return false;
}

void EmulatedPrinter::flowMargins(std::vector<std::string>& notes) {
    // Like the keyword, the flow leaves a result on the stack for the sender
    // to pop: 0 when it took the margins, -1 when it refused them.
    std::int32_t one = 0, left = 0, top = 0;
    if (m_stack.size() < 3) return notes.push_back("flow 225 needs three values");
    popValue(one);
    popValue(left);
    popValue(top);
    if (one != 1) {
        m_stack.push_back(-1);
        return notes.push_back("flow 225 without its closing 1");
    }
    settings.topMargin = top;
    settings.leftMargin = left;
    m_stack.push_back(0);
}

bool EmulatedPrinter::panelCommand(std::string_view verb, std::string_view argument, std::uint64_t nowMs,
                                   std::vector<std::string>& notes) {
    if (verb == "uifp.multi_button_push") {
        const auto button = number(argument);
        if (!button || jobLength(*button) == 0) return false;
        pushButton(*button, nowMs, notes);
        return true;
    }
    if (verb == "pen_align.reset" && argument.empty()) {
        ++m_calibrationResets;
        return true;
    }
    return false;
}

void EmulatedPrinter::answer(std::int64_t value) {
    std::string text;
    if (faults.nextAnswer) {
        text = std::move(*faults.nextAnswer);
        faults.nextAnswer.reset();
    } else if (faults.garbageAnswers) {
        text = kGarbageAnswer;
    } else if (!faults.noAnswer) {
        text = std::to_string(value);
    }
    m_answer.insert(m_answer.end(), text.begin(), text.end());
}

void EmulatedPrinter::pushButton(std::int64_t button, std::uint64_t nowMs, std::vector<std::string>& notes) {
    if (condition.state != kStateReady) {
        notes.push_back("button " + std::to_string(button) + " ignored: printer not ready");
        return;
    }
    condition.state = kStateInternalJob;
    condition.activity = kActivityBusy;
    m_jobEndsAt = nowMs + jobLength(button);
}

bool EmulatedPrinter::popValue(std::int32_t& value) {
    if (m_stack.empty()) return false;
    value = m_stack.back();
    m_stack.pop_back();
    return true;
}

void EmulatedPrinter::cancelJob() {
    ++m_cancelledJobs;
    if (condition.state == kStatePrinting || condition.state == kStateOutOfPaper) {
        condition.state = kStateReady;
        condition.activity = kActivityIdle;
    }
}

}  // namespace emulator
