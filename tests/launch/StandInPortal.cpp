// A stand-in for the desktop portal's file chooser, for tests. It owns
// org.freedesktop.portal.Desktop on the session bus and answers every OpenFile as its
// command line says:
//   stand_in_portal choose URI   the player chose URI
//   stand_in_portal cancel       the player cancelled
//   stand_in_portal other        the chooser failed (response 2)
//   stand_in_portal vanish       the portal exits after handing out the request, unanswered
// A question that does not ask for a folder is answered with response 2, as a portal that
// cannot show such a chooser would. Prints "ready" once it owns the name.
#include <systemd/sd-bus.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

constexpr const char* kPortal = "org.freedesktop.portal.Desktop";
constexpr const char* kPortalPath = "/org/freedesktop/portal/desktop";

struct Behaviour {
    std::string mode;
    std::string uri;
};

struct Options {
    std::string token = "stand_in";
    bool directory = false;
};

Options ReadOptions(sd_bus_message* call) {
    Options options;
    if (sd_bus_message_enter_container(call, 'a', "{sv}") < 0) return options;
    while (sd_bus_message_enter_container(call, 'e', "sv") > 0) {
        const char* key = nullptr;
        sd_bus_message_read(call, "s", &key);
        if (std::string_view(key) == "handle_token") {
            const char* token = nullptr;
            if (sd_bus_message_read(call, "v", "s", &token) > 0) options.token = token;
        } else if (std::string_view(key) == "directory") {
            int directory = 0;
            if (sd_bus_message_read(call, "v", "b", &directory) > 0)
                options.directory = directory != 0;
        } else {
            sd_bus_message_skip(call, "v");
        }
        sd_bus_message_exit_container(call);
    }
    return options;
}

std::string RequestPath(const char* sender, const std::string& token) {
    std::string name(sender[0] == ':' ? sender + 1 : sender);
    std::replace(name.begin(), name.end(), '.', '_');
    return std::string(kPortalPath) + "/request/" + name + "/" + token;
}

int Respond(sd_bus* bus, const std::string& handle, std::uint32_t response, const char* uri) {
    if (uri != nullptr)
        return sd_bus_emit_signal(bus, handle.c_str(), "org.freedesktop.portal.Request", "Response",
                                  "ua{sv}", response, 1, "uris", "as", 1, uri);
    return sd_bus_emit_signal(bus, handle.c_str(), "org.freedesktop.portal.Request", "Response",
                              "ua{sv}", response, 0);
}

int OpenFile(sd_bus_message* call, void* userdata, sd_bus_error*) {
    const auto& behaviour = *static_cast<const Behaviour*>(userdata);
    const char* parent = nullptr;
    const char* title = nullptr;
    if (sd_bus_message_read(call, "ss", &parent, &title) < 0) return -EINVAL;
    const Options options = ReadOptions(call);
    const std::string handle = RequestPath(sd_bus_message_get_sender(call), options.token);
    sd_bus* bus = sd_bus_message_get_bus(call);
    sd_bus_reply_method_return(call, "o", handle.c_str());
    if (behaviour.mode == "vanish") {
        sd_bus_flush(bus);
        _exit(0);
    }
    if (!options.directory) return Respond(bus, handle, 2, nullptr);
    if (behaviour.mode == "choose") return Respond(bus, handle, 0, behaviour.uri.c_str());
    if (behaviour.mode == "cancel") return Respond(bus, handle, 1, nullptr);
    return Respond(bus, handle, 2, nullptr);
}

const sd_bus_vtable kFileChooser[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_METHOD("OpenFile", "ssa{sv}", "o", OpenFile, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_VTABLE_END,
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    Behaviour behaviour{argv[1], argc > 2 ? argv[2] : ""};
    sd_bus* bus = nullptr;
    if (sd_bus_open_user(&bus) < 0) return 1;
    if (sd_bus_add_object_vtable(bus, nullptr, kPortalPath, "org.freedesktop.portal.FileChooser",
                                 kFileChooser, &behaviour) < 0 ||
        sd_bus_request_name(bus, kPortal, 0) < 0)
        return 1;
    std::printf("ready\n");
    std::fflush(stdout);
    for (;;) {
        const int processed = sd_bus_process(bus, nullptr);
        if (processed < 0) return 1;
        if (processed == 0 && sd_bus_wait(bus, UINT64_MAX) < 0) return 1;
    }
}
