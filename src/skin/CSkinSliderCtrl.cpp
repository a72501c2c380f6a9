#include "skin/CSkinSliderCtrl.h"

#include "skin/SliderThumb.h"

BEGIN_MESSAGE_MAP(CSkinSliderCtrl, CSliderCtrl)
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_KEYDOWN()
ON_WM_KEYUP()
END_MESSAGE_MAP()

namespace {

constexpr COLORREF kThumbKey = RGB(0, 255, 0);

CSkinBitmap* LoadHolder(UINT id) {
    auto* holder = new CSkinBitmap;
    holder->LoadBitmap(static_cast<WORD>(id));
    return holder;
}

}  // namespace

CSkinSliderCtrl::~CSkinSliderCtrl() {
    delete m_pChannel;
    m_pChannel = nullptr;
    delete m_pThumb;
    m_pThumb = nullptr;
}

void CSkinSliderCtrl::LoadSkinBitmaps(UINT channelId, UINT thumbId) {
    delete m_pChannel;
    m_pChannel = LoadHolder(channelId);
    delete m_pThumb;
    m_pThumb = LoadHolder(thumbId);
}

void CSkinSliderCtrl::InitRange(int minimum, int maximum, BOOL redraw) {
    SetRange(minimum, maximum, redraw);
    SendMessage(TBM_SETPOS, TRUE, minimum);
}

// The trackbar's own painting never runs: the channel, then the thumb where the position
// puts it, whatever the trackbar thinks of its own thumb's place.
void CSkinSliderCtrl::OnPaint() {
    CPaintDC dc(this);
    const int minimum = GetRangeMin();
    const int maximum = GetRangeMax();
    CRect client;
    GetClientRect(&client);
    const int position = GetPos();
    const int thumbLeft = keldra::skin::SliderThumbLeft(client.right, position, minimum, maximum);
    if (m_pChannel != nullptr) m_pChannel->Draw(&dc, CPoint(0, 0));
    if (m_pThumb != nullptr) m_pThumb->DrawTransparent(&dc, CPoint(thumbLeft, 0), kThumbKey);
}

// While the button is down every move may have moved the value, so the whole face repaints.
void CSkinSliderCtrl::OnLButtonDown(UINT flags, CPoint point) {
    m_bMouseDown = TRUE;
    Invalidate(TRUE);
    const POINT target =
        keldra::skin::TrackbarPressPoint(DrawnThumbRect(), TrackbarThumbRect(), point);
    m_ptPressShift = CPoint(target.x - point.x, target.y - point.y);
    ForwardToTrackbar(WM_LBUTTONDOWN, flags, point);
}

void CSkinSliderCtrl::OnMouseMove(UINT flags, CPoint point) {
    if (m_bMouseDown) Invalidate(TRUE);
    ForwardToTrackbar(WM_MOUSEMOVE, flags, point);
}

void CSkinSliderCtrl::OnLButtonUp(UINT flags, CPoint point) {
    m_bMouseDown = FALSE;
    Invalidate(TRUE);
    ForwardToTrackbar(WM_LBUTTONUP, flags, point);
    m_ptPressShift = CPoint();
}

void CSkinSliderCtrl::ForwardToTrackbar(UINT message, UINT flags, CPoint point) {
    const CPoint moved(point.x + m_ptPressShift.x, point.y + m_ptPressShift.y);
    DefWindowProc(message, flags, MAKELPARAM(moved.x, moved.y));
}

CRect CSkinSliderCtrl::DrawnThumbRect() const {
    CRect client;
    GetClientRect(&client);
    BITMAP thumb{};
    if (m_pThumb == nullptr || m_pThumb->GetBitmap(&thumb) == 0) return CRect();
    const int left =
        keldra::skin::SliderThumbLeft(client.right, GetPos(), GetRangeMin(), GetRangeMax());
    return CRect(left, 0, left + thumb.bmWidth, client.bottom);
}

CRect CSkinSliderCtrl::TrackbarThumbRect() const {
    CRect thumb;
    SendMessage(TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    return thumb;
}

// Keys never move the slider: the trackbar's own key handling is not called.
void CSkinSliderCtrl::OnKeyDown(UINT, UINT, UINT) {}
void CSkinSliderCtrl::OnKeyUp(UINT, UINT, UINT) {}
