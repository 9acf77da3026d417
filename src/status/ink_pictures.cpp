#include "status/ink_pictures.h"

#include <array>

#include "printer/decimal_text.h"
#include "res/resource.h"
#include "status/printer_status.h"
#include "status/status_texts.h"

namespace status {

namespace {

constexpr int kBuckets = 10;
constexpr int kFullLevel = 100;
using Series = std::array<int, kBuckets>;

// 193, 171 and 182 belong to the sets but are never shown.
constexpr Series kBlackSeries = {IDB_BLACK_10,
                                 IDB_BLACK_20,
                                 IDB_BLACK_30,
                                 IDB_BLACK_40,
                                 IDB_BLACK_50,
                                 IDB_BLACK_60,
                                 IDB_BLACK_70,
                                 IDB_BLACK_80,
                                 IDB_BLACK_90,
                                 IDB_BLACK_100};
constexpr Series kPhotoSeries = {IDB_PHOTO_10,
                                 IDB_PHOTO_20,
                                 IDB_PHOTO_30,
                                 IDB_PHOTO_40,
                                 IDB_PHOTO_50,
                                 IDB_PHOTO_60,
                                 IDB_PHOTO_70,
                                 IDB_PHOTO_80,
                                 IDB_PHOTO_90,
                                 IDB_PHOTO_100};
constexpr Series kColourSeries = {IDB_COLOUR_10,
                                  IDB_COLOUR_20,
                                  IDB_COLOUR_30,
                                  IDB_COLOUR_40,
                                  IDB_COLOUR_50,
                                  IDB_COLOUR_60,
                                  IDB_COLOUR_70,
                                  IDB_COLOUR_80,
                                  IDB_COLOUR_90,
                                  IDB_COLOUR_100};

// 1-10 (or 0-10) is bucket 0, 11-20 bucket 1, ..., 91-100 bucket 9.
std::optional<int> BucketOf(int level, int firstLevel) {
    if (level < firstLevel || level > kFullLevel) return std::nullopt;
    if (level <= kLowInkLevel) return 0;
    return (level - 1) / kLowInkLevel;
}

}  // namespace

std::optional<int> Pen1Picture(int kind, int level, int firstLevel) {
    const std::optional<int> bucket = BucketOf(level, firstLevel);
    if (!bucket) return std::nullopt;
    if (kind == static_cast<int>(PenKind::Black)) return kBlackSeries[static_cast<std::size_t>(*bucket)];
    if (kind == static_cast<int>(PenKind::Photo)) return kPhotoSeries[static_cast<std::size_t>(*bucket)];
    return 0;
}

std::optional<int> Pen2Picture(int level) {
    const std::optional<int> bucket = BucketOf(level, kPopupFirstLevel);
    if (!bucket) return std::nullopt;
    return kColourSeries[static_cast<std::size_t>(*bucket)];
}

bool Pen1IsLow(int level) { return BucketOf(level, kMainWindowFirstLevel) == 0; }

int LevelOfText(std::string_view levelText) { return printer::ParseDecimalInt32(levelText); }

}  // namespace status
