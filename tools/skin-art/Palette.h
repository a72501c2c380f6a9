// The skin's colours in one place: dark stone, bronze-gold metal, leather faces.
#pragma once

#include "Colour.h"

namespace keldra::skinart::palette {

inline constexpr Colour kStone{40, 35, 32};
inline constexpr Colour kStoneVein{22, 19, 18};
inline constexpr Colour kPanel{23, 20, 19};

inline constexpr Colour kMetalShadow{58, 36, 14};
inline constexpr Colour kMetal{168, 121, 54};
inline constexpr Colour kMetalLight{246, 214, 140};
inline constexpr Colour kMetalEdge{26, 17, 9};

inline constexpr Colour kLeatherTop{70, 52, 40};
inline constexpr Colour kLeatherBottom{38, 28, 23};

inline constexpr Colour kRuby{158, 22, 34};
inline constexpr Colour kRubyDeep{64, 6, 14};
inline constexpr Colour kRubyGlint{255, 214, 206};

inline constexpr Colour kMagentaKey{255, 0, 255};
inline constexpr Colour kGreenKey{0, 255, 0};

}  // namespace keldra::skinart::palette
