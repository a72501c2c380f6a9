// Where the skinned slider draws its thumb.
#pragma once

namespace keldra::skin {

// The thumb's left edge on a slider whose client area ends at clientRight. The position
// itself is scaled (every slider of the program starts at 0); a thumb that would reach
// into the channel's right end is pulled back by five pixels.
int SliderThumbLeft(int clientRight, int position, int minimum, int maximum);

}  // namespace keldra::skin
