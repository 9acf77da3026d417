#include "printer/id_value.h"

namespace printer {

IdValue ExtractDelimited(std::string_view text, std::string_view key, std::string_view terminator) {
    const std::size_t at = key.empty() ? std::string_view::npos : text.find(key);
    if (at == std::string_view::npos) return {IdValueStatus::KeyMissing, {}};
    const std::string_view rest = text.substr(at + key.size());
    if (rest.empty()) return {IdValueStatus::NothingFollows, {}};
    const std::size_t end = rest.find(terminator);
    if (end == std::string_view::npos) return {IdValueStatus::Unterminated, {}};
    return {IdValueStatus::Found, rest.substr(0, end)};
}

IdValue ExtractIdValue(std::string_view deviceId, std::string_view key) { return ExtractDelimited(deviceId, key, ";"); }

}  // namespace printer
