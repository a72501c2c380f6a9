// The settings pages' slider: a trackbar that keeps its own value, range and mouse
// behaviour, but whose face is painted from two bitmaps (an opaque channel and a thumb with
// transparent green pixels), and which ignores the keyboard.
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
    CSkinBitmap* m_pChannel = nullptr;  // owned
    CSkinBitmap* m_pThumb = nullptr;    // owned
    BOOL m_bMouseDown = FALSE;
};
