// The compiled resources hold every window, control, picture and text the
// program addresses by number, in the state the windows expect them.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "res/resource.h"
#include "ui/headless/resources.h"

namespace {

using ui::headless::compiledResources;
using ui::headless::ControlClass;
using ui::headless::DialogItemTemplate;
using ui::headless::DialogTemplate;

constexpr std::uint32_t kSsTypeMask = 0x1F, kSsIcon = 0x3, kSsBitmap = 0xE;

const DialogTemplate& dialog(int id) {
    const DialogTemplate* d = compiledResources().dialog(id);
    if (!d) throw std::runtime_error("no dialog template " + std::to_string(id));
    return *d;
}

// German and English twin of every window family; the program opens each of them.
struct TwinRow {
    int german, english;
    int onlyGerman;  // a control the English twin lacks, or 0
};

const TwinRow kTwins[] = {
    {IDD_START_DE, IDD_START_EN, 0},
    {IDD_LID_DE, IDD_LID_EN, 0},
    {IDD_FORMFEED_DE, IDD_FORMFEED_EN, 0},
    {IDD_OUTOFPAPER_DE, IDD_OUTOFPAPER_EN, IDC_OUTOFPAPER_VALUE},
    {IDD_PAPERJAM_DE, IDD_PAPERJAM_EN, 0},
    {IDD_CARRIAGESTALL_DE, IDD_CARRIAGESTALL_EN, 0},
    {IDD_PAPERMOTORSTALL_DE, IDD_PAPERMOTORSTALL_EN, 0},
    {IDD_PENFAILURE_DE, IDD_PENFAILURE_EN, 0},
    {IDD_SEVEREERROR_DE, IDD_SEVEREERROR_EN, 0},
    {IDD_UNKNOWNERROR_DE, IDD_UNKNOWNERROR_EN, 0},
    {IDD_LOWINK_DE, IDD_LOWINK_EN, 0},
    {IDD_INKLEVEL_DE, IDD_INKLEVEL_EN, IDC_INKPOP_STATE},
    {IDD_TRANSFER_DE, IDD_TRANSFER_EN, 0},
    {IDD_NOTREADY_DE, IDD_NOTREADY_EN, 0},
    {IDD_CLEAN_NORMAL_DE, IDD_CLEAN_NORMAL_EN, 0},
    {IDD_CLEAN_MEDIUM_DE, IDD_CLEAN_MEDIUM_EN, 0},
    {IDD_CLEAN_SUPER_DE, IDD_CLEAN_SUPER_EN, 0},
    {IDD_CALIBRATE_DE, IDD_CALIBRATE_EN, 0},
    {IDD_RESETCAL_DE, IDD_RESETCAL_EN, 0},
    {IDD_UPDATE_DE, IDD_UPDATE_EN, 0},
    {IDD_UPDFOUND_DE, IDD_UPDFOUND_EN, 0},
    {IDD_NOUPDFOUND_DE, IDD_NOUPDFOUND_EN, 0},
    {IDD_UPDSUCCESS_DE, IDD_UPDSUCCESS_EN, 0},
    {IDD_UPDERROR_DE, IDD_UPDERROR_EN, 0},
    {IDD_UPDONLERROR_DE, IDD_UPDONLERROR_EN, 0},
};

// ---- Templates --------------------------------------------------------------

TEST(Resources, EveryTemplateTheProgramOpensExistsAndNoOther) {
    std::set<int> opened = {IDD_MAIN, IDD_ABOUTBOX};
    for (const TwinRow& row : kTwins) opened.insert({row.german, row.english});
    const auto ids = compiledResources().dialogIds();
    EXPECT_EQ(std::set<int>(ids.begin(), ids.end()), opened);
}

// ---- Pictures ---------------------------------------------------------------

TEST(Resources, EveryPictureAndIconInATemplateExists) {
    const auto& res = compiledResources();
    for (int id : res.dialogIds()) {
        for (const DialogItemTemplate& i : dialog(id).items) {
            if (i.cls != ControlClass::Static || i.textOrdinal == 0) continue;
            SCOPED_TRACE(testing::Message() << "template " << id << " shows " << i.textOrdinal);
            if ((i.style & kSsTypeMask) == kSsBitmap) {
                EXPECT_TRUE(res.bitmap(i.textOrdinal).has_value());
            } else if ((i.style & kSsTypeMask) == kSsIcon) {
                EXPECT_TRUE(res.hasIcon(i.textOrdinal));
            }
        }
    }
}

// The ink pictures of the three series (the unused ones included) and the
// no-printer picture are loaded by number while the program runs, not through
// a template.
TEST(Resources, InkPicturesAreSeventyPixelsSquareAtEightBits) {
    std::vector<int> ids = {IDB_NO_PRINTER};
    for (int id = 166; id <= 199; ++id) ids.push_back(id);
    for (int id : ids) {
        SCOPED_TRACE(id);
        const auto info = compiledResources().bitmap(id);
        ASSERT_TRUE(info.has_value());
        EXPECT_EQ(std::tuple(info->width, info->height, info->bitsPerPixel), std::tuple(70, 70, 8));
    }
}

// ---- Twins ------------------------------------------------------------------

std::multiset<int> controlIds(int dialogId) {
    std::multiset<int> ids;
    for (const DialogItemTemplate& i : dialog(dialogId).items)
        if (i.id != IDC_STATIC) ids.insert(i.id);
    return ids;
}

TEST(Resources, TwinsCarryTheSameControlsApartFromTheirKnownDifference) {
    for (const TwinRow& row : kTwins) {
        SCOPED_TRACE(testing::Message() << row.german << " / " << row.english);
        std::multiset<int> german = controlIds(row.german);
        if (row.onlyGerman) {
            ASSERT_EQ(german.count(row.onlyGerman), 1u);
            german.erase(row.onlyGerman);
        }
        EXPECT_EQ(german, controlIds(row.english));
    }
}

}  // namespace
