#include "support/DialogTemplateBytes.h"

#include <array>
#include <utility>

namespace keldra::testing {

using platform::user::DialogItemTemplate;
using platform::user::DialogTemplate;

namespace {

constexpr std::array<std::pair<const wchar_t*, WORD>, 6> kClassAtoms = {{
    {L"Button", 0x0080},
    {L"Edit", 0x0081},
    {L"Static", 0x0082},
    {L"ListBox", 0x0083},
    {L"ScrollBar", 0x0084},
    {L"ComboBox", 0x0085},
}};

}  // namespace

DialogTemplateBytes::DialogTemplateBytes(const DialogTemplate& layout, Form form,
                                         WORD creationBytes)
    : form_(form), creationBytes_(creationBytes) {
    Head(layout);
    Word(0);  // no menu
    if (layout.className.empty()) {
        Word(0);
    } else {
        String(layout.className);
    }
    String(layout.caption);
    if (layout.style & DS_SETFONT) Font(layout);
    for (const DialogItemTemplate& item : layout.items) Item(item);
}

void DialogTemplateBytes::Head(const DialogTemplate& layout) {
    const bool extended = form_ == Form::kExtended;
    if (extended) {
        Word(1);
        Word(0xFFFF);
        Dword(0);  // help id
        Dword(layout.exStyle);
        Dword(layout.style);
    } else {
        Dword(layout.style);
        Dword(layout.exStyle);
    }
    Word(static_cast<WORD>(layout.items.size()));
    for (short value : {layout.x, layout.y, layout.cx, layout.cy}) Word(static_cast<WORD>(value));
}

void DialogTemplateBytes::Font(const DialogTemplate& layout) {
    Word(layout.pointSize);
    if (form_ == Form::kExtended) {
        Word(layout.fontWeight);
        bytes_.push_back(layout.italic ? 1 : 0);
        bytes_.push_back(1);  // DEFAULT_CHARSET
    }
    String(layout.fontName);
}

void DialogTemplateBytes::Item(const DialogItemTemplate& item) {
    AlignToDword();
    if (form_ == Form::kExtended) {
        Dword(0);  // help id
        Dword(item.exStyle);
        Dword(item.style);
    } else {
        Dword(item.style);
        Dword(item.exStyle);
    }
    for (short value : {item.x, item.y, item.cx, item.cy}) Word(static_cast<WORD>(value));
    if (form_ == Form::kExtended) {
        Dword(item.id);
    } else {
        Word(static_cast<WORD>(item.id));
    }
    ClassName(item.className);
    String(item.text);
    CreationData();
}

// The extended form counts the data's bytes; the classic one counts its own size word too.
void DialogTemplateBytes::CreationData() {
    if (creationBytes_ == 0) {
        Word(0);
        return;
    }
    Word(form_ == Form::kExtended ? creationBytes_ : static_cast<WORD>(creationBytes_ + 2));
    for (WORD i = 0; i < creationBytes_; ++i) bytes_.push_back(static_cast<BYTE>(0xA5));
}

void DialogTemplateBytes::Word(WORD value) {
    bytes_.push_back(static_cast<BYTE>(value & 0xFF));
    bytes_.push_back(static_cast<BYTE>(value >> 8));
}

void DialogTemplateBytes::Dword(DWORD value) {
    Word(static_cast<WORD>(value & 0xFFFF));
    Word(static_cast<WORD>(value >> 16));
}

void DialogTemplateBytes::String(const std::wstring& text) {
    for (wchar_t character : text) {
        const auto code = static_cast<unsigned long>(character);
        if (code > 0xFFFF) {
            Word(static_cast<WORD>(0xD800 + ((code - 0x10000) >> 10)));
            Word(static_cast<WORD>(0xDC00 + ((code - 0x10000) & 0x3FF)));
        } else {
            Word(static_cast<WORD>(code));
        }
    }
    Word(0);
}

void DialogTemplateBytes::ClassName(const std::wstring& name) {
    for (const auto& [className, atom] : kClassAtoms) {
        if (name == className) {
            Word(0xFFFF);
            Word(atom);
            return;
        }
    }
    String(name);
}

void DialogTemplateBytes::AlignToDword() {
    while (bytes_.size() % 4 != 0) bytes_.push_back(0);
}

}  // namespace keldra::testing
