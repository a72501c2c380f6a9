// An owner-drawn push button drawn from up to four bitmaps: normal, selected (held down),
// focus and disabled. The button owns its bitmaps.
#pragma once

#include "framework/CBitmap.h"
#include "framework/CButton.h"

class CBitmapButton : public CButton {
    DECLARE_DYNAMIC(CBitmapButton)

  public:
    // Ids of 0 leave their slot empty. FALSE when the normal image cannot be loaded.
    BOOL LoadBitmaps(UINT normalId, UINT selectedId = 0, UINT focusId = 0, UINT disabledId = 0);
    // Sizes the button to its normal image, without moving, restacking or repainting it.
    void SizeToContent();

    void DrawItem(LPDRAWITEMSTRUCT item) override;

  protected:
    CBitmap m_bitmap;
    CBitmap m_bitmapSel;
    CBitmap m_bitmapFocus;
    CBitmap m_bitmapDisabled;

  private:
    const CBitmap& ImageFor(UINT state) const;
};
