#include <gtest/gtest.h>

#include "GdiTestSupport.h"

namespace keldra::platform::gdi::testing {
namespace {

TEST(DeviceContext, SelectObjectReturnsWhatWasSelected) {
    Owned<HBITMAP> first(NewColourBitmap(2, 2, 0));
    Owned<HBITMAP> second(NewColourBitmap(2, 2, 0));
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ original = SelectObject(dc, first);
    ASSERT_NE(original, nullptr);
    BITMAP info{};
    GetObject(original, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 1);  // the 1x1 monochrome bitmap of a new memory context
    EXPECT_EQ(info.bmBitsPixel, 1);
    EXPECT_EQ(SelectObject(dc, second), first.get());
    EXPECT_EQ(SelectObject(dc, original), second.get());
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_FALSE(DeleteDC(dc));  // stale handle
}

TEST(DeviceContext, ABitmapGoesIntoOneContextAtATime) {
    Owned<HBITMAP> bitmap(NewColourBitmap(2, 2, 0));
    HDC a = CreateCompatibleDC(nullptr);
    HDC b = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(a, bitmap);
    EXPECT_EQ(SelectObject(b, bitmap), nullptr);
    EXPECT_FALSE(DeleteObject(bitmap)) << "selected bitmaps are not deleted";
    SelectObject(a, previous);
    EXPECT_NE(SelectObject(b, bitmap), nullptr);
    DeleteDC(b);  // deleting the context lets go of the bitmap
    DeleteDC(a);
    BITMAP info{};
    EXPECT_EQ(GetObject(bitmap, sizeof info, &info), static_cast<int>(sizeof info));
}

TEST(DeviceContext, ColoursAndModesReturnTheirPreviousValues) {
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SetBkColor(dc, RGB(1, 2, 3)), RGB(255, 255, 255));
    EXPECT_EQ(GetBkColor(dc), RGB(1, 2, 3));
    EXPECT_EQ(SetTextColor(dc, RGB(4, 5, 6)), RGB(0, 0, 0));
    EXPECT_EQ(GetTextColor(dc), RGB(4, 5, 6));
    EXPECT_EQ(SetBkMode(dc, TRANSPARENT), OPAQUE);
    EXPECT_EQ(SetBkMode(dc, 99), 0);
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    DeleteDC(dc);
    EXPECT_EQ(SetBkColor(dc, 0), CLR_INVALID);
    EXPECT_EQ(SetTextColor(nullptr, 0), CLR_INVALID);
}

TEST(DeviceContext, DisplayContextDrawsAtItsOriginInsideItsDeviceClip) {
    auto surface = Surface::Create(10, 10, PixelFormat::Colour);
    // A window at (4, 2) of the surface whose visible part is its 3 x 3 top-left corner.
    HDC dc = OpenDisplayDc(surface, {4, 2}, Region(Rect{0, 0, 3, 3}));
    Owned<HBRUSH> brush(CreateSolidBrush(RGB(255, 0, 0)));
    const RECT everything{-100, -100, 100, 100};
    ASSERT_EQ(FillRect(dc, &everything, brush), 1);
    RECT box;
    EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
    EXPECT_EQ(box.right, 3);
    // The program's own clip comes on top of the device clip.
    EXPECT_EQ(IntersectClipRect(dc, 1, 1, 50, 50), SIMPLEREGION);
    Owned<HBRUSH> blue(CreateSolidBrush(RGB(0, 0, 255)));
    FillRect(dc, &everything, blue);
    EXPECT_EQ(ReleaseDC(nullptr, dc), 1);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            Pixel expected = kBlack;
            if (x >= 4 && x < 7 && y >= 2 && y < 5) {
                expected = (x >= 5 && y >= 3) ? PixelFromRgb(0, 0, 255) : PixelFromRgb(255, 0, 0);
            }
            ASSERT_EQ(surface->At(x, y), expected) << x << "," << y;
        }
    }
}

TEST(DeviceContext, WindowContextsComeFromTheInstalledSource) {
    auto surface = Surface::Create(4, 4, PixelFormat::Colour);
    const HWND window = reinterpret_cast<HWND>(std::uintptr_t{0x1234});
    EXPECT_EQ(GetDC(window), nullptr);  // no window layer yet
    bool askedForWholeWindow = false;
    SetWindowDcSource([&](HWND asked, bool whole) -> HDC {
        askedForWholeWindow = whole;
        return asked == window ? OpenDisplayDc(surface, {}, std::nullopt) : nullptr;
    });
    HDC dc = GetWindowDC(window);
    EXPECT_NE(dc, nullptr);
    EXPECT_TRUE(askedForWholeWindow);
    EXPECT_EQ(ReleaseDC(window, dc), 1);
    SetWindowDcSource(nullptr);
}

TEST(GdiObjects, DeletingEverythingCreatedLeavesNoLiveObject) {
    const std::size_t before = LiveObjectCount();
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 3, 3);
    HBRUSH brush = CreatePatternBrush(bitmap);
    HRGN region = CreateRectRgn(0, 0, 1, 1);
    LOGFONTW request{};
    request.lfHeight = -11;
    HFONT font = CreateFontIndirect(&request);
    EXPECT_EQ(LiveObjectCount(), before + 6);
    EXPECT_EQ(LiveObjectCount(ObjectKind::DeviceContext), 2u);
    const HGDIOBJ oldFont = SelectObject(memory, font);
    EXPECT_FALSE(DeleteObject(font)) << "selected fonts are not deleted";
    SelectObject(memory, oldFont);
    for (HGDIOBJ object : {HGDIOBJ(bitmap), HGDIOBJ(brush), HGDIOBJ(region), HGDIOBJ(font)}) {
        EXPECT_TRUE(DeleteObject(object));
        EXPECT_FALSE(DeleteObject(object)) << "a deleted handle stays dead";
        EXPECT_EQ(GetObjectType(object), 0u);
    }
    EXPECT_FALSE(DeleteObject(memory)) << "contexts go with DeleteDC";
    EXPECT_TRUE(DeleteDC(memory));
    EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
    EXPECT_EQ(LiveObjectCount(), before);
}

TEST(GdiObjects, MadeUpHandlesAreRefused) {
    const auto bogus = reinterpret_cast<HGDIOBJ>(std::uintptr_t{0xDEADBEEF});
    EXPECT_FALSE(DeleteObject(bogus));
    EXPECT_EQ(GetObjectType(bogus), 0u);
    EXPECT_EQ(SelectObject(static_cast<HDC>(bogus), GetStockObject(WHITE_BRUSH)), nullptr);
    HRGN region = CreateRectRgn(0, 0, 1, 1);
    EXPECT_EQ(GetObjectType(region), static_cast<DWORD>(OBJ_REGION));
    BITMAP info{};
    EXPECT_EQ(GetObject(region, sizeof info, &info), 0) << "a region is not a bitmap";
    DeleteObject(region);
}

}  // namespace
}  // namespace keldra::platform::gdi::testing
