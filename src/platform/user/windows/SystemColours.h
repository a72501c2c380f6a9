// The system colours the default window and dialog processing paint with, and one brush
// of each. The brushes are stock objects: they can be neither deleted nor leaked.
#pragma once

#include "platform/gdi/objects/GdiObjectTable.h"
#include "platform/user/UserTypes.h"

namespace keldra::platform::user {

class SystemColours {
  public:
    // The brushes go into `objects`, which keeps them for as long as it lives.
    explicit SystemColours(gdi::GdiObjectTable& objects);

    // CLR_INVALID / nullptr for an index this platform has no colour for.
    COLORREF Colour(int index) const;
    HBRUSH Brush(int index) const;
    // A class background given as a system colour index plus one, as the platform allows.
    static bool IsColourIndexBrush(HBRUSH brush);

  private:
    HBRUSH windowBrush_;
    HBRUSH faceBrush_;
    HBRUSH textBrush_;
};

}  // namespace keldra::platform::user
