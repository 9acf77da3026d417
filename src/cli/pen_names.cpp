#include "cli/pen_names.h"

namespace cli {

std::string_view KindName(status::PenKind kind) {
    switch (kind) {
        case status::PenKind::None: return "none";
        case status::PenKind::Black: return "black";
        case status::PenKind::Colour: return "colour";
        case status::PenKind::Photo: return "photo";
    }
    return "other";
}

std::vector<PenSlot> PensOf(const status::PrinterStatus& status) {
    std::vector<PenSlot> pens;
    for (const auto& [slot, pen] : {std::pair{1, status.pen1}, std::pair{2, status.pen2}})
        if (pen.kind != status::PenKind::None) pens.push_back({slot, KindName(pen.kind), pen.level});
    return pens;
}

}  // namespace cli
