#include "RoundedBox.h"

#include <algorithm>
#include <cmath>

namespace keldra::skinart {

RoundedBox::RoundedBox(double left, double top, double right, double bottom, double radius)
    : left_(left), top_(top), right_(right), bottom_(bottom), radius_(radius) {}

double RoundedBox::Distance(Vec2 p) const {
    const Vec2 centre{(left_ + right_) / 2, (top_ + bottom_) / 2};
    const Vec2 half{(right_ - left_) / 2 - radius_, (bottom_ - top_) / 2 - radius_};
    const Vec2 q{std::abs(p.x - centre.x) - half.x, std::abs(p.y - centre.y) - half.y};
    const Vec2 outside{std::max(q.x, 0.0), std::max(q.y, 0.0)};
    return outside.Length() + std::min(std::max(q.x, q.y), 0.0) - radius_;
}

Vec2 RoundedBox::OutwardNormal(Vec2 p) const {
    constexpr double h = 0.25;
    return Vec2{Distance(p + Vec2{h, 0}) - Distance(p - Vec2{h, 0}),
                Distance(p + Vec2{0, h}) - Distance(p - Vec2{0, h})}
        .Normalised();
}

RoundedBox RoundedBox::Shrunk(double by) const {
    return {left_ + by, top_ + by, right_ - by, bottom_ - by, std::max(radius_ - by, 0.0)};
}

}  // namespace keldra::skinart
