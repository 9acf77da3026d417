// The two forms a record is printed in: a line of key=value pairs, and a JSON
// object. Field names are listed in docs/cli.md.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/printer_record.h"
#include "status/status_texts.h"

namespace cli {

// Fields keep the order they are written in, so a record reads from its name down.
using Json = nlohmann::ordered_json;

Json JsonOf(const PrinterRecord& record, status::Language language);
// One line, without its "\n".
std::string TextLineOf(const PrinterRecord& record, status::Language language);

// The one-shot output: one line per printer, or one JSON array of every
// record; each ends in "\n". With no printer, the not-found text or "[]".
std::string StatusReport(const std::vector<PrinterRecord>& records, bool json, status::Language language);

// The state code's text; "Bereit"/"Ready" for state 0, empty for a code without one.
std::string_view StateText(const PrinterRecord& record, status::Language language);

// JSON text on one line. Text from the printer that is not valid UTF-8 is
// replaced rather than allowed to stop the output.
std::string CompactJson(const Json& value);

}  // namespace cli
