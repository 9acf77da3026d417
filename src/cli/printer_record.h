// What the status tool reports about one printer, built from its device ID and,
// when the printer can answer, its four settings values.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "status/printer_status.h"

namespace cli {

// The four values the main window's settings block shows, as the printer answered them.
struct PrinterSettingsValues {
    std::uint16_t paperHandling = 0;  // setting 70016
    std::uint16_t printOptions = 0;   // setting 70017
    std::int32_t topMargin = 0;       // value 48: 1/100 mm plus 50
    std::int32_t leftMargin = 0;      // value 49: 1/100 mm
    friend bool operator==(const PrinterSettingsValues&, const PrinterSettingsValues&) = default;
};

struct PrinterRecord {
    std::string displayName;  // "BRENLATO ZEV SERIAL NUMBER: A1 ;"
    std::string serial;
    std::string devicePath;
    bool connected = true;  // false only in watch mode, for a printer that went away
    status::PrinterStatus status;
    std::optional<PrinterSettingsValues> settings;
    friend bool operator==(const PrinterRecord&, const PrinterRecord&) = default;
};

// The identity and status half of a record; the device ID has passed the ZEV test.
PrinterRecord RecordOf(std::string_view devicePath, std::string_view deviceId);

// The four settings queries, in the order the program reads them at start.
// nullopt when the device cannot be opened for one of them, or one answer
// holds no number. `wait` stands for the pause between a query and its answer.
std::optional<PrinterSettingsValues> ReadSettingsValues(const std::string& devicePath,
                                                        const std::function<void(unsigned ms)>& wait);

// A printer that answers nothing sensible, or whose condition stops printing.
bool ReportsError(const PrinterRecord& record);
// Valid status, state code 0 and the cover closed.
bool IsReady(const PrinterRecord& record);

}  // namespace cli
