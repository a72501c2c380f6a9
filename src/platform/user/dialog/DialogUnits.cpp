#include "platform/user/dialog/DialogUnits.h"

#include "platform/user/User.h"

namespace keldra::platform::user {

int DialogUnits::ToPixelsX(int units) {
    return MulDiv(units, kBaseX, 4);
}

int DialogUnits::ToPixelsY(int units) {
    return MulDiv(units, kBaseY, 8);
}

gdi::Rect DialogUnits::ToPixels(int x, int y, int cx, int cy) {
    return gdi::Rect::FromSize(ToPixelsX(x), ToPixelsY(y), ToPixelsX(cx), ToPixelsY(cy));
}

}  // namespace keldra::platform::user

// Rounds half away from zero, as the platform does; -1 for a zero divisor or an overflow.
int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) return -1;
    const long long product = static_cast<long long>(number) * numerator;
    const long long half = (denominator < 0 ? -denominator : denominator) / 2;
    const bool negative = (product < 0) != (denominator < 0);
    const long long magnitude = (product < 0 ? -product : product) + half;
    const long long quotient =
        magnitude / (denominator < 0 ? -static_cast<long long>(denominator) : denominator);
    const long long result = negative ? -quotient : quotient;
    if (result > INT32_MAX || result < INT32_MIN) return -1;
    return static_cast<int>(result);
}

BOOL MapDialogRect(HWND, LPRECT rect) {
    if (rect == nullptr) return FALSE;
    using keldra::platform::user::DialogUnits;
    rect->left = DialogUnits::ToPixelsX(rect->left);
    rect->right = DialogUnits::ToPixelsX(rect->right);
    rect->top = DialogUnits::ToPixelsY(rect->top);
    rect->bottom = DialogUnits::ToPixelsY(rect->bottom);
    return TRUE;
}
