#include "platform/user/controls/TrackbarRange.h"

#include <algorithm>

namespace keldra::platform::user::controls {

int TrackbarRange::Clamp(long long pos) const {
    // A maximum below the minimum leaves only the minimum.
    const long long top = std::max(min_, max_);
    return static_cast<int>(std::clamp<long long>(pos, min_, top));
}

int TrackbarRange::DefaultPage() const {
    const long long span = static_cast<long long>(max_) - min_;
    return static_cast<int>(std::max<long long>(1, span / 5));
}

void TrackbarRange::SetMin(int min) {
    min_ = min;
    pos_ = Clamp(pos_);
}

void TrackbarRange::SetMax(int max) {
    max_ = max;
    pos_ = Clamp(pos_);
}

bool TrackbarRange::SetPos(int pos) {
    const int kept = Clamp(pos);
    const bool changed = kept != pos_;
    pos_ = kept;
    return changed;
}

bool TrackbarRange::MoveBy(long long delta) {
    return SetPos(Clamp(static_cast<long long>(pos_) + delta));
}

int TrackbarRange::SetPageSize(int size) {
    const int previous = PageSize();
    // A negative size hands the page back to the range.
    page_ = size;
    pageSet_ = size >= 0;
    return previous;
}

int TrackbarRange::SetLineSize(int size) {
    const int previous = line_;
    line_ = size;
    return previous;
}

}  // namespace keldra::platform::user::controls
