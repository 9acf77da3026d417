// A substitute BRENLATO ZEV printer: identity, status field, the settings it
// keeps, and the commands it carries out. Time is passed in by its bus.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "emulator/identity_text.h"
#include "emulator/input_parser.h"
#include "emulator/printer_condition.h"
#include "emulator/printer_faults.h"

namespace emulator {

struct PrinterSettings {
    std::uint16_t paperHandling = 0x4000;  // setting 70016
    std::uint16_t printOptions = 0;        // setting 70017
    std::int32_t topMargin = 50;           // value 48: 1/100 mm plus 50
    std::int32_t leftMargin = 0;           // value 49: 1/100 mm

    friend bool operator==(const PrinterSettings&, const PrinterSettings&) = default;
};

// How long the printer stays busy with the jobs the front-panel buttons start.
inline constexpr std::uint64_t kCleanNormalMs = 20000;
inline constexpr std::uint64_t kCleanMediumMs = 40000;
inline constexpr std::uint64_t kCleanSuperMs = 50000;
inline constexpr std::uint64_t kAlignmentPageMs = 15000;

class EmulatedPrinter {
public:
    explicit EmulatedPrinter(std::string name);

    const std::string& name() const { return m_name; }

    PrinterIdentity identity;
    PrinterCondition condition;
    PrinterFaults faults;
    PrinterSettings settings;

    std::string statusValue() const;
    std::string deviceId() const;
    std::string interfacePath() const { return InterfacePathOf(identity); }

    // Carries out what the written bytes say; returns notes on what it ignored.
    std::vector<std::string> receive(std::string_view bytes, std::uint64_t nowMs);
    // Hands out queued answer bytes; 0 when none are left.
    std::size_t deliver(std::span<std::uint8_t> into);
    // Ends an internal job whose time is up.
    void advance(std::uint64_t nowMs);

    const std::vector<std::int32_t>& valueStack() const { return m_stack; }
    std::size_t pendingAnswerBytes() const { return m_answer.size(); }
    int calibrationResets() const { return m_calibrationResets; }
    int cancelledJobs() const { return m_cancelledJobs; }
    bool busyWithInternalJob() const { return m_jobEndsAt != 0; }

private:
    void execute(const PrinterInput& input, std::uint64_t nowMs, std::vector<std::string>& notes);
    void command(std::string_view text, std::uint64_t nowMs, std::vector<std::string>& notes);
    // Each returns false for a command it does not understand.
    bool settingCommand(std::string_view verb, std::string_view argument);
    bool stackCommand(std::string_view verb, std::string_view argument, std::vector<std::string>& notes);
    bool panelCommand(std::string_view verb, std::string_view argument, std::uint64_t nowMs,
                      std::vector<std::string>& notes);
    void flowMargins(std::vector<std::string>& notes);
    void answer(std::int64_t value);
    void pushButton(std::int64_t button, std::uint64_t nowMs, std::vector<std::string>& notes);
    bool popValue(std::int32_t& value);
    void cancelJob();

    std::string m_name;
    InputParser m_parser;
    std::deque<std::uint8_t> m_answer;
    std::vector<std::int32_t> m_stack;
    std::uint64_t m_jobEndsAt = 0;  // 0: no internal job
    int m_calibrationResets = 0;
    int m_cancelledJobs = 0;
};

}  // namespace emulator
