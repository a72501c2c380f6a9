// Turning a background bitmap into a window outline: every pixel of one key colour is
// left out of the window's region.
#pragma once

#include <windows.h>

#include <memory>

namespace keldra::skin {

// The bitmap's pixels as one top-down block of width x height x 3 bytes (blue, green,
// red). The width is cut down to a multiple of four, so that no row has filler bytes;
// width and height are set even when the result is empty.
std::unique_ptr<BYTE[]> ReadBitmapPixels(HBITMAP bitmap, WORD& width, WORD& height);

// A region of the bitmap's size less every pixel exactly equal to RGB(red, green, blue),
// in window coordinates; NULL when the bitmap cannot be read. The caller owns the region.
HRGN CreateRegionFromBitmap(HBITMAP bitmap, BYTE red, BYTE green, BYTE blue);

}  // namespace keldra::skin
