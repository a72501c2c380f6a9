// A bitmap that draws itself: whole and opaque, or with one key colour left transparent
// through a monochrome mask that is built on the first transparent draw and kept.
#pragma once

#include <afxwin.h>

class CSkinBitmap : public CBitmap {
  public:
    CSkinBitmap() = default;

    // The whole image with its top-left corner at point.
    void Draw(CDC* dc, CPoint point);
    // The image at point, leaving every pixel of the key colour showing what was there.
    // The mask is made from the first key colour given and reused for every later draw.
    void DrawTransparent(CDC* dc, CPoint point, COLORREF key);
    // Makes the mask: white where the image has the key colour, black elsewhere.
    void CreateMask(CDC* dc, COLORREF key);

  private:
    void EnsureSize();

    int m_nWidth = 0;
    int m_nHeight = 0;
    CBitmap m_bmpMask;
};
