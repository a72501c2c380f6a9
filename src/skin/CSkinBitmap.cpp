#include "skin/CSkinBitmap.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

}  // namespace

void CSkinBitmap::EnsureSize() {
    if (m_nWidth != 0 && m_nHeight != 0) return;
    BITMAP info{};
    GetBitmap(&info);
    m_nWidth = info.bmWidth;
    m_nHeight = info.bmHeight;
}

void CSkinBitmap::Draw(CDC* dc, CPoint point) {
    CDC memory;
    memory.CreateCompatibleDC(dc);
    CBitmap* previous = memory.SelectObject(this);
    EnsureSize();
    dc->BitBlt(point.x, point.y, m_nWidth, m_nHeight, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(previous);
    memory.DeleteDC();
}

// Copying colour to monochrome turns every pixel equal to the source's background colour
// white and every other pixel black.
void CSkinBitmap::CreateMask(CDC* dc, COLORREF key) {
    m_bmpMask.DeleteObject();
    CDC maskDc;
    CDC imageDc;
    maskDc.CreateCompatibleDC(dc);
    imageDc.CreateCompatibleDC(dc);
    EnsureSize();
    m_bmpMask.CreateBitmap(m_nWidth, m_nHeight, 1, 1, nullptr);
    CBitmap* previousMask = maskDc.SelectObject(&m_bmpMask);
    CBitmap* previousImage = imageDc.SelectObject(this);
    imageDc.SetBkColor(key);
    maskDc.BitBlt(0, 0, m_nWidth, m_nHeight, &imageDc, 0, 0, SRCCOPY);
    maskDc.SelectObject(previousMask);
    imageDc.SelectObject(previousImage);
    maskDc.DeleteDC();
    imageDc.DeleteDC();
}

// XOR the image in, AND with the mask, XOR the image again: under the mask's white (key)
// pixels the background comes back unchanged, under its black ones only the image remains.
// The work happens off screen so the target never shows the half-done picture.
void CSkinBitmap::DrawTransparent(CDC* dc, CPoint point, COLORREF key) {
    if (m_bmpMask.m_hObject == nullptr) CreateMask(dc, key);
    EnsureSize();
    const int w = m_nWidth;
    const int h = m_nHeight;

    CDC work;
    work.CreateCompatibleDC(dc);
    CBitmap workBitmap;
    workBitmap.CreateBitmap(w, h, static_cast<UINT>(dc->GetDeviceCaps(PLANES)),
                            static_cast<UINT>(dc->GetDeviceCaps(BITSPIXEL)), nullptr);
    CBitmap* previousWork = work.SelectObject(&workBitmap);
    work.BitBlt(0, 0, w, h, dc, point.x, point.y, SRCCOPY);

    CDC imageDc;
    CDC maskDc;
    imageDc.CreateCompatibleDC(dc);
    maskDc.CreateCompatibleDC(dc);
    CBitmap* previousImage = imageDc.SelectObject(this);
    CBitmap* previousMask = maskDc.SelectObject(&m_bmpMask);

    // A monochrome source turns white into the target's background colour and black into
    // its text colour (black): the mask's white then keeps every bit.
    work.SetBkColor(kWhite);
    work.BitBlt(0, 0, w, h, &imageDc, 0, 0, SRCINVERT);
    work.BitBlt(0, 0, w, h, &maskDc, 0, 0, SRCAND);
    work.BitBlt(0, 0, w, h, &imageDc, 0, 0, SRCINVERT);
    dc->BitBlt(point.x, point.y, w, h, &work, 0, 0, SRCCOPY);

    imageDc.SelectObject(previousImage);
    maskDc.SelectObject(previousMask);
    work.SelectObject(previousWork);
    workBitmap.DeleteObject();
    imageDc.DeleteDC();
    maskDc.DeleteDC();
    work.DeleteDC();
}
