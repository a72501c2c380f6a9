// The settings pages' slider: a trackbar that keeps its own value, range and mouse
// behaviour, but whose face is painted from two bitmaps (an opaque channel and a thumb with
// transparent green pixels), and which ignores the keyboard. The thumb is grabbed anywhere
// it is drawn: the trackbar sees each press where its own thumb answers as the drawn one
// should, and the pointer moved by the same amount until the button is released.
#pragma once

#include <afxcmn.h>
#include <afxwin.h>

#include "skin/CSkinBitmap.h"

class CSkinSliderCtrl : public CSliderCtrl {
  public:
    CSkinSliderCtrl() = default;
    ~CSkinSliderCtrl() override;

    // Loads the channel's and the thumb's bitmap from the program's resources.
    void LoadSkinBitmaps(UINT channelId, UINT thumbId);
    // Sets the range, then puts the thumb at the minimum.
    void InitRange(int minimum, int maximum, BOOL redraw);

  protected:
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnKeyDown(UINT key, UINT repeat, UINT flags);
    afx_msg void OnKeyUp(UINT key, UINT repeat, UINT flags);

    DECLARE_MESSAGE_MAP()

  private:
    // Where the thumb image is drawn, over the slider's whole height.
    CRect DrawnThumbRect() const;
    CRect TrackbarThumbRect() const;
    // A mouse message handed to the trackbar with the pointer moved as the press was.
    void ForwardToTrackbar(UINT message, UINT flags, CPoint point);

    CSkinBitmap* m_pChannel = nullptr;  // owned
    CSkinBitmap* m_pThumb = nullptr;    // owned
    BOOL m_bMouseDown = FALSE;
    CPoint m_ptPressShift;  // trackbar's pointer minus the real one while the button is down
};
