// The program's own resources as compiled from res/keldra.rc, compared with the files the
// script names; and the resources tests put in front of them.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <vector>

#include "platform/gdi/GdiHandles.h"
#include "platform/gdi/image/BmpDecoder.h"
#include "platform/gdi/image/IcoDecoder.h"
#include "platform/kernel/ScopedResource.h"
#include "platform/user/windows/UserState.h"
#include "resource.h"

namespace keldra::platform {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes SourceFile(const std::string& relative) {
    const std::filesystem::path path = std::filesystem::path(KELDRA_SOURCE_DIR) / relative;
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

std::span<const std::uint8_t> ResourceBytes(LPCWSTR name, LPCWSTR type) {
    const HRSRC resource = FindResourceW(nullptr, name, type);
    const auto* bytes =
        static_cast<const std::uint8_t*>(LockResource(LoadResource(nullptr, resource)));
    if (bytes == nullptr) return {};
    return {bytes, SizeofResource(nullptr, resource)};
}
std::span<const std::uint8_t> ResourceBytes(unsigned id, LPCWSTR type) {
    return ResourceBytes(MAKEINTRESOURCEW(id), type);
}

std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint32_t{b[at]} | std::uint32_t{b[at + 1]} << 8 | std::uint32_t{b[at + 2]} << 16 |
           std::uint32_t{b[at + 3]} << 24;
}
std::uint16_t U16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

TEST(ProgramResources, TheDefaultSettingsAreTheBytesOfConfigIni) {
    const auto resource = ResourceBytes(IDR_DEFAULT_CONFIG, L"ini");
    EXPECT_EQ(Bytes(resource.begin(), resource.end()), SourceFile("res/CONFIG.INI"));
    EXPECT_EQ(resource.size(), 3202u);
    EXPECT_EQ(ResourceBytes(IDR_DEFAULT_CONFIG, L"INI").data(), resource.data());
    EXPECT_EQ(ResourceBytes(L"#137", L"Ini").data(), resource.data());
}

TEST(ProgramResources, HasTheFourDialogLayoutsAsExtendedTemplates) {
    struct Layout {
        unsigned id;
        std::uint16_t controls;
        std::uint16_t width;
        std::uint16_t height;
    };
    for (const Layout layout :
         {Layout{IDD_CONFIG_DIALOG, 8, 300, 361}, Layout{IDD_GRAPHIC_DIALOG, 21, 280, 320},
          Layout{IDD_INTERFACE_DIALOG, 23, 280, 320}, Layout{IDD_SOUND_DIALOG, 13, 280, 320}}) {
        SCOPED_TRACE(layout.id);
        const auto dialog = ResourceBytes(layout.id, RT_DIALOG);
        ASSERT_GE(dialog.size(), 26u);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(dialog.data()) % 4, 0u) << "DWORD-aligned";
        EXPECT_EQ(U16(dialog, 0), 1) << "dlgVer";
        EXPECT_EQ(U16(dialog, 2), 0xFFFF) << "DLGTEMPLATEEX signature";
        EXPECT_EQ(U16(dialog, 16), layout.controls);
        EXPECT_EQ(U16(dialog, 22), layout.width);
        EXPECT_EQ(U16(dialog, 24), layout.height);
    }
}

struct SkinBitmap {
    unsigned id;
    const char* file;
};

const SkinBitmap kSkin[] = {
    {IDB_MAIN_BACK, "152-main-background.bmp"},
    {IDB_GRAPHIC_BACK, "153-graphic-page.bmp"},
    {IDB_INTERFACE_BACK, "154-interface-page.bmp"},
    {IDB_SOUND_BACK, "155-sound-page.bmp"},
    {IDB_BUTTON_NORMAL, "156-button-normal.bmp"},
    {IDB_BUTTON_HOVER, "157-button-hover.bmp"},
    {IDB_BUTTON_PRESSED, "158-button-pressed.bmp"},
    {IDB_SLIDER_CHANNEL, "159-slider-channel.bmp"},
    {IDB_SLIDER_THUMB, "160-slider-thumb.bmp"},
    {IDB_TAB_NORMAL, "161-tab-normal.bmp"},
    {IDB_TAB_HOVER, "162-tab-hover.bmp"},
    {IDB_TAB_PRESSED, "163-tab-pressed.bmp"},
    {IDB_MINIMIZE_NORMAL, "164-minimise-normal.bmp"},
    {IDB_MINIMIZE_HOVER, "165-minimise-hover.bmp"},
    {IDB_MINIMIZE_PRESSED, "166-minimise-pressed.bmp"},
    {IDB_CLOSE_NORMAL, "167-close-normal.bmp"},
    {IDB_CLOSE_HOVER, "168-close-hover.bmp"},
    {IDB_CLOSE_PRESSED, "169-close-pressed.bmp"},
};

// How many pixels of the surface differ from the .bmp file's, read here on their own: the
// skin files are 24-bit, bottom-up, uncompressed.
std::size_t PixelsDifferingFromFile(const gdi::Surface& surface, const Bytes& file) {
    const std::uint32_t bitsOffset = U32(file, 10);
    const auto width = static_cast<int>(U32(file, 18));
    const auto height = static_cast<int>(U32(file, 22));
    EXPECT_EQ(U16(file, 28), 24);
    EXPECT_EQ(surface.Width(), width);
    EXPECT_EQ(surface.Height(), height);
    if (surface.Width() != width || surface.Height() != height) return SIZE_MAX;
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    std::size_t differing = 0;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = file.data() + bitsOffset + stride * (height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* bgr = row + 3 * x;
            if (surface.At(x, y) != gdi::PixelFromRgb(bgr[2], bgr[1], bgr[0])) ++differing;
        }
    }
    return differing;
}

TEST(ProgramResources, EachSkinBitmapHasThePixelsOfItsFile) {
    for (const SkinBitmap& bitmap : kSkin) {
        SCOPED_TRACE(bitmap.file);
        const Bytes file = SourceFile(std::string("res/skin/") + bitmap.file);
        ASSERT_GT(file.size(), 54u);
        const auto dib = ResourceBytes(bitmap.id, RT_BITMAP);
        // A compiled bitmap is the file without its 14-byte file header.
        EXPECT_EQ(dib.size(), file.size() - 14);
        const auto decoded = gdi::BmpDecoder::Decode(dib);
        ASSERT_NE(decoded, nullptr);
        EXPECT_EQ(PixelsDifferingFromFile(*decoded, file), 0u);
        const HBITMAP loaded = LoadBitmapW(nullptr, MAKEINTRESOURCEW(bitmap.id));
        ASSERT_NE(loaded, nullptr);
        EXPECT_EQ(PixelsDifferingFromFile(*gdi::SurfaceOf(loaded), file), 0u);
        DeleteObject(loaded);
    }
}

// The program icon's group names one RT_ICON per picture of the .ico file, holding that
// picture's bytes, and LoadIcon shows those pictures in the file's order.
TEST(ProgramResources, TheIconGroupNamesThePicturesOfTheIconFile) {
    const Bytes ico = SourceFile("res/skin/128-app.ico");
    ASSERT_GE(ico.size(), 6u);
    const std::size_t count = U16(ico, 4);
    const auto group = ResourceBytes(IDR_MAINFRAME, RT_GROUP_ICON);
    ASSERT_EQ(group.size(), 6 + 14 * count);
    EXPECT_EQ(U16(group, 4), count);
    const HICON icon = LoadIcon(nullptr, MAKEINTRESOURCE(IDR_MAINFRAME));
    ASSERT_NE(icon, nullptr);
    const auto pictures = user::UserState::Require().Icons().Find(icon);
    ASSERT_NE(pictures, nullptr);
    ASSERT_EQ(pictures->size(), count);
    for (std::size_t i = 0; i < count; ++i) {
        SCOPED_TRACE(i);
        const std::size_t fileEntry = 6 + 16 * i;
        const std::size_t groupEntry = 6 + 14 * i;
        // Width, height, colours, reserved, planes, bits and size are the file's.
        EXPECT_TRUE(std::equal(group.begin() + groupEntry, group.begin() + groupEntry + 12,
                               ico.begin() + fileEntry));
        const auto image = ResourceBytes(U16(group, groupEntry + 12), RT_ICON);
        const std::size_t size = U32(ico, fileEntry + 8);
        const std::size_t offset = U32(ico, fileEntry + 12);
        ASSERT_LE(offset + size, ico.size());
        EXPECT_TRUE(std::ranges::equal(image, std::span(ico).subspan(offset, size)));
        const auto expected = gdi::IcoDecoder::Decode(std::span(ico).subspan(offset, size));
        ASSERT_TRUE(expected);
        EXPECT_EQ((*pictures)[i].width, ico[fileEntry] == 0 ? 256 : ico[fileEntry]);
        EXPECT_EQ((*pictures)[i].argb, expected->argb);
    }
}

TEST(ScopedResource, IsFoundInFrontOfTheCompiledResourceWhileItLives) {
    const auto compiled = ResourceBytes(IDR_DEFAULT_CONFIG, L"ini");
    {
        const ScopedResource outer(L"INI", IDR_DEFAULT_CONFIG, Bytes{'a'});
        EXPECT_EQ(Bytes(ResourceBytes(IDR_DEFAULT_CONFIG, L"ini").begin(),
                        ResourceBytes(IDR_DEFAULT_CONFIG, L"ini").end()),
                  Bytes{'a'});
        {
            const ScopedResource inner(L"ini", IDR_DEFAULT_CONFIG, Bytes{'b', 'c'});
            const auto newest = ResourceBytes(IDR_DEFAULT_CONFIG, L"Ini");
            EXPECT_EQ(Bytes(newest.begin(), newest.end()), (Bytes{'b', 'c'}));
        }
        const auto again = ResourceBytes(IDR_DEFAULT_CONFIG, L"ini");
        EXPECT_EQ(Bytes(again.begin(), again.end()), Bytes{'a'});
    }
    EXPECT_EQ(ResourceBytes(IDR_DEFAULT_CONFIG, L"ini").data(), compiled.data());
}

TEST(ScopedResource, AddsResourcesByNumberOrNameAndOwnsTheirBytes) {
    Bytes bytes{1, 2, 3};
    const ScopedResource numbered(RT_DIALOG, 4000, bytes);
    const ScopedResource named(L"data", L"Table", Bytes{});
    bytes.assign(3, 9);  // the resource keeps its own copy
    const auto found = ResourceBytes(4000, RT_DIALOG);
    EXPECT_EQ(Bytes(found.begin(), found.end()), (Bytes{1, 2, 3}));
    EXPECT_EQ(ResourceBytes(4000, RT_BITMAP).data(), nullptr) << "another type";
    const HRSRC table = FindResourceW(nullptr, L"TABLE", L"DATA");
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(SizeofResource(nullptr, table), 0u);
    EXPECT_NE(LockResource(LoadResource(nullptr, table)), nullptr) << "empty, yet loaded";
}

TEST(ScopedResource, ABitmapOfItsOwnIsLoadedByLoadBitmap) {
    Bytes dib(40 + 4, 0);
    dib[0] = 40;
    dib[4] = 1;   // width
    dib[8] = 1;   // height
    dib[12] = 1;  // planes
    dib[14] = 24;
    dib[40] = 0x30;  // blue
    dib[41] = 0x20;  // green
    dib[42] = 0x10;  // red
    const ScopedResource bitmap(RT_BITMAP, 4001, dib);
    const HBITMAP loaded = LoadBitmapW(nullptr, MAKEINTRESOURCEW(4001));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(gdi::SurfaceOf(loaded)->At(0, 0), gdi::PixelFromRgb(0x10, 0x20, 0x30));
    DeleteObject(loaded);
}

}  // namespace
}  // namespace keldra::platform
