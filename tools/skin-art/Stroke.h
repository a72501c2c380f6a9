// A straight pen stroke with round ends, as a distance field: the building block of the
// lettering and of the button symbols.
#pragma once

#include <algorithm>

#include "Vec2.h"

namespace keldra::skinart {

struct Stroke {
    Vec2 from;
    Vec2 to;
    double width = 1;

    double Distance(Vec2 p) const {
        const Vec2 along = to - from;
        const double lengthSquared = along.Dot(along);
        const double t =
            lengthSquared > 0 ? std::clamp((p - from).Dot(along) / lengthSquared, 0.0, 1.0) : 0;
        return (p - (from + along * t)).Length() - width / 2;
    }
};

}  // namespace keldra::skinart
