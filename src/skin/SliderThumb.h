// Where the skinned slider draws its thumb, and where the trackbar beneath the skin is to
// see a press so that it grabs the thumb the player sees.
#pragma once

#include <windows.h>

namespace keldra::skin {

// The thumb's left edge on a slider whose client area ends at clientRight. The position
// itself is scaled (every slider of the program starts at 0); a thumb that would reach
// into the channel's right end is pulled back by five pixels.
int SliderThumbLeft(int clientRight, int position, int minimum, int maximum);

// The trackbar hit-tests presses against its own, narrower thumb, which need not lie under
// the drawn one. A press on the drawn thumb goes to the middle of the trackbar's thumb, so
// the trackbar grabs it; a press beside the drawn thumb that would land on the trackbar's
// goes just beside that, on the same side, so it pages; any other press stays where it is.
POINT TrackbarPressPoint(const RECT& drawnThumb, const RECT& trackbarThumb, POINT press);

}  // namespace keldra::skin
