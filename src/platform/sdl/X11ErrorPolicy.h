// What an X protocol error does to the editor. Xlib's own handler prints the error and ends
// the program. SDL sends some requests from a second connection (its wake-up message, for
// one), and such a request can reach the server just after the window it names was
// destroyed: harmless, but it would end the program and lose the player's edits.
#pragma once

namespace keldra::platform::host {

class X11ErrorPolicy {
  public:
    // From now on an error about a window that no longer exists is ignored, and any other
    // is reported on stderr in one line while the program goes on. Call it before SDL opens
    // its X connections. Does nothing without X11.
    static void Install();
};

}  // namespace keldra::platform::host
