#include "framework/CSliderCtrl.h"

int CSliderCtrl::GetPos() const {
    return static_cast<int>(SendMessage(TBM_GETPOS));
}

void CSliderCtrl::SetPos(int position) {
    SendMessage(TBM_SETPOS, TRUE, position);
}

int CSliderCtrl::GetRangeMin() const {
    return static_cast<int>(SendMessage(TBM_GETRANGEMIN));
}

int CSliderCtrl::GetRangeMax() const {
    return static_cast<int>(SendMessage(TBM_GETRANGEMAX));
}

void CSliderCtrl::GetRange(int& minimum, int& maximum) const {
    minimum = GetRangeMin();
    maximum = GetRangeMax();
}

void CSliderCtrl::SetRangeMin(int minimum, BOOL redraw) {
    SendMessage(TBM_SETRANGEMIN, static_cast<WPARAM>(redraw), minimum);
}

void CSliderCtrl::SetRangeMax(int maximum, BOOL redraw) {
    SendMessage(TBM_SETRANGEMAX, static_cast<WPARAM>(redraw), maximum);
}

void CSliderCtrl::SetRange(int minimum, int maximum, BOOL redraw) {
    SetRangeMin(minimum, redraw);
    SetRangeMax(maximum, redraw);
}
