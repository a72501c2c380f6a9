// A trackbar control: thin calls for its position and range.
#pragma once

#include "framework/CWnd.h"

class CSliderCtrl : public CWnd {
  public:
    int GetPos() const;
    void SetPos(int position);
    int GetRangeMin() const;
    int GetRangeMax() const;
    void GetRange(int& minimum, int& maximum) const;
    void SetRangeMin(int minimum, BOOL redraw = FALSE);
    void SetRangeMax(int maximum, BOOL redraw = FALSE);
    // The minimum first, then the maximum, each a message of its own.
    void SetRange(int minimum, int maximum, BOOL redraw = FALSE);
};
