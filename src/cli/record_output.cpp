#include "cli/record_output.h"

#include "cli/pen_names.h"
#include "cli/window_poll.h"
#include "settings/settings_words.h"
#include "status/printer_state.h"

namespace cli {

namespace {

// The window shows no text for a ready printer; a report needs one.
constexpr status::Texts kReadyText{"Bereit", "Ready"};
constexpr status::Texts kNoStatusText{"Kein gültiger Status", "No valid status"};
constexpr status::Texts kGoneText{"Nicht mehr angeschlossen", "Disconnected"};

std::string_view penLabel(int slot, const status::PenStatus& pen, status::Language language) {
    const unsigned kind = static_cast<unsigned>(pen.kind);
    const auto label = slot == 1 ? status::Pen1Label(kind, language) : status::Pen2Label(kind, language);
    return label.value_or("");
}

Json penJson(int slot, const status::PenStatus& pen, status::Language language) {
    return {{"kind", static_cast<unsigned>(pen.kind)},
            {"kind_name", KindName(pen.kind)},
            {"label", penLabel(slot, pen, language)},
            {"level", pen.level}};
}

// Millimetres as the settings block shows them; both taken as unsigned 32-bit.
double topMarginMillimetres(std::int32_t value) {
    return (static_cast<std::uint32_t>(value) - static_cast<std::uint32_t>(settings::kTopMarginOffset)) / 100.0;
}
double leftMarginMillimetres(std::int32_t value) { return static_cast<std::uint32_t>(value) / 100.0; }

std::string jsonQuoted(std::string_view text) { return CompactJson(Json(text)); }

}  // namespace

std::string_view StateText(const PrinterRecord& record, status::Language language) {
    if (!record.connected) return kGoneText.in(language);
    if (!record.status.valid) return kNoStatusText.in(language);
    if (record.status.state == static_cast<std::uint8_t>(status::PrinterState::Ready)) return kReadyText.in(language);
    const auto text = status::StateLineText(record.status.state);
    return text ? text->in(language) : std::string_view();
}

std::string CompactJson(const Json& value) { return value.dump(-1, ' ', false, Json::error_handler_t::replace); }

Json JsonOf(const PrinterRecord& record, status::Language language) {
    const status::PrinterStatus& s = record.status;
    Json settings = nullptr;
    if (record.settings) {
        settings = {{"paper_handling", record.settings->paperHandling},
                    {"print_options", record.settings->printOptions},
                    {"top_margin_mm", topMarginMillimetres(record.settings->topMargin)},
                    {"left_margin_mm", leftMarginMillimetres(record.settings->leftMargin)}};
    }
    Json json = {{"name", record.displayName},
                 {"serial", record.serial},
                 {"path", record.devicePath},
                 {"connected", record.connected},
                 {"valid", s.valid},
                 {"state", s.state},
                 {"state_text", StateText(record, language)},
                 {"ready", IsReady(record)},
                 {"error", ReportsError(record)},
                 {"cover_open", s.coverOpen},
                 {"incomplete_job", s.incompleteJob},
                 {"activity", s.activity},
                 {"pens", Json::array({penJson(1, s.pen1, language), penJson(2, s.pen2, language)})},
                 {"settings", std::move(settings)},
                 {"source", record.window ? "window" : "device"}};
    if (record.window) {
        json["polled_at"] = UtcText(record.window->polledAtUtcMs);
        json["polling"] = record.window->polling;
    }
    return json;
}

std::string TextLineOf(const PrinterRecord& record, status::Language language) {
    const status::PrinterStatus& s = record.status;
    std::string line =
        "name=" + jsonQuoted(record.displayName) + " serial=" + jsonQuoted(record.serial) +
        " path=" + jsonQuoted(record.devicePath) + " state=" + std::to_string(s.state) +
        " text=" + jsonQuoted(StateText(record, language)) + " cover=" + (s.coverOpen ? "open" : "closed") +
        " incomplete_job=" + (s.incompleteJob ? "yes" : "no") + " activity=" + std::to_string(s.activity);
    for (int slot = 1; slot <= 2; ++slot) {
        const status::PenStatus& pen = slot == 1 ? s.pen1 : s.pen2;
        const std::string key = " pen" + std::to_string(slot);
        line +=
            key + "=" + jsonQuoted(penLabel(slot, pen, language)) + key + "_level=" + std::to_string(pen.level) + "%";
    }
    if (record.settings) {
        line += " paper_handling=" + std::to_string(record.settings->paperHandling) +
                " print_options=" + std::to_string(record.settings->printOptions) +
                " top_margin=" + settings::TopMarginText(record.settings->topMargin) + "mm" +
                " left_margin=" + settings::LeftMarginText(record.settings->leftMargin) + "mm";
    }
    line += record.window ? " source=window polled_at=" + UtcText(record.window->polledAtUtcMs) +
                                " polling=" + (record.window->polling ? "yes" : "no")
                          : " source=device";
    return line;
}

std::string StatusReport(const std::vector<PrinterRecord>& records, bool json, status::Language language) {
    if (json) {
        Json all = Json::array();
        for (const PrinterRecord& record : records) all.push_back(JsonOf(record, language));
        return CompactJson(all) + "\n";
    }
    if (records.empty()) return std::string(status::kNotFoundText.in(language)) + "\n";
    std::string text;
    for (const PrinterRecord& record : records) text += TextLineOf(record, language) + "\n";
    return text;
}

}  // namespace cli
