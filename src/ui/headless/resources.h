// Reads a compiled Windows resource file (.res) into the pieces the headless
// windows are built from: dialog templates, menus, the string table, and the IDs
// of bitmaps, icons and cursors.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace ui::headless {

// Predefined window-class atoms of dialog items.
enum class ControlClass { Button, Edit, Static, ListBox, ScrollBar, ComboBox, UpDown, Progress, Other };

struct DialogItemTemplate {
    int id = 0;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    ControlClass cls = ControlClass::Other;
    std::string className;  // as written, for ControlClass::Other
    std::string text;
    int textOrdinal = 0;  // e.g. the bitmap of an SS_BITMAP static (0 = text given)
};

struct DialogTemplate {
    int id = 0;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::string caption;
    int fontSize = 0;
    std::string fontFace;
    std::vector<DialogItemTemplate> items;
};

struct MenuItemTemplate {
    unsigned id = 0;  // 0 for pop-ups and separators
    std::string text;
    bool popup = false;
    bool separator = false;
    std::vector<MenuItemTemplate> children;
};

struct BitmapInfo {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
};

class ResourceSet {
public:
    // Parses `data`; throws std::runtime_error with the offset on a malformed file.
    void load(std::span<const std::uint8_t> data);

    const DialogTemplate* dialog(int id) const;
    const std::vector<MenuItemTemplate>* menu(int id) const;
    std::optional<std::string> string(int id) const;
    std::optional<BitmapInfo> bitmap(int id) const;
    bool hasIcon(int id) const { return m_icons.count(id) != 0; }
    bool hasCursor(int id) const { return m_cursors.count(id) != 0; }
    std::vector<int> dialogIds() const;

private:
    void addEntry(int type, int name, std::span<const std::uint8_t> data);

    std::map<int, DialogTemplate> m_dialogs;
    std::map<int, std::vector<MenuItemTemplate>> m_menus;
    std::map<int, std::string> m_strings;
    std::map<int, BitmapInfo> m_bitmaps;
    std::set<int> m_icons;
    std::set<int> m_cursors;
};

// The resources compiled into this build.
const ResourceSet& compiledResources();

std::string utf16ToUtf8(std::u16string_view text);

}  // namespace ui::headless
