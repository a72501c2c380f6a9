#include "skin/BitmapRegion.h"

#include <new>

namespace keldra::skin {

std::unique_ptr<BYTE[]> ReadBitmapPixels(HBITMAP bitmap, WORD& width, WORD& height) {
    BITMAP description{};
    if (GetObject(bitmap, sizeof description, &description) == 0) {
        width = 0;
        height = 0;
        return nullptr;
    }
    width = static_cast<WORD>(description.bmWidth - description.bmWidth % 4);
    height = static_cast<WORD>(description.bmHeight);
    const std::size_t size = std::size_t{width} * height * 3;
    std::unique_ptr<BYTE[]> pixels(new (std::nothrow) BYTE[size]);
    if (!pixels) return nullptr;

    HDC screen = GetWindowDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -static_cast<LONG>(height);  // rows from the top down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biSizeImage = static_cast<DWORD>(size);
    const int rows = GetDIBits(screen, bitmap, 0, height, pixels.get(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows == 0) return nullptr;
    return pixels;
}

HRGN CreateRegionFromBitmap(HBITMAP bitmap, BYTE red, BYTE green, BYTE blue) {
    WORD width = 0;
    WORD height = 0;
    const std::unique_ptr<BYTE[]> pixels = ReadBitmapPixels(bitmap, width, height);
    if (!pixels) return nullptr;
    HRGN region = CreateRectRgn(0, 0, width, height);
    if (region == nullptr) return nullptr;

    const BYTE* pixel = pixels.get();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x, pixel += 3) {
            if (pixel[2] != red || pixel[1] != green || pixel[0] != blue) continue;
            // The pixel lies inside, so exclusive-or takes it out.
            HRGN dot = CreateRectRgn(x, y, x + 1, y + 1);
            CombineRgn(region, region, dot, RGN_XOR);
            DeleteObject(dot);
        }
    }
    return region;
}

}  // namespace keldra::skin
