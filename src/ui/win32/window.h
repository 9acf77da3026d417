// The native state behind one running dialog: its HWND and every GDI and shell
// object created for it. All of it is released when the modal run ends.
#pragma once

#include <map>
#include <memory>

#include "os/win32/unique_handle.h"
#include "ui/dialog.h"
#include "ui/win32/picture_scaling.h"
#include "ui/win32/tray_icon.h"

namespace ui {

struct Window {
    explicit Window(Dialog& d) : dialog(d) {}
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND handle() const { return hwnd.get(); }
    // A solid brush of `colour`, created on first use and kept until the window ends.
    HBRUSH brushFor(Colour colour);

    Dialog& dialog;
    bool ended = false;
    int result = -1;

    std::map<Colour, os::win32::UniqueBrush> brushes;
    std::map<int, os::win32::UniqueBitmap> pictures;  // by control ID
    win32::ScaledPictures templatePictures;           // the template's own, scaled to the screen
    // Drops the scaled template picture `bitmap` once its control shows another; false if it is not one.
    bool dropTemplatePicture(HBITMAP bitmap);
    std::map<int, os::win32::UniqueFont> fonts;  // by control ID
    os::win32::UniqueIcon bigIcon;
    os::win32::UniqueIcon smallIcon;
    int paintIconResource = 0;
    os::win32::UniqueIcon paintIcon;  // the minimised window's icon, loaded on first paint
    std::map<unsigned, std::unique_ptr<win32::TrayIcon>> trayIcons;  // by icon ID

    // Declared last: destroyed before the objects above that its controls may still use.
    os::win32::UniqueWindow hwnd;
};

}  // namespace ui
