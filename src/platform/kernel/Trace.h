// The developer's trace: with KELDRA_TRACE set (for instance KELDRA_TRACE=msg,paint,host),
// what passes through the platform is written to standard error, one line per event, nested
// calls indented under the call that made them. Channels:
//   msg     messages sent, posted and dispatched (window, name, parameters, result)
//   paint   invalidation, BeginPaint / EndPaint and the pixels handed to the host
//   host    what the window layer asks of the host and the input the host reports
//   create  why a window or a dialog could not be created
//   all     every channel
// Switched off (the default), a traced place costs one test of a flag that never changes.
#pragma once

#include <cstdio>
#include <string_view>

namespace keldra::platform {

enum class TraceChannel : unsigned {
    Message = 1u << 0,
    Paint = 1u << 1,
    Host = 1u << 2,
    Create = 1u << 3,
};

class Trace {
  public:
    static bool On(TraceChannel channel) {
        return (channels_ & static_cast<unsigned>(channel)) != 0;
    }
    // Writes one line on the channel, indented to the current depth; printf's format.
    static void Line(TraceChannel channel, const char* format, ...)
        __attribute__((format(printf, 2, 3)));

    // The channels named in `channelNames` ("msg,paint", "all"; unknown names are ignored), from
    // now on, written to `out`. The program reads KELDRA_TRACE once as it starts; tests call this.
    static void Configure(std::string_view channelNames, std::FILE* out);
    static unsigned ChannelsOf(std::string_view channelNames);

    // A nested call: lines written while it lives are indented one step further.
    class Nested {
      public:
        Nested() { ++depth_; }
        ~Nested() { --depth_; }
        Nested(const Nested&) = delete;
        Nested& operator=(const Nested&) = delete;
    };

  private:
    static unsigned FromEnvironment();

    // Process-wide like the environment it comes from: set once as the program starts.
    static unsigned channels_;
    static std::FILE* out_;
    static int depth_;
};

}  // namespace keldra::platform
