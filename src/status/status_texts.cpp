#include "status/status_texts.h"

#include "status/printer_state.h"
#include "status/printer_status.h"

namespace status {

std::optional<Texts> StateLineText(std::uint8_t state) {
    const std::optional<StateInfo> info = StateInfoOf(state);
    if (!info || info->german.empty()) return std::nullopt;
    return Texts{info->german, info->english};
}

std::optional<std::string_view> Pen1Label(unsigned kind, std::optional<Language> language) {
    // An empty pen slot reads the same in both languages, so it is shown even
    // when the language code selects neither.
    if (kind == static_cast<unsigned>(PenKind::None)) return kNoPenLabel;
    if (!language) return std::nullopt;
    if (kind == static_cast<unsigned>(PenKind::Black)) return kPen1BlackLabel.in(*language);
    if (kind == static_cast<unsigned>(PenKind::Photo)) return kPen1PhotoLabel.in(*language);
    return std::nullopt;
}

std::optional<std::string_view> Pen2Label(unsigned kind, std::optional<Language> language) {
    if (!language) return std::nullopt;
    if (kind == static_cast<unsigned>(PenKind::None)) return kPen2NoneLabel.in(*language);
    if (kind == static_cast<unsigned>(PenKind::Colour)) return kPen2ColourLabel.in(*language);
    return std::nullopt;
}

}  // namespace status
