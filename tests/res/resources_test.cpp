// The compiled resources hold every window, control, picture and text the
// program addresses by number, in the state the windows expect them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>

#include "res/resource.h"
#include "ui/headless/resources.h"

namespace {

using ui::headless::compiledResources;
using ui::headless::ControlClass;
using ui::headless::DialogItemTemplate;
using ui::headless::DialogTemplate;

constexpr int kOk = 1;
constexpr int kCancel = 2;

constexpr std::uint32_t kWsVisible = 0x10000000;
constexpr std::uint32_t kDsSysModal = 0x2, kDsSetForeground = 0x200;
constexpr std::uint32_t kSsTypeMask = 0x1F, kSsIcon = 0x3, kSsBitmap = 0xE, kSsNotify = 0x100;
constexpr std::uint32_t kBsTypeMask = 0xF, kBsDefPushButton = 0x1;
constexpr std::uint32_t kCbsTypeMask = 0x3, kCbsDropDown = 0x2, kCbsSort = 0x100;
constexpr std::uint32_t kUdsHorz = 0x40, kUdsSetBuddyInt = 0x2;

const DialogTemplate& dialog(int id) {
    const DialogTemplate* d = compiledResources().dialog(id);
    if (!d) throw std::runtime_error("no dialog template " + std::to_string(id));
    return *d;
}

const DialogItemTemplate* findItem(const DialogTemplate& d, int id) {
    const auto it = std::find_if(d.items.begin(), d.items.end(), [&](const DialogItemTemplate& i) { return i.id == id; });
    return it == d.items.end() ? nullptr : &*it;
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

const int kErrorAndInkPopups[] = {
    IDD_LID_DE,          IDD_LID_EN,          IDD_FORMFEED_DE,        IDD_FORMFEED_EN,        IDD_OUTOFPAPER_DE,
    IDD_OUTOFPAPER_EN,   IDD_PAPERJAM_DE,     IDD_PAPERJAM_EN,        IDD_CARRIAGESTALL_DE,   IDD_CARRIAGESTALL_EN,
    IDD_PAPERMOTORSTALL_DE, IDD_PAPERMOTORSTALL_EN, IDD_PENFAILURE_DE, IDD_PENFAILURE_EN,     IDD_SEVEREERROR_DE,
    IDD_SEVEREERROR_EN,  IDD_UNKNOWNERROR_DE, IDD_UNKNOWNERROR_EN,    IDD_LOWINK_DE,          IDD_LOWINK_EN,
    IDD_INKLEVEL_DE,     IDD_INKLEVEL_EN,
};

// ---- Templates --------------------------------------------------------------

TEST(Resources, EveryTemplateTheProgramOpensExistsAndNoOther) {
    std::set<int> opened = {IDD_MAIN, IDD_ABOUTBOX};
    for (const TwinRow& row : kTwins) opened.insert({row.german, row.english});
    const auto ids = compiledResources().dialogIds();
    EXPECT_EQ(std::set<int>(ids.begin(), ids.end()), opened);
}

TEST(Resources, MainWindowStartsHiddenAndPopupsAreSystemModalInTheForeground) {
    EXPECT_EQ(dialog(IDD_MAIN).style & kWsVisible, 0u);
    for (int id : kErrorAndInkPopups) {
        SCOPED_TRACE(id);
        EXPECT_EQ(dialog(id).style & (kDsSysModal | kDsSetForeground), kDsSysModal | kDsSetForeground);
    }
}

// ---- Controls ---------------------------------------------------------------

struct ControlRow {
    int dialog;
    int id;
    ControlClass cls;
    bool visible;
};

// Controls the program addresses, with the visibility the windows rely on:
// hidden ones are still read and written, visible number controls show codes.
const ControlRow kControls[] = {
    {IDD_MAIN, IDC_PRINTER_LIST, ControlClass::ComboBox, true},
    {IDD_MAIN, IDC_ONLINE_UPDATE, ControlClass::Button, false},
    {IDD_MAIN, IDC_STATUS_LINE, ControlClass::Static, true},
    {IDD_MAIN, IDC_TOLERANCE, ControlClass::Edit, true},
    {IDD_MAIN, IDC_TOLERANCE_SPIN, ControlClass::UpDown, true},
    {IDD_MAIN, IDC_DRYTIME_SPIN, ControlClass::UpDown, true},
    {IDD_MAIN, IDC_TOP_MARGIN_SPIN, ControlClass::UpDown, true},
    {IDD_MAIN, IDC_LEFT_MARGIN_SPIN, ControlClass::UpDown, true},
    {IDD_MAIN, ID_HELP, ControlClass::Button, false},
    {IDD_MAIN, IDC_REFRESH, ControlClass::Button, false},
    {IDD_MAIN, IDC_TRAYICON_QUERY, ControlClass::Button, false},
    {IDD_MAIN, IDC_RAW_STATUS, ControlClass::Static, false},
    {IDD_MAIN, IDC_STATE_CODE, ControlClass::Static, false},
    {IDD_MAIN, IDC_STATE_CHARS, ControlClass::Static, false},
    {IDD_START_DE, IDC_START_PROGRESS, ControlClass::Progress, true},
    {IDD_LID_DE, IDC_LID_VALUE, ControlClass::Static, false},
    {IDD_LID_EN, IDC_LID_VALUE, ControlClass::Static, false},
    {IDD_PAPERJAM_DE, IDC_PAPERJAM_VALUE, ControlClass::Static, false},
    {IDD_PAPERJAM_EN, IDC_PAPERJAM_VALUE, ControlClass::Static, true},
    {IDD_CARRIAGESTALL_DE, IDC_CARRIAGESTALL_VALUE, ControlClass::Static, false},
    {IDD_CARRIAGESTALL_EN, IDC_CARRIAGESTALL_VALUE, ControlClass::Static, true},
    {IDD_PAPERMOTORSTALL_EN, IDC_PAPERMOTORSTALL_VALUE, ControlClass::Static, true},
    {IDD_PENFAILURE_EN, IDC_PENFAILURE_VALUE, ControlClass::Static, false},
    {IDD_SEVEREERROR_EN, IDC_SEVEREERROR_VALUE, ControlClass::Static, false},
    {IDD_UNKNOWNERROR_DE, IDC_UNKNOWNERROR_VALUE, ControlClass::Static, false},
    {IDD_UNKNOWNERROR_EN, IDC_UNKNOWNERROR_VALUE, ControlClass::Static, true},
    {IDD_LID_DE, kOk, ControlClass::Button, false},
    {IDD_OUTOFPAPER_EN, kOk, ControlClass::Button, false},
    {IDD_PAPERJAM_EN, kOk, ControlClass::Button, true},
    {IDD_LOWINK_DE, kCancel, ControlClass::Button, false},
    {IDD_LOWINK_EN, IDC_LOWINK_ACTIVITY, ControlClass::Static, false},
    {IDD_INKLEVEL_DE, IDC_INKPOP_STATE, ControlClass::Static, false},
    {IDD_INKLEVEL_EN, IDC_INKPOP_DONT_SHOW, ControlClass::Button, true},
    {IDD_CALIBRATE_DE, IDC_MAINT_STATE, ControlClass::Static, false},
    {IDD_UPDFOUND_DE, IDC_UPDATE_STATUS, ControlClass::Static, true},
    {IDD_NOUPDFOUND_DE, kCancel, ControlClass::Button, false},
    {IDD_UPDERROR_DE, kCancel, ControlClass::Button, true},
};

TEST(Resources, ControlsHaveTheirKindAndVisibility) {
    for (const ControlRow& row : kControls) {
        SCOPED_TRACE(testing::Message() << "template " << row.dialog << " control " << row.id);
        const DialogItemTemplate* item = findItem(dialog(row.dialog), row.id);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->cls, row.cls);
        EXPECT_EQ((item->style & kWsVisible) != 0, row.visible);
    }
}

TEST(Resources, PrinterListIsASortedDropDownAndOnlyTheLeftMarginSpinIsHorizontal) {
    const DialogTemplate& d = dialog(IDD_MAIN);
    const std::uint32_t list = findItem(d, IDC_PRINTER_LIST)->style;
    EXPECT_EQ(list & kCbsTypeMask, kCbsDropDown);
    EXPECT_NE(list & kCbsSort, 0u);
    EXPECT_GT(findItem(d, IDC_PRINTER_LIST)->cy, 14) << "the drop-down needs room for its list";
    for (int spin : {IDC_TOLERANCE_SPIN, IDC_DRYTIME_SPIN, IDC_TOP_MARGIN_SPIN, IDC_LEFT_MARGIN_SPIN}) {
        SCOPED_TRACE(spin);
        const std::uint32_t style = findItem(d, spin)->style;
        EXPECT_EQ((style & kUdsHorz) != 0, spin == IDC_LEFT_MARGIN_SPIN);
        EXPECT_EQ(style & kUdsSetBuddyInt, 0u) << "the program formats the edits itself";
    }
}

TEST(Resources, UpdateDialogsAnswerEnterWithOk) {
    for (int id : {IDD_UPDATE_DE, IDD_UPDATE_EN, IDD_UPDFOUND_DE, IDD_UPDFOUND_EN, IDD_NOUPDFOUND_DE, IDD_NOUPDFOUND_EN,
                   IDD_UPDSUCCESS_DE, IDD_UPDSUCCESS_EN, IDD_UPDERROR_DE, IDD_UPDERROR_EN, IDD_UPDONLERROR_DE,
                   IDD_UPDONLERROR_EN}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(findItem(dialog(id), kOk)->style & kBsTypeMask, kBsDefPushButton);
    }
}

// ---- Pictures ---------------------------------------------------------------

TEST(Resources, PicturesThatTakeClicksNotifyAndInkPicturesAreBitmaps) {
    struct Row {
        int dialog, id;
        bool notify;
    } const rows[] = {
        {IDD_MAIN, IDC_PEN1_PICTURE, false},       {IDD_MAIN, IDC_PEN2_PICTURE, false},
        {IDD_MAIN, IDC_FLAG_DE, true},             {IDD_MAIN, IDC_FLAG_EN, true},
        {IDD_INKLEVEL_DE, IDC_INKPOP_PEN1_PICTURE, false}, {IDD_INKLEVEL_EN, IDC_INKPOP_PEN2_PICTURE, false},
        {IDD_LOWINK_EN, IDC_PEN1_PICTURE, false},  {IDD_ABOUTBOX, IDC_SUPPORT_LINK, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "template " << row.dialog << " control " << row.id);
        const DialogItemTemplate* item = findItem(dialog(row.dialog), row.id);
        ASSERT_NE(item, nullptr);
        if (row.id != IDC_SUPPORT_LINK) {
            EXPECT_EQ(item->style & kSsTypeMask, kSsBitmap);
        }
        EXPECT_EQ((item->style & kSsNotify) != 0, row.notify);
    }
}

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

struct BitmapRow {
    int first, last;  // inclusive range of IDs
    int width, height, bits;  // 0: any size
};

const BitmapRow kBitmaps[] = {
    {166, 199, 70, 70, 8},  // the three ink series, the unused pictures included
    {IDB_NO_PRINTER, IDB_NO_PRINTER, 70, 70, 8},
    {209, 217, 0, 0, 0},    // popup pictures
    {IDB_FLAG_DE, IDB_FLAG_EN, 0, 0, 0},
    {IDB_UPDATE_SEARCH, IDB_UPDATE_SEARCH, 0, 0, 0},
};

TEST(Resources, EveryBitmapExistsAndInkPicturesAreSeventyPixelsAtEightBits) {
    for (const BitmapRow& row : kBitmaps) {
        for (int id = row.first; id <= row.last; ++id) {
            SCOPED_TRACE(id);
            const auto info = compiledResources().bitmap(id);
            ASSERT_TRUE(info.has_value());
            if (!row.width) continue;
            EXPECT_EQ(info->width, row.width);
            EXPECT_EQ(info->height, row.height);
            EXPECT_EQ(info->bitsPerPixel, row.bits);
        }
    }
}

TEST(Resources, IconsCursorMenuAndStringExist) {
    const auto& res = compiledResources();
    for (int id : {IDI_APP, IDI_UPDATE_DONE, IDI_UPDATE_FAILED, IDI_UPDATE_UNAVAILABLE}) EXPECT_TRUE(res.hasIcon(id)) << id;
    EXPECT_TRUE(res.hasCursor(IDC_CURSOR_HAND));
    EXPECT_TRUE(res.string(IDS_ABOUTBOX).has_value());

    const auto* menu = res.menu(IDR_TRAY_MENU);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->size(), 1u);
    ASSERT_EQ(menu->front().children.size(), 2u);
    EXPECT_EQ(menu->front().children[0].id, unsigned{ID_TRAY_TOOLBOX}) << "the default item comes first";
    EXPECT_EQ(menu->front().children[1].id, unsigned{ID_TRAY_EXIT});
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

TEST(Resources, NoTemplateUsesAControlIdTwice) {
    for (int id : compiledResources().dialogIds()) {
        const std::multiset<int> ids = controlIds(id);
        for (int c : ids) EXPECT_EQ(ids.count(c), 1u) << "template " << id << " control " << c;
    }
}

}  // namespace
