#include "platform/kernel/Trace.h"

#include <cstdarg>
#include <cstdlib>

namespace keldra::platform {

namespace {

struct ChannelName {
    std::string_view name;
    unsigned channels;
};

constexpr ChannelName kChannelNames[] = {
    {"msg", static_cast<unsigned>(TraceChannel::Message)},
    {"paint", static_cast<unsigned>(TraceChannel::Paint)},
    {"host", static_cast<unsigned>(TraceChannel::Host)},
    {"create", static_cast<unsigned>(TraceChannel::Create)},
    {"all", ~0u},
};

const char* ChannelLabel(TraceChannel channel) {
    switch (channel) {
        case TraceChannel::Message:
            return "msg   ";
        case TraceChannel::Paint:
            return "paint ";
        case TraceChannel::Host:
            return "host  ";
        case TraceChannel::Create:
            return "create";
    }
    return "?     ";
}

}  // namespace

unsigned Trace::channels_ = Trace::FromEnvironment();
std::FILE* Trace::out_ = stderr;
int Trace::depth_ = 0;

unsigned Trace::FromEnvironment() {
    const char* channelNames = std::getenv("KELDRA_TRACE");
    return channelNames != nullptr ? ChannelsOf(channelNames) : 0;
}

unsigned Trace::ChannelsOf(std::string_view channelNames) {
    unsigned channels = 0;
    while (!channelNames.empty()) {
        const std::size_t comma = channelNames.find(',');
        const std::string_view word = channelNames.substr(0, comma);
        for (const ChannelName& entry : kChannelNames) {
            if (entry.name == word) channels |= entry.channels;
        }
        if (comma == std::string_view::npos) break;
        channelNames.remove_prefix(comma + 1);
    }
    return channels;
}

void Trace::Configure(std::string_view channelNames, std::FILE* out) {
    channels_ = ChannelsOf(channelNames);
    out_ = out != nullptr ? out : stderr;
    depth_ = 0;
}

void Trace::Line(TraceChannel channel, const char* format, ...) {
    if (!On(channel)) return;
    std::fprintf(out_, "%s %*s", ChannelLabel(channel), depth_ * 2, "");
    va_list arguments;
    va_start(arguments, format);
    std::vfprintf(out_, format, arguments);
    va_end(arguments);
    std::fputc('\n', out_);
    std::fflush(out_);
}

}  // namespace keldra::platform
