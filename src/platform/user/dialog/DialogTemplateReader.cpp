#include "platform/user/dialog/DialogTemplateReader.h"

#include <array>
#include <cstddef>

#include "platform/user/UserConstants.h"

namespace keldra::platform::user {

namespace {

constexpr WORD kExtendedVersion = 1;
constexpr WORD kExtendedSignature = 0xFFFF;
// Large enough for any real template; the trusted reader never reads past the template's end.
constexpr std::size_t kTrustedTemplateLimit = 1 << 20;

struct PredefinedClass {
    WORD atom;
    const wchar_t* name;
};

// The control classes a template may name by number instead of by name.
constexpr std::array kPredefinedClasses = {
    PredefinedClass{0x0080, L"Button"},    PredefinedClass{0x0081, L"Edit"},
    PredefinedClass{0x0082, L"Static"},    PredefinedClass{0x0083, L"ListBox"},
    PredefinedClass{0x0084, L"ScrollBar"}, PredefinedClass{0x0085, L"ComboBox"},
};

const wchar_t* PredefinedClassName(WORD atom) {
    for (const PredefinedClass& known : kPredefinedClasses) {
        if (known.atom == atom) return known.name;
    }
    return nullptr;
}

}  // namespace

std::optional<DialogTemplate> DialogTemplateReader::Read(std::span<const BYTE> bytes) {
    TemplateCursor cursor(bytes);
    TemplateCursor probe(bytes);
    const bool extended = probe.Word() == kExtendedVersion && probe.Word() == kExtendedSignature;
    DialogTemplate layout;
    WORD count = 0;
    const bool headRead =
        extended ? ReadExtendedHead(cursor, layout, count) : ReadClassicHead(cursor, layout, count);
    if (!headRead || !ReadNamesAndFont(cursor, layout, extended)) return std::nullopt;
    for (WORD index = 0; index < count; ++index) {
        cursor.AlignToDword();
        auto item = extended ? ReadExtendedItem(cursor) : ReadClassicItem(cursor);
        if (!item) return std::nullopt;
        layout.items.push_back(std::move(*item));
    }
    return layout;
}

std::optional<DialogTemplate> DialogTemplateReader::ReadTrusted(const DLGTEMPLATE* head) {
    if (head == nullptr) return std::nullopt;
    return Read({reinterpret_cast<const BYTE*>(head), kTrustedTemplateLimit});
}

bool DialogTemplateReader::ReadExtendedHead(TemplateCursor& cursor, DialogTemplate& layout,
                                            WORD& count) {
    cursor.Skip(2 * sizeof(WORD) + sizeof(DWORD));  // version, signature, help id
    layout.exStyle = cursor.Dword();
    layout.style = cursor.Dword();
    return ReadCountAndBox(cursor, layout, count);
}

bool DialogTemplateReader::ReadClassicHead(TemplateCursor& cursor, DialogTemplate& layout,
                                           WORD& count) {
    layout.style = cursor.Dword();
    layout.exStyle = cursor.Dword();
    return ReadCountAndBox(cursor, layout, count);
}

// Both heads end alike: the number of controls, then the dialog's place and size.
bool DialogTemplateReader::ReadCountAndBox(TemplateCursor& cursor, DialogTemplate& layout,
                                           WORD& count) {
    count = cursor.Word();
    layout.x = cursor.Short();
    layout.y = cursor.Short();
    layout.cx = cursor.Short();
    layout.cy = cursor.Short();
    return !cursor.Failed();
}

// The menu (this platform has none to load), the window class, the caption, then the font
// when the style says the template names one.
bool DialogTemplateReader::ReadNamesAndFont(TemplateCursor& cursor, DialogTemplate& layout,
                                            bool extended) {
    cursor.NameOrNumber();
    const NameOrOrdinal windowClass = cursor.NameOrNumber();
    if (windowClass.isOrdinal) {
        // Only the dialog class itself is known by number here.
        if (windowClass.ordinal != LOWORD(reinterpret_cast<ULONG_PTR>(WC_DIALOG))) return false;
    } else {
        layout.className = windowClass.name;
    }
    layout.caption = cursor.String();
    if (layout.style & DS_SETFONT) {
        layout.pointSize = cursor.Word();
        if (extended) {
            layout.fontWeight = cursor.Word();
            layout.italic = cursor.Byte() != 0;
            cursor.Byte();  // character set: the face decides
        }
        layout.fontName = cursor.String();
    }
    return !cursor.Failed();
}

std::optional<DialogItemTemplate> DialogTemplateReader::ReadExtendedItem(TemplateCursor& cursor) {
    DialogItemTemplate item;
    cursor.Dword();  // help id
    item.exStyle = cursor.Dword();
    item.style = cursor.Dword();
    item.x = cursor.Short();
    item.y = cursor.Short();
    item.cx = cursor.Short();
    item.cy = cursor.Short();
    item.id = cursor.Dword();
    if (!ReadClassAndText(cursor, item)) return std::nullopt;
    cursor.Skip(cursor.Word());  // creation data, handed to no control here
    if (cursor.Failed()) return std::nullopt;
    return item;
}

std::optional<DialogItemTemplate> DialogTemplateReader::ReadClassicItem(TemplateCursor& cursor) {
    DialogItemTemplate item;
    item.style = cursor.Dword();
    item.exStyle = cursor.Dword();
    item.x = cursor.Short();
    item.y = cursor.Short();
    item.cx = cursor.Short();
    item.cy = cursor.Short();
    item.id = cursor.Word();
    if (!ReadClassAndText(cursor, item)) return std::nullopt;
    // The classic form counts its own size word in the creation data's length.
    const WORD creationBytes = cursor.Word();
    if (creationBytes > sizeof(WORD)) cursor.Skip(creationBytes - sizeof(WORD));
    if (cursor.Failed()) return std::nullopt;
    return item;
}

// A control's text given by number names a picture for it; this platform's controls take
// only text, so such a control starts without any.
bool DialogTemplateReader::ReadClassAndText(TemplateCursor& cursor, DialogItemTemplate& item) {
    const NameOrOrdinal controlClass = cursor.NameOrNumber();
    if (controlClass.isOrdinal) {
        const wchar_t* name = PredefinedClassName(controlClass.ordinal);
        if (name == nullptr) return false;
        item.className = name;
    } else {
        item.className = controlClass.name;
    }
    item.text = cursor.NameOrNumber().name;
    return !cursor.Failed() && !item.className.empty();
}

}  // namespace keldra::platform::user
