// Binary dialog templates read back into layouts: both forms, every field, templates cut
// short anywhere, control classes by number, and the program's own compiled layouts.
#include <gtest/gtest.h>
#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

#include "platform/user/dialog/DialogTemplateReader.h"
#include "resource.h"
#include "support/DialogTemplateBytes.h"

namespace keldra::platform::user {
namespace {

using keldra::testing::DialogTemplateBytes;
using Form = DialogTemplateBytes::Form;

DialogTemplate PageWithFont() {
    DialogTemplate layout;
    layout.style = WS_CHILD | DS_CONTROL | DS_SETFONT;
    layout.exStyle = WS_EX_CONTROLPARENT;
    layout.x = -3;
    layout.y = 7;
    layout.cx = 280;
    layout.cy = 320;
    layout.fontName = L"Tahoma";
    layout.pointSize = 9;
    layout.fontWeight = 700;
    layout.italic = true;
    layout.items = {
        {1002, L"Button", L"Window mode", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 0, 160, 42, 57,
         18},
        {1005, L"ComboBox", L"", WS_CHILD | CBS_DROPDOWNLIST, 0, 40, 61, 74, 76},
        {1006, L"Static", L"Display", WS_CHILD | SS_RIGHT, WS_EX_TRANSPARENT, 20, 18, 137, 8},
        {1045, L"msctls_trackbar32", L"", WS_CHILD | WS_TABSTOP, 0, 27, 146, 108, 15},
        {70000, L"Edit", L"x", WS_CHILD, 0, 0, 0, 1, 1},
    };
    return layout;
}

// A popup with a caption of an odd length and no font: the fields after the caption move.
DialogTemplate PopupWithoutFont() {
    DialogTemplate layout;
    layout.style = WS_POPUP | WS_VISIBLE | DS_CENTER;
    layout.exStyle = WS_EX_APPWINDOW;
    layout.cx = 300;
    layout.cy = 361;
    layout.caption = L"Keldra \U0001F5E1 mit Umlaut \u00fc";
    layout.className = L"KeldraOwnDialog";
    layout.items = {
        {IDOK, L"Button", L"OK", WS_CHILD | BS_OWNERDRAW, 0, 185, 375, 54, 19},
        {IDCANCEL, L"ListBox", L"Ab", WS_CHILD, 0, 240, 375, 54, 19},
    };
    return layout;
}

void ExpectSameLayout(const DialogTemplate& read, const DialogTemplate& written, Form form) {
    EXPECT_EQ(read.style, written.style);
    EXPECT_EQ(read.exStyle, written.exStyle);
    EXPECT_EQ(read.x, written.x);
    EXPECT_EQ(read.y, written.y);
    EXPECT_EQ(read.cx, written.cx);
    EXPECT_EQ(read.cy, written.cy);
    EXPECT_EQ(read.caption, written.caption);
    EXPECT_EQ(read.className, written.className);
    EXPECT_EQ(read.fontName, written.fontName);
    EXPECT_EQ(read.pointSize, written.pointSize);
    if (form == Form::kExtended) {
        EXPECT_EQ(read.fontWeight, written.fontWeight);
        EXPECT_EQ(read.italic, written.italic);
    }
    ASSERT_EQ(read.items.size(), written.items.size());
    for (std::size_t i = 0; i < read.items.size(); ++i) {
        SCOPED_TRACE("item " + std::to_string(i));
        const DialogItemTemplate& got = read.items[i];
        const DialogItemTemplate& want = written.items[i];
        // The classic form keeps only the low 16 bits of an id.
        EXPECT_EQ(got.id, form == Form::kExtended ? want.id : (want.id & 0xFFFF));
        EXPECT_EQ(got.className, want.className);
        EXPECT_EQ(got.text, want.text);
        EXPECT_EQ(got.style, want.style);
        EXPECT_EQ(got.exStyle, want.exStyle);
        EXPECT_EQ(got.x, want.x);
        EXPECT_EQ(got.y, want.y);
        EXPECT_EQ(got.cx, want.cx);
        EXPECT_EQ(got.cy, want.cy);
    }
}

struct TemplateCase {
    const char* name;
    DialogTemplate (*layout)();
    Form form;
};

void PrintTo(const TemplateCase& templateCase, std::ostream* out) {
    *out << templateCase.name;
}

class DialogTemplateRoundTrip : public ::testing::TestWithParam<TemplateCase> {};

TEST_P(DialogTemplateRoundTrip, EveryFieldComesBackAsWritten) {
    const DialogTemplate written = GetParam().layout();
    const DialogTemplateBytes bytes(written, GetParam().form);
    const auto read = DialogTemplateReader::Read(bytes.Bytes());
    ASSERT_TRUE(read.has_value());
    ExpectSameLayout(*read, written, GetParam().form);
}

// However a template is cut short, it is refused rather than read past its end.
TEST_P(DialogTemplateRoundTrip, EveryShorterPrefixIsRefused) {
    const DialogTemplateBytes bytes(GetParam().layout(), GetParam().form);
    const std::vector<BYTE> whole(bytes.Bytes().begin(), bytes.Bytes().end());
    for (std::size_t length = 0; length < whole.size(); ++length) {
        const std::vector<BYTE> prefix(whole.begin(), whole.begin() + length);
        EXPECT_FALSE(DialogTemplateReader::Read(prefix).has_value()) << length << " bytes";
    }
}

// Creation data after a control, of odd and even lengths, is stepped over to the next one.
TEST_P(DialogTemplateRoundTrip, CreationDataIsSteppedOver) {
    const DialogTemplate written = GetParam().layout();
    const WORD creationSizes[] = {1, 2, 7};
    for (WORD creationBytes : creationSizes) {
        const DialogTemplateBytes bytes(written, GetParam().form, creationBytes);
        const auto read = DialogTemplateReader::Read(bytes.Bytes());
        ASSERT_TRUE(read.has_value()) << creationBytes;
        ExpectSameLayout(*read, written, GetParam().form);
    }
}

TEST_P(DialogTemplateRoundTrip, TheIndirectFunctionsReadTheSameTemplate) {
    const DialogTemplate written = GetParam().layout();
    const DialogTemplateBytes bytes(written, GetParam().form);
    const auto read = DialogTemplateReader::ReadTrusted(bytes.Get());
    ASSERT_TRUE(read.has_value());
    ExpectSameLayout(*read, written, GetParam().form);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, DialogTemplateRoundTrip,
    ::testing::Values(TemplateCase{"ExtendedPage", &PageWithFont, Form::kExtended},
                      TemplateCase{"ClassicPage", &PageWithFont, Form::kClassic},
                      TemplateCase{"ExtendedPopup", &PopupWithoutFont, Form::kExtended},
                      TemplateCase{"ClassicPopup", &PopupWithoutFont, Form::kClassic}),
    [](const auto& named) { return std::string(named.param.name); });

// An extended template of one Button, with the number naming its class replaced. Without a
// class name, caption or font the 26-byte head, menu, class and caption end at 32; the
// item's 24 fixed bytes follow.
std::vector<BYTE> PopupBytesWithItemClass(WORD atom) {
    DialogTemplate layout = PopupWithoutFont();
    layout.caption.clear();
    layout.className.clear();
    layout.items.resize(1);
    const DialogTemplateBytes bytes(layout);
    std::vector<BYTE> raw(bytes.Bytes().begin(), bytes.Bytes().end());
    const std::size_t classField = 32 + 24;
    EXPECT_EQ(raw[classField], 0xFF);
    EXPECT_EQ(raw[classField + 2], 0x80) << "the writer names Button by number";
    raw[classField + 2] = static_cast<BYTE>(atom & 0xFF);
    raw[classField + 3] = static_cast<BYTE>(atom >> 8);
    return raw;
}

TEST(DialogTemplateReader, StandardControlClassesByNumberAreNamed) {
    const struct {
        WORD atom;
        const wchar_t* name;
    } classes[] = {{0x80, L"Button"},  {0x81, L"Edit"},      {0x82, L"Static"},
                   {0x83, L"ListBox"}, {0x84, L"ScrollBar"}, {0x85, L"ComboBox"}};
    for (const auto& known : classes) {
        const auto read = DialogTemplateReader::Read(PopupBytesWithItemClass(known.atom));
        ASSERT_TRUE(read.has_value()) << known.atom;
        EXPECT_EQ(read->items.at(0).className, known.name);
    }
}

TEST(DialogTemplateReader, AControlClassNumberNoClassHasIsRefused) {
    const WORD unknownAtoms[] = {0x0000, 0x007F, 0x0086, 0x8002, 0xC123};
    for (WORD atom : unknownAtoms) {
        EXPECT_FALSE(DialogTemplateReader::Read(PopupBytesWithItemClass(atom)).has_value()) << atom;
    }
}

TEST(DialogTemplateReader, NoTemplateIsNoLayout) {
    EXPECT_FALSE(DialogTemplateReader::ReadTrusted(nullptr).has_value());
    EXPECT_FALSE(DialogTemplateReader::Read({}).has_value());
}

// The program's own layouts, compiled from its resource script by a resource compiler.
struct CompiledLayout {
    WORD id;
    DWORD style;
    DWORD exStyle;
    short cx;
    short cy;
    std::size_t controls;
};

TEST(DialogTemplateReader, TheProgramsCompiledLayoutsReadWhole) {
    const CompiledLayout layouts[] = {
        {IDD_CONFIG_DIALOG, WS_POPUP | WS_VISIBLE | DS_CENTER | DS_SETFONT, WS_EX_APPWINDOW, 300,
         361, 8},
        {IDD_GRAPHIC_DIALOG, WS_CHILD | DS_CONTROL | DS_SETFONT, WS_EX_CONTROLPARENT, 280, 320, 21},
        {IDD_INTERFACE_DIALOG, WS_CHILD | DS_CONTROL | DS_SETFONT, WS_EX_CONTROLPARENT, 280, 320,
         23},
        {IDD_SOUND_DIALOG, WS_CHILD | DS_CONTROL | DS_SETFONT, WS_EX_CONTROLPARENT, 280, 320, 13},
    };
    for (const CompiledLayout& want : layouts) {
        SCOPED_TRACE(want.id);
        const HRSRC resource = FindResourceW(nullptr, MAKEINTRESOURCEW(want.id), RT_DIALOG);
        ASSERT_NE(resource, nullptr);
        const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, resource)));
        const auto read = DialogTemplateReader::Read({data, SizeofResource(nullptr, resource)});
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(read->style, want.style);
        EXPECT_EQ(read->exStyle, want.exStyle);
        EXPECT_EQ(read->cx, want.cx);
        EXPECT_EQ(read->cy, want.cy);
        EXPECT_EQ(read->items.size(), want.controls);
        EXPECT_EQ(read->fontName, L"MS Shell Dlg");
        EXPECT_EQ(read->pointSize, 8);
        EXPECT_EQ(read->fontWeight, FW_NORMAL);
        EXPECT_TRUE(read->caption.empty()) << "a caption would give the window a title bar";
        for (const DialogItemTemplate& item : read->items) {
            EXPECT_TRUE(item.style & WS_CHILD) << item.id;
        }
    }
}

}  // namespace
}  // namespace keldra::platform::user
