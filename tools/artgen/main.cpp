// Generates every picture of the program into src/res/art.
//
//     scripts/gen-art.sh
//
// builds this tool and runs it; by hand:
//
//     g++ -std=c++20 -O2 -Wall -Wextra -Werror tools/artgen/*.cpp -o build/artgen/artgen
//     build/artgen/artgen src/res/art
//
// The output is deterministic; commit the regenerated files with the change
// that altered them.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "artwork.h"
#include "image_files.h"

namespace {

using namespace artgen;

struct Bitmap {
    const char* file;
    std::function<Canvas()> draw;
};

std::vector<Bitmap> bitmaps() {
    std::vector<Bitmap> list = {
        {"banner.bmp", banner},
        {"printer.bmp", printerPicture},
        {"paper.bmp", paperPicture},
        {"emblem.bmp", emblem},
        {"cleaning.bmp", cleaningPicture},
        {"calibration.bmp", calibrationPicture},
        {"flag_de.bmp", flagGerman},
        {"flag_en.bmp", flagEnglish},
        {"no_printer.bmp", noPrinter},
        {"ink_unused.bmp", [] { return inkGauge(InkSeries::Neutral, 0); }},
        // The spare pictures of the 41-50 bucket are the same gauge.
        {"ink_black_unused.bmp", [] { return inkGauge(InkSeries::Black, 5); }},
        {"ink_photo_unused.bmp", [] { return inkGauge(InkSeries::Photo, 5); }},
        {"ink_colour_unused.bmp", [] { return inkGauge(InkSeries::Colour, 5); }},
        {"carriage_stall.bmp", carriageStall},
        {"cover_open.bmp", coverOpen},
        {"paper_jam.bmp", paperJam},
        {"pen_failure.bmp", penFailure},
        {"printer_error.bmp", printerError},
        {"out_of_paper.bmp", outOfPaper},
        {"formfeed_panel.bmp", formFeedPanel},
        {"formfeed_button.bmp", formFeedButton},
        {"paper_motor_stall.bmp", paperMotorStall},
        {"update_search.bmp", updateSearch},
    };
    return list;
}

struct Series {
    const char* prefix;
    InkSeries series;
};

void writeAll(const std::filesystem::path& dir) {
    std::filesystem::create_directories(dir);
    const auto at = [&](const std::string& name) { return (dir / name).string(); };
    for (const Bitmap& b : bitmaps()) writeBmp8(b.draw(), at(b.file));
    for (const Series& s : {Series{"ink_black_", InkSeries::Black}, Series{"ink_photo_", InkSeries::Photo},
                            Series{"ink_colour_", InkSeries::Colour}}) {
        for (int tenths = 1; tenths <= 10; ++tenths)
            writeBmp8(inkGauge(s.series, tenths), at(s.prefix + std::to_string(tenths * 10) + ".bmp"));
    }
    writeIco(appIcon(), at("app.ico"));
    writeIco(updateDoneIcon(), at("update_done.ico"));
    writeIco(updateFailedIcon(), at("update_failed.ico"));
    writeIco(updateUnavailableIcon(), at("update_unavailable.ico"));
    writeMonochromeCur(handCursorRows(), 32, kHandHotX, kHandHotY, at("hand.cur"));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    try {
        writeAll(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "artgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
