// The compiled resources hold every window, control, picture and text the
// program addresses by number, in the state the windows expect them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "res/resource.h"
#include "ui/headless/resources.h"

namespace {

using ui::headless::compiledResources;
using ui::headless::ControlClass;
using ui::headless::DialogItemTemplate;
using ui::headless::DialogTemplate;

constexpr int kOk = 1;
constexpr int kCancel = 2;

constexpr std::uint32_t kWsPopup = 0x80000000, kWsVisible = 0x10000000, kWsCaption = 0x00C00000,
                        kWsSysMenu = 0x00080000, kWsMinimizeBox = 0x00020000, kWsMaximizeBox = 0x00010000;
constexpr std::uint32_t kDsSysModal = 0x2, kDsModalFrame = 0x80, kDsSetForeground = 0x200, kDsCenter = 0x800;
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

bool visible(const DialogItemTemplate& i) { return (i.style & kWsVisible) != 0; }

// ---- Templates --------------------------------------------------------------

struct TemplateRow {
    int id;
    const char* caption;
    int cx, cy;  // 0: the layout is ours
};

const TemplateRow kTemplates[] = {
    {IDD_MAIN, "BRENLATO ZEV USB Status Client Ver. 6.11", 471, 318},
    {IDD_ABOUTBOX, "Info über ZEV", 235, 67},
    {IDD_START_DE, "BRENLATO ZEV Programmstart", 0, 0},
    {IDD_START_EN, "BRENLATO ZEV Programmstart", 0, 0},
    {IDD_LID_DE, "Obere Abdeckung offen", 0, 0},
    {IDD_LID_EN, "Top Cover Open", 0, 0},
    {IDD_FORMFEED_DE, "Druckjob nicht vollständig abgeschlossen", 0, 0},
    {IDD_FORMFEED_EN, "PrintJob not complete finished", 0, 0},
    {IDD_OUTOFPAPER_DE, "Kein Papier", 0, 0},
    {IDD_OUTOFPAPER_EN, "Out of Paper", 0, 0},
    {IDD_PAPERJAM_DE, "Papierstau", 0, 0},
    {IDD_PAPERJAM_EN, "Paper Jam", 0, 0},
    {IDD_CARRIAGESTALL_DE, "Druckkopfschlitten blockiert", 0, 0},
    {IDD_CARRIAGESTALL_EN, "Carriage Stall", 0, 0},
    {IDD_PAPERMOTORSTALL_DE, "Papier Motor blockiert", 0, 0},
    {IDD_PAPERMOTORSTALL_EN, "Paper Motor Stall", 0, 0},
    {IDD_PENFAILURE_DE, "Druckkopffehler", 0, 0},
    {IDD_PENFAILURE_EN, "Pen Failure", 0, 0},
    {IDD_SEVEREERROR_DE, "Schwerwiegender Fehler", 0, 0},
    {IDD_SEVEREERROR_EN, "Severe Hard Error", 0, 0},
    {IDD_UNKNOWNERROR_DE, "Unbekannter Fehler", 0, 0},
    {IDD_UNKNOWNERROR_EN, "Unknown Error", 0, 0},
    {IDD_LOWINK_DE, "Tintenstand Warnung", 0, 0},
    {IDD_LOWINK_EN, "Ink Warning", 0, 0},
    {IDD_INKLEVEL_DE, "Tintenstand", 0, 0},
    {IDD_INKLEVEL_EN, "Ink Levels", 0, 0},
    {IDD_TRANSFER_DE, "Hinweis", 0, 0},
    {IDD_TRANSFER_EN, "Information", 0, 0},
    {IDD_NOTREADY_DE, "Hinweis", 0, 0},
    {IDD_NOTREADY_EN, "Information", 0, 0},
    {IDD_CLEAN_NORMAL_DE, "Druckkopfreinigung normal", 0, 0},
    {IDD_CLEAN_NORMAL_EN, "Pen Cleaning normal", 0, 0},
    {IDD_CLEAN_MEDIUM_DE, "Druckkopfreinigung medium", 0, 0},
    {IDD_CLEAN_MEDIUM_EN, "Pen Cleaning medium", 0, 0},
    {IDD_CLEAN_SUPER_DE, "Druckkopfreinigung super", 0, 0},
    {IDD_CLEAN_SUPER_EN, "Pen Cleaning super", 0, 0},
    {IDD_CALIBRATE_DE, "Druckkopf Kalibrierung", 0, 0},
    {IDD_CALIBRATE_EN, "Pen Alignment", 0, 0},
    {IDD_RESETCAL_DE, "Reset Druckkopf Kalibrierung", 0, 0},
    {IDD_RESETCAL_EN, "Reset Pen Calibration", 0, 0},
    {IDD_UPDATE_DE, "BRENLATO ZEV Online Update", 186, 90},
    {IDD_UPDATE_EN, "BRENLATO ZEV Online Update", 186, 90},
    {IDD_UPDFOUND_DE, "BRENLATO ZEV Online Update", 186, 90},
    {IDD_UPDFOUND_EN, "BRENLATO ZEV Online Update", 186, 90},
    {IDD_NOUPDFOUND_DE, "BRENLATO ZEV Online Update", 186, 90},
    {IDD_NOUPDFOUND_EN, "BRENLATO ZEV Online Update", 186, 90},
    {IDD_UPDSUCCESS_DE, "BRENLATO ZEV Online Update", 186, 90},
    {IDD_UPDSUCCESS_EN, "BRENLATO ZEV Online Update", 186, 90},
    {IDD_UPDERROR_DE, "BRENLATO ZEV Online Update", 186, 90},
    {IDD_UPDERROR_EN, "BRENLATO ZEV Online Update", 186, 90},
    {IDD_UPDONLERROR_DE, "BRENLATO ZEV Online Update", 186, 90},
    {IDD_UPDONLERROR_EN, "BRENLATO ZEV Online Update", 186, 90},
};

TEST(Resources, EveryTemplateHasItsCaptionSizeAndFont) {
    for (const TemplateRow& row : kTemplates) {
        SCOPED_TRACE(row.id);
        const DialogTemplate& d = dialog(row.id);
        EXPECT_EQ(d.caption, row.caption);
        if (row.cx) {
            EXPECT_EQ(d.cx, row.cx);
            EXPECT_EQ(d.cy, row.cy);
        }
        EXPECT_EQ(d.fontSize, 8);
        EXPECT_EQ(d.fontFace, row.id == IDD_MAIN ? "Verdana" : "MS Shell Dlg");
        EXPECT_EQ(d.style & (kWsPopup | kWsCaption | kWsSysMenu), kWsPopup | kWsCaption | kWsSysMenu);
    }
    EXPECT_EQ(compiledResources().dialogIds().size(), std::size(kTemplates)) << "a template nobody opens";
}

TEST(Resources, MainWindowIsCentredWithMinimiseAndMaximiseBoxes) {
    const std::uint32_t want = kWsMinimizeBox | kWsMaximizeBox | kDsModalFrame | kDsCenter;
    EXPECT_EQ(dialog(IDD_MAIN).style & want, want);
    EXPECT_EQ(dialog(IDD_MAIN).style & kWsVisible, 0u) << "the main window starts hidden";
}

TEST(Resources, PopupsAreSystemModalAndComeToTheForeground) {
    for (int id : {IDD_LID_DE, IDD_LID_EN, IDD_FORMFEED_DE, IDD_FORMFEED_EN, IDD_OUTOFPAPER_DE, IDD_OUTOFPAPER_EN,
                   IDD_PAPERJAM_DE, IDD_PAPERJAM_EN, IDD_CARRIAGESTALL_DE, IDD_CARRIAGESTALL_EN, IDD_PAPERMOTORSTALL_DE,
                   IDD_PAPERMOTORSTALL_EN, IDD_PENFAILURE_DE, IDD_PENFAILURE_EN, IDD_SEVEREERROR_DE, IDD_SEVEREERROR_EN,
                   IDD_UNKNOWNERROR_DE, IDD_UNKNOWNERROR_EN, IDD_LOWINK_DE, IDD_LOWINK_EN, IDD_INKLEVEL_DE, IDD_INKLEVEL_EN}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(dialog(id).style & (kDsSysModal | kDsSetForeground), kDsSysModal | kDsSetForeground);
    }
}

// ---- Controls ---------------------------------------------------------------

struct ControlRow {
    int dialog;
    int id;
    ControlClass cls;
    const char* text;  // nullptr: not checked
    bool visible;
};

const ControlRow kControls[] = {
    // Main window: the template texts, and the controls created hidden.
    {IDD_MAIN, IDC_SELECT_PRINTER, ControlClass::Button, "Drucker auswählen", true},
    {IDD_MAIN, IDC_PRINTER_LIST, ControlClass::ComboBox, nullptr, true},
    {IDD_MAIN, IDC_ONLINE_UPDATE, ControlClass::Button, "Online Update ?", false},
    {IDD_MAIN, IDC_STATUS_LINE, ControlClass::Static, "", true},
    {IDD_MAIN, IDC_SECURE_FEED, ControlClass::Button, "Secure Feed ein", true},
    {IDD_MAIN, IDC_TOLERANCE_LABEL, ControlClass::Static, "Secure Feed Tolerance", true},
    {IDD_MAIN, IDC_TOLERANCE, ControlClass::Edit, nullptr, true},
    {IDD_MAIN, IDC_TOLERANCE_SPIN, ControlClass::UpDown, nullptr, true},
    {IDD_MAIN, IDC_DRYTIME_SPIN, ControlClass::UpDown, nullptr, true},
    {IDD_MAIN, IDC_TOP_MARGIN_SPIN, ControlClass::UpDown, nullptr, true},
    {IDD_MAIN, IDC_LEFT_MARGIN_SPIN, ControlClass::UpDown, nullptr, true},
    {IDD_MAIN, IDC_OUTPUT_BACK, ControlClass::Button, "hinten", true},
    {IDD_MAIN, IDC_OUTPUT_FRONT, ControlClass::Button, "vorne", true},
    {IDD_MAIN, IDC_MARGINS_GROUP, ControlClass::Button, "Papierränder", true},
    {IDD_MAIN, IDC_SENSOR_GROUP, ControlClass::Button, "Auto-Alignment-Sensor ausschalten", true},
    {IDD_MAIN, IDC_INKPOPUP_GROUP, ControlClass::Button, "Inklevel Popup", true},
    {IDD_MAIN, IDC_APPLY, ControlClass::Button, "Übernehmen", true},
    {IDD_MAIN, kCancel, ControlClass::Button, "Abbrechen", true},
    {IDD_MAIN, ID_HELP, ControlClass::Button, "Hilfe", false},
    {IDD_MAIN, IDC_INK_GROUP, ControlClass::Button, "Tintenstand", true},
    {IDD_MAIN, IDC_CALIBRATE_RESET, ControlClass::Button, "Reset", true},
    {IDD_MAIN, IDC_REFRESH, ControlClass::Button, "Ansicht Aktualisieren", false},
    {IDD_MAIN, IDC_TRAYICON_QUERY, ControlClass::Button, "Tray Icon", false},
    {IDD_MAIN, IDC_RAW_STATUS, ControlClass::Static, nullptr, false},
    {IDD_MAIN, IDC_STATE_CODE, ControlClass::Static, nullptr, false},
    {IDD_MAIN, IDC_STATE_CHARS, ControlClass::Static, nullptr, false},
    {IDD_ABOUTBOX, IDC_SUPPORT_LINK, ControlClass::Static, nullptr, true},
    {IDD_ABOUTBOX, kOk, ControlClass::Button, "OK", true},
    // Start dialogs: the English second line starts with a blank.
    {IDD_START_DE, IDC_START_PROGRESS, ControlClass::Progress, nullptr, true},
    {IDD_START_EN, IDC_AUTOCLOSE_TEXT, ControlClass::Static, "The window will be closed automatically\n and the program starts.", true},
    {IDD_START_DE, IDC_WAIT_TEXT, ControlClass::Static, "Kommunikation wird vorbereitet. Bitte warten !", true},
    // Error popups: the number control, visible only in four English windows.
    {IDD_LID_DE, IDC_LID_VALUE, ControlClass::Static, nullptr, false},
    {IDD_LID_EN, IDC_LID_VALUE, ControlClass::Static, nullptr, false},
    {IDD_OUTOFPAPER_DE, IDC_OUTOFPAPER_VALUE, ControlClass::Static, nullptr, false},
    {IDD_PAPERJAM_DE, IDC_PAPERJAM_VALUE, ControlClass::Static, nullptr, false},
    {IDD_PAPERJAM_EN, IDC_PAPERJAM_VALUE, ControlClass::Static, nullptr, true},
    {IDD_CARRIAGESTALL_DE, IDC_CARRIAGESTALL_VALUE, ControlClass::Static, nullptr, false},
    {IDD_CARRIAGESTALL_EN, IDC_CARRIAGESTALL_VALUE, ControlClass::Static, nullptr, true},
    {IDD_PAPERMOTORSTALL_DE, IDC_PAPERMOTORSTALL_VALUE, ControlClass::Static, nullptr, false},
    {IDD_PAPERMOTORSTALL_EN, IDC_PAPERMOTORSTALL_VALUE, ControlClass::Static, nullptr, true},
    {IDD_PENFAILURE_DE, IDC_PENFAILURE_VALUE, ControlClass::Static, nullptr, false},
    {IDD_PENFAILURE_EN, IDC_PENFAILURE_VALUE, ControlClass::Static, nullptr, false},
    {IDD_SEVEREERROR_DE, IDC_SEVEREERROR_VALUE, ControlClass::Static, nullptr, false},
    {IDD_SEVEREERROR_EN, IDC_SEVEREERROR_VALUE, ControlClass::Static, nullptr, false},
    {IDD_UNKNOWNERROR_DE, IDC_UNKNOWNERROR_VALUE, ControlClass::Static, nullptr, false},
    {IDD_UNKNOWNERROR_EN, IDC_UNKNOWNERROR_VALUE, ControlClass::Static, nullptr, true},
    // Error popups: OK hidden in the cover and out-of-paper windows only.
    {IDD_LID_DE, kOk, ControlClass::Button, "OK", false},
    {IDD_LID_EN, kOk, ControlClass::Button, "OK", false},
    {IDD_OUTOFPAPER_DE, kOk, ControlClass::Button, "OK", false},
    {IDD_OUTOFPAPER_EN, kOk, ControlClass::Button, "OK", false},
    {IDD_FORMFEED_DE, kOk, ControlClass::Button, "OK", true},
    {IDD_PAPERJAM_EN, kOk, ControlClass::Button, "OK", true},
    // Ink windows.
    {IDD_LOWINK_DE, kOk, ControlClass::Button, nullptr, true},
    {IDD_LOWINK_DE, kCancel, ControlClass::Button, nullptr, false},
    {IDD_LOWINK_EN, IDC_LOWINK_ACTIVITY, ControlClass::Static, nullptr, false},
    {IDD_LOWINK_EN, IDC_LOWINK_LEVEL, ControlClass::Static, nullptr, true},
    {IDD_INKLEVEL_DE, IDC_INKPOP_DONT_SHOW, ControlClass::Button, "dieses Fenster nicht mehr anzeigen", true},
    {IDD_INKLEVEL_EN, IDC_INKPOP_DONT_SHOW, ControlClass::Button, "do not show this window again", true},
    {IDD_INKLEVEL_DE, IDC_INKPOP_STATE, ControlClass::Static, nullptr, false},
    {IDD_INKLEVEL_EN, IDC_INKPOP_PEN2_LEVEL, ControlClass::Static, nullptr, true},
    // Maintenance: the state code is kept out of sight.
    {IDD_CALIBRATE_DE, IDC_MAINT_STATE, ControlClass::Static, nullptr, false},
    {IDD_RESETCAL_EN, IDC_WAIT_TEXT, ControlClass::Static, "To reset the pen calibration, please click  on the START button.", true},
    {IDD_CLEAN_SUPER_EN, kCancel, ControlClass::Button, "Cancel", true},
    {IDD_CLEAN_SUPER_DE, kCancel, ControlClass::Button, "Schliessen", true},
    {IDD_CALIBRATE_EN, IDC_INSTRUCTION, ControlClass::Static,
     "To align the pens, insert an A4 sized white sheet of paper and click on START:", true},
    // Update: status line, and the Cancel buttons created hidden.
    {IDD_UPDFOUND_DE, IDC_UPDATE_STATUS, ControlClass::Static, "", true},
    {IDD_UPDFOUND_EN, IDC_UPDATE_STATUS, ControlClass::Static, "", true},
    {IDD_NOUPDFOUND_DE, kCancel, ControlClass::Button, "Cancel", false},
    {IDD_UPDSUCCESS_EN, kCancel, ControlClass::Button, "Cancel", false},
    {IDD_UPDONLERROR_DE, kCancel, ControlClass::Button, "Cancel", false},
    {IDD_UPDERROR_DE, kCancel, ControlClass::Button, "Nein", true},
};

TEST(Resources, ControlsHaveTheirKindTextAndVisibility) {
    for (const ControlRow& row : kControls) {
        SCOPED_TRACE(testing::Message() << "template " << row.dialog << " control " << row.id);
        const DialogItemTemplate* item = findItem(dialog(row.dialog), row.id);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->cls, row.cls);
        if (row.text) {
            EXPECT_EQ(item->text, row.text);
        }
        EXPECT_EQ(visible(*item), row.visible);
    }
}

struct TextRow {
    int dialog;
    const char* text;
};

// Static texts the program never sets, with their spelling and line breaks.
const TextRow kFixedTexts[] = {
    {IDD_ABOUTBOX, "BRENLATO ZEV Version 6.11"},
    {IDD_LID_DE, "Der Drucker kann nicht drucken weil die\nobere Abdeckung geöffnet ist."},
    {IDD_FORMFEED_EN, "A print job isn' t completely finished."},
    {IDD_CARRIAGESTALL_DE, "Biite schalten Sie das Gerät aus."},
    {IDD_CARRIAGESTALL_DE, "Überprüfen Sie ob ein Papierstau vorliegt \nund schauen Sie nach Fremdkörpern \nim Gerät."},
    {IDD_PAPERMOTORSTALL_EN,
     "Pleas power off the printer, open the top cover and check if there is a paper jam or a foreign object in the printer."},
    {IDD_PENFAILURE_DE, "Bitte überprüfen Sie die Druckköpfe."},
    {IDD_LOWINK_EN, "Attention ! The  cartridge is going out of ink."},
    {IDD_INKLEVEL_DE, "Druckerstatus:"},
    {IDD_TRANSFER_DE, "Die Daten wurden erfolgreich an den Drucker übertragen."},
    {IDD_TRANSFER_EN, "Data Transfer"},
    {IDD_NOTREADY_DE, "Der Drucker ist nicht bereit."},
    {IDD_NOTREADY_EN, "The printer is not ready."},
    {IDD_UPDSUCCESS_DE, "Der BRENLATO ZEV - Treiber ist nun auf dem \nneuesten Stand."},
    {IDD_UPDSUCCESS_EN, "Successfull"},
    {IDD_UPDONLERROR_DE, "Das Treiberupdate kann nicht durchgeführt\nwerden !"},
    {IDD_UPDONLERROR_EN, "- no BRENLATO ZEV driver installed"},
    {IDD_UPDFOUND_EN, "It is a newer version available."},
};

TEST(Resources, FixedTextsAreWrittenExactly) {
    for (const TextRow& row : kFixedTexts) {
        SCOPED_TRACE(row.text);
        const DialogTemplate& d = dialog(row.dialog);
        EXPECT_TRUE(std::any_of(d.items.begin(), d.items.end(), [&](const DialogItemTemplate& i) { return i.text == row.text; }));
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

struct DefaultRow {
    int dialog;
    int id;
};

const DefaultRow kDefaultButtons[] = {
    {IDD_UPDATE_DE, kOk},     {IDD_UPDATE_EN, kOk},     {IDD_UPDFOUND_DE, kOk},    {IDD_UPDFOUND_EN, kOk},
    {IDD_NOUPDFOUND_DE, kOk}, {IDD_NOUPDFOUND_EN, kOk}, {IDD_UPDSUCCESS_DE, kOk},  {IDD_UPDSUCCESS_EN, kOk},
    {IDD_UPDERROR_DE, kOk},   {IDD_UPDERROR_EN, kOk},   {IDD_UPDONLERROR_DE, kOk}, {IDD_UPDONLERROR_EN, kOk},
};

TEST(Resources, UpdateDialogsAnswerEnterWithTheirFirstButton) {
    for (const DefaultRow& row : kDefaultButtons) {
        SCOPED_TRACE(row.dialog);
        EXPECT_EQ(findItem(dialog(row.dialog), row.id)->style & kBsTypeMask, kBsDefPushButton);
    }
}

// ---- Pictures ---------------------------------------------------------------

struct PictureRow {
    int dialog;
    int id;
    int bitmap;
    bool notify;
};

const PictureRow kPictures[] = {
    {IDD_MAIN, IDC_PEN1_PICTURE, IDB_BLACK_10, false},
    {IDD_MAIN, IDC_PEN2_PICTURE, IDB_COLOUR_10, false},
    {IDD_MAIN, IDC_FLAG_DE, IDB_FLAG_DE, true},
    {IDD_MAIN, IDC_FLAG_EN, IDB_FLAG_EN, true},
    {IDD_INKLEVEL_DE, IDC_INKPOP_PEN1_PICTURE, IDB_BLACK_10, false},
    {IDD_INKLEVEL_EN, IDC_INKPOP_PEN2_PICTURE, IDB_COLOUR_10, false},
    {IDD_LOWINK_DE, IDC_PEN1_PICTURE, IDB_BLACK_20, false},
    {IDD_LOWINK_EN, IDC_PEN1_PICTURE, IDB_BLACK_20, false},
};

TEST(Resources, PictureControlsStartWithTheirFirstBitmap) {
    for (const PictureRow& row : kPictures) {
        SCOPED_TRACE(testing::Message() << "template " << row.dialog << " control " << row.id);
        const DialogItemTemplate* item = findItem(dialog(row.dialog), row.id);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->style & kSsTypeMask, kSsBitmap);
        EXPECT_EQ(item->textOrdinal, row.bitmap);
        EXPECT_EQ((item->style & kSsNotify) != 0, row.notify);
    }
    EXPECT_NE(findItem(dialog(IDD_ABOUTBOX), IDC_SUPPORT_LINK)->style & kSsNotify, 0u) << "the link takes clicks";
}

TEST(Resources, MainWindowShowsEveryDecorativeBitmapAndTheEmblemTwice) {
    std::multiset<int> shown;
    for (const DialogItemTemplate& i : dialog(IDD_MAIN).items)
        if ((i.style & kSsTypeMask) == kSsBitmap && i.id == IDC_STATIC) shown.insert(i.textOrdinal);
    EXPECT_EQ(shown, (std::multiset<int>{IDB_BANNER, IDB_PRINTER_PICTURE, IDB_PAPER_PICTURE, IDB_EMBLEM, IDB_EMBLEM,
                                         IDB_CLEANING_PICTURE, IDB_CALIBRATION_PICTURE}));
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
    {IDB_BANNER, IDB_PAPER_PICTURE, 0, 0, 0},
    {IDB_EMBLEM, IDB_EMBLEM, 0, 0, 0},
    {IDB_CLEANING_PICTURE, IDB_CALIBRATION_PICTURE, 0, 0, 0},
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

TEST(Resources, IconsAndTheHandCursorExist) {
    for (int id : {IDI_APP, IDI_UPDATE_DONE, IDI_UPDATE_FAILED, IDI_UPDATE_UNAVAILABLE}) {
        EXPECT_TRUE(compiledResources().hasIcon(id)) << id;
    }
    EXPECT_TRUE(compiledResources().hasCursor(IDC_CURSOR_HAND));
}

// ---- Menu and strings -------------------------------------------------------

TEST(Resources, TrayMenuOpensToolboxFirstAndExitSecond) {
    const auto* menu = compiledResources().menu(IDR_TRAY_MENU);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->size(), 1u);
    const auto& popup = menu->front();
    EXPECT_TRUE(popup.popup);
    EXPECT_EQ(popup.text, "Datei");
    ASSERT_EQ(popup.children.size(), 2u);
    EXPECT_EQ(popup.children[0].id, unsigned{ID_TRAY_TOOLBOX});
    EXPECT_EQ(popup.children[0].text, "ZEV Toolbox");
    EXPECT_EQ(popup.children[1].id, unsigned{ID_TRAY_EXIT});
    EXPECT_EQ(popup.children[1].text, "Beenden");
}

TEST(Resources, AboutMenuTextIsInTheStringTable) {
    EXPECT_EQ(compiledResources().string(IDS_ABOUTBOX), "&Info über ZEV...");
}

// ---- Twins ------------------------------------------------------------------

std::multiset<int> controlIds(int dialogId) {
    std::multiset<int> ids;
    for (const DialogItemTemplate& i : dialog(dialogId).items)
        if (i.id != IDC_STATIC) ids.insert(i.id);
    return ids;
}

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
