#include "cli/printer_record.h"

#include <iterator>
#include <utility>

#include "printer/command_channel.h"
#include "printer/commands.h"
#include "printer/display_name.h"
#include "printer/id_value.h"
#include "status/printer_state.h"
#include "status/status_field.h"

namespace cli {

namespace {

// A value the program keeps in a 100-byte field; a longer one is cut there.
std::string fieldValue(std::string_view deviceId, std::string_view key) {
    const printer::IdValue value = printer::ExtractIdValue(deviceId, key);
    if (!value.found()) return {};
    return std::string(value.text.substr(0, printer::kIdFieldSize - 1));
}

}  // namespace

PrinterRecord RecordOf(std::string_view devicePath, std::string_view deviceId) {
    PrinterRecord record;
    record.serial = fieldValue(deviceId, printer::kKeySerial);
    record.displayName = printer::DisplayName(
        fieldValue(deviceId, printer::kKeyMfg), fieldValue(deviceId, printer::kKeyMdl), record.serial);
    record.devicePath = devicePath;
    record.status = status::decodeStatusField(deviceId);
    return record;
}

std::optional<PrinterSettingsValues> ReadSettingsValues(const std::string& devicePath,
                                                        const std::function<void(unsigned ms)>& wait) {
    using printer::QueryKind;
    std::int32_t values[4] = {};
    const std::pair<std::string_view, QueryKind> queries[4] = {{printer::kQueryPaperHandling, QueryKind::Word},
                                                               {printer::kQueryPrintOptions, QueryKind::Word},
                                                               {printer::kQueryLeftMargin, QueryKind::Number},
                                                               {printer::kQueryTopMargin, QueryKind::Number}};
    for (std::size_t i = 0; i < std::size(queries); ++i) {
        const auto result = printer::SendQueryWithWait(devicePath, queries[i].first, queries[i].second, wait);
        // A printer that takes a query and stays silent, or answers no number,
        // has told nothing about that setting.
        if (!result || !result->holdsNumber) return std::nullopt;
        values[i] = result->value;
    }
    return PrinterSettingsValues{
        static_cast<std::uint16_t>(values[0]), static_cast<std::uint16_t>(values[1]), values[3], values[2]};
}

bool ReportsError(const PrinterRecord& record) {
    using status::PrinterState;
    if (!record.connected || !record.status.valid || record.status.coverOpen) return true;
    switch (static_cast<PrinterState>(record.status.state)) {
        case PrinterState::OutOfPaper:
        case PrinterState::PaperJam:
        case PrinterState::CarriageStall:
        case PrinterState::PaperMotorStall:
        case PrinterState::PenFailure:
        case PrinterState::SevereHardError:
        case PrinterState::CleanOutTrayMissing:
        case PrinterState::UnknownError: return true;
        default: return false;
    }
}

bool IsReady(const PrinterRecord& record) {
    return record.connected && record.status.valid && !record.status.coverOpen &&
           record.status.state == static_cast<std::uint8_t>(status::PrinterState::Ready);
}

}  // namespace cli
