#include "ui/headless/resources.h"

#include <stdexcept>
#include <string_view>

namespace ui::headless {

namespace {

constexpr int kRtCursor = 1;
constexpr int kRtBitmap = 2;
constexpr int kRtIcon = 3;
constexpr int kRtMenu = 4;
constexpr int kRtDialog = 5;
constexpr int kRtString = 6;
constexpr int kRtGroupCursor = 12;
constexpr int kRtGroupIcon = 14;

constexpr std::uint32_t kDsSetFont = 0x40;

// A bounds-checked little-endian reader over one resource's bytes.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> data, std::size_t pos = 0) : m_data(data), m_pos(pos) {}

    std::size_t pos() const { return m_pos; }
    bool atEnd() const { return m_pos >= m_data.size(); }
    void need(std::size_t n) const {
        if (m_pos + n > m_data.size())
            throw std::runtime_error("resource data truncated at offset " + std::to_string(m_pos));
    }
    std::uint8_t u8() {
        need(1);
        return m_data[m_pos++];
    }
    std::uint16_t u16() {
        need(2);
        std::uint16_t v = m_data[m_pos] | (m_data[m_pos + 1] << 8);
        m_pos += 2;
        return v;
    }
    std::uint32_t u32() {
        std::uint32_t lo = u16();
        return lo | (static_cast<std::uint32_t>(u16()) << 16);
    }
    std::int16_t i16() { return static_cast<std::int16_t>(u16()); }
    void skip(std::size_t n) {
        need(n);
        m_pos += n;
    }
    void alignTo(std::size_t a) { m_pos = (m_pos + a - 1) / a * a; }

    std::u16string wstr() {
        std::u16string s;
        for (char16_t c = u16(); c != 0; c = u16()) s.push_back(c);
        return s;
    }
    // A "string or ordinal" field: 0 = none, 0xFFFF + WORD = ordinal, else a string.
    struct NameOrOrdinal {
        int ordinal = 0;
        std::u16string name;
    };
    NameOrOrdinal nameOrOrdinal() {
        NameOrOrdinal r;
        need(2);
        const std::uint16_t first = static_cast<std::uint16_t>(m_data[m_pos] | (m_data[m_pos + 1] << 8));
        if (first == 0) {
            m_pos += 2;
            return r;
        }
        if (first == 0xFFFF) {
            m_pos += 2;
            r.ordinal = u16();
            return r;
        }
        r.name = wstr();
        return r;
    }

private:
    std::span<const std::uint8_t> m_data;
    std::size_t m_pos;
};

ControlClass classFromAtom(int atom) {
    switch (atom) {
        case 0x80: return ControlClass::Button;
        case 0x81: return ControlClass::Edit;
        case 0x82: return ControlClass::Static;
        case 0x83: return ControlClass::ListBox;
        case 0x84: return ControlClass::ScrollBar;
        case 0x85: return ControlClass::ComboBox;
        default: return ControlClass::Other;
    }
}

std::string lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

ControlClass classFromName(const std::string& name) {
    const std::string n = lower(name);
    if (n == "button") return ControlClass::Button;
    if (n == "edit") return ControlClass::Edit;
    if (n == "static") return ControlClass::Static;
    if (n == "listbox") return ControlClass::ListBox;
    if (n == "scrollbar") return ControlClass::ScrollBar;
    if (n == "combobox") return ControlClass::ComboBox;
    if (n == "msctls_updown32") return ControlClass::UpDown;
    if (n == "msctls_progress32") return ControlClass::Progress;
    return ControlClass::Other;
}

void readItemClassAndText(Reader& r, DialogItemTemplate& item) {
    const auto cls = r.nameOrOrdinal();
    if (cls.ordinal)
        item.cls = classFromAtom(cls.ordinal);
    else {
        item.className = utf16ToUtf8(cls.name);
        item.cls = classFromName(item.className);
    }
    const auto text = r.nameOrOrdinal();
    item.textOrdinal = text.ordinal;
    item.text = utf16ToUtf8(text.name);
    const std::uint16_t extra = r.u16();
    r.skip(extra);
}

DialogTemplate parseDialog(int id, std::span<const std::uint8_t> data) {
    Reader r(data);
    DialogTemplate t;
    t.id = id;
    const std::uint16_t version = r.u16();
    const std::uint16_t signature = r.u16();
    const bool extended = version == 1 && signature == 0xFFFF;
    if (extended) {
        r.u32();  // help ID
        t.exStyle = r.u32();
        t.style = r.u32();
    } else {
        t.style = version | (static_cast<std::uint32_t>(signature) << 16);
        t.exStyle = r.u32();
    }
    const std::uint16_t count = r.u16();
    t.x = r.i16();
    t.y = r.i16();
    t.cx = r.i16();
    t.cy = r.i16();
    r.nameOrOrdinal();  // menu
    r.nameOrOrdinal();  // window class
    t.caption = utf16ToUtf8(r.wstr());
    if (t.style & kDsSetFont) {
        t.fontSize = r.u16();
        if (extended) {
            r.u16();
            r.u8();
            r.u8();
        }  // weight, italic, charset
        t.fontFace = utf16ToUtf8(r.wstr());
    }
    for (std::uint16_t i = 0; i < count; ++i) {
        r.alignTo(4);
        DialogItemTemplate item;
        if (extended) {
            r.u32();  // help ID
            item.exStyle = r.u32();
            item.style = r.u32();
        } else {
            item.style = r.u32();
            item.exStyle = r.u32();
        }
        item.x = r.i16();
        item.y = r.i16();
        item.cx = r.i16();
        item.cy = r.i16();
        item.id = extended ? static_cast<int>(static_cast<std::int32_t>(r.u32())) : static_cast<int>(r.u16());
        if (!extended && item.id == 0xFFFF) item.id = -1;
        if (item.id == 0xFFFF) item.id = -1;
        readItemClassAndText(r, item);
        t.items.push_back(std::move(item));
    }
    return t;
}

constexpr std::uint16_t kMfPopup = 0x10;
constexpr std::uint16_t kMfEnd = 0x80;
constexpr std::uint16_t kMfSeparator = 0x800;

std::vector<MenuItemTemplate> parseMenuItems(Reader& r) {
    std::vector<MenuItemTemplate> items;
    for (;;) {
        MenuItemTemplate item;
        const std::uint16_t flags = r.u16();
        item.popup = (flags & kMfPopup) != 0;
        if (!item.popup) item.id = r.u16();
        item.text = utf16ToUtf8(r.wstr());
        item.separator = !item.popup && item.id == 0 && item.text.empty();
        if (flags & kMfSeparator) item.separator = true;
        if (item.popup) item.children = parseMenuItems(r);
        items.push_back(std::move(item));
        if (flags & kMfEnd) break;
    }
    return items;
}

std::vector<MenuItemTemplate> parseMenu(std::span<const std::uint8_t> data) {
    Reader r(data);
    const std::uint16_t version = r.u16();
    const std::uint16_t headerSize = r.u16();
    if (version != 0) throw std::runtime_error("only standard MENU resources are supported");
    r.skip(headerSize);
    if (r.atEnd()) return {};
    return parseMenuItems(r);
}

BitmapInfo parseBitmap(std::span<const std::uint8_t> data) {
    Reader r(data);
    BitmapInfo b;
    const std::uint32_t headerSize = r.u32();
    if (headerSize == 12) {
        b.width = r.u16();
        b.height = r.u16();
        r.u16();
        b.bitsPerPixel = r.u16();
    } else {
        b.width = static_cast<std::int32_t>(r.u32());
        const std::int32_t h = static_cast<std::int32_t>(r.u32());
        b.height = h < 0 ? -h : h;
        r.u16();
        b.bitsPerPixel = r.u16();
    }
    return b;
}

}  // namespace

std::string utf16ToUtf8(std::u16string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::uint32_t cp = text[i];
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        if (cp < 0x80)
            out.push_back(static_cast<char>(cp));
        else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

void ResourceSet::load(std::span<const std::uint8_t> data) {
    Reader r(data);
    while (!r.atEnd()) {
        r.alignTo(4);
        if (r.atEnd()) break;
        const std::size_t start = r.pos();
        const std::uint32_t dataSize = r.u32();
        const std::uint32_t headerSize = r.u32();
        const auto type = r.nameOrOrdinal();
        const auto name = r.nameOrOrdinal();
        r = Reader(data, start);
        r.skip(headerSize);
        r.need(dataSize);
        if (dataSize > 0 && type.ordinal && name.ordinal)
            addEntry(type.ordinal, name.ordinal, data.subspan(r.pos(), dataSize));
        r.skip(dataSize);
    }
}

void ResourceSet::addEntry(int type, int name, std::span<const std::uint8_t> data) {
    switch (type) {
        case kRtDialog: m_dialogs[name] = parseDialog(name, data); break;
        case kRtMenu: m_menus[name] = parseMenu(data); break;
        case kRtBitmap: m_bitmaps[name] = parseBitmap(data); break;
        case kRtGroupIcon: m_icons.insert(name); break;
        case kRtGroupCursor: m_cursors.insert(name); break;
        case kRtString: {
            Reader r(data);
            const int first = (name - 1) * 16;
            for (int i = 0; i < 16 && !r.atEnd(); ++i) {
                const std::uint16_t len = r.u16();
                std::u16string s;
                for (std::uint16_t k = 0; k < len; ++k) s.push_back(r.u16());
                if (len) m_strings[first + i] = utf16ToUtf8(s);
            }
            break;
        }
        case kRtCursor:
        case kRtIcon:
        default: break;
    }
}

const DialogTemplate* ResourceSet::dialog(int id) const {
    auto it = m_dialogs.find(id);
    return it == m_dialogs.end() ? nullptr : &it->second;
}

const std::vector<MenuItemTemplate>* ResourceSet::menu(int id) const {
    auto it = m_menus.find(id);
    return it == m_menus.end() ? nullptr : &it->second;
}

std::optional<std::string> ResourceSet::string(int id) const {
    auto it = m_strings.find(id);
    if (it == m_strings.end()) return std::nullopt;
    return it->second;
}

std::optional<BitmapInfo> ResourceSet::bitmap(int id) const {
    auto it = m_bitmaps.find(id);
    if (it == m_bitmaps.end()) return std::nullopt;
    return it->second;
}

std::vector<int> ResourceSet::dialogIds() const {
    std::vector<int> ids;
    for (const auto& [id, t] : m_dialogs) ids.push_back(id);
    return ids;
}

}  // namespace ui::headless
