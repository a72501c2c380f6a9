#include "launch/PortalFolderChooser.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <optional>
#include <string_view>

#include "launch/FileUri.h"
#include "launch/SdBusHandles.h"

namespace keldra::launch {

namespace {

constexpr const char* kPortal = "org.freedesktop.portal.Desktop";
constexpr const char* kPortalPath = "/org/freedesktop/portal/desktop";
constexpr const char* kFileChooser = "org.freedesktop.portal.FileChooser";
constexpr const char* kRequest = "org.freedesktop.portal.Request";
constexpr const char* kBus = "org.freedesktop.DBus";
constexpr const char* kBusPath = "/org/freedesktop/DBus";

// Response codes of a portal request.
constexpr std::uint32_t kResponseChosen = 0;
constexpr std::uint32_t kResponseCancelled = 1;

// One question in flight: filled in by the signal handlers while the bus is processed.
struct PendingQuestion {
    std::string portalOwner;  // the unique name that answered the call
    std::optional<FolderAnswer> answer;
};

SdBus OpenSessionBus() {
    sd_bus* bus = nullptr;
    if (sd_bus_open_user(&bus) < 0) return nullptr;
    return SdBus(bus);
}

bool NameHasOwner(sd_bus* bus) {
    SdBusError error;
    sd_bus_message* reply = nullptr;
    if (sd_bus_call_method(bus, kBus, kBusPath, kBus, "NameHasOwner", error.Get(), &reply, "s",
                           kPortal) < 0)
        return false;
    SdBusMessage owned(reply);
    int hasOwner = 0;
    return sd_bus_message_read(reply, "b", &hasOwner) > 0 && hasOwner != 0;
}

// A portal the bus starts on the first call counts as running: desktops commonly start it
// that way.
bool NameIsActivatable(sd_bus* bus) {
    SdBusError error;
    sd_bus_message* reply = nullptr;
    if (sd_bus_call_method(bus, kBus, kBusPath, kBus, "ListActivatableNames", error.Get(), &reply,
                           nullptr) < 0)
        return false;
    SdBusMessage owned(reply);
    if (sd_bus_message_enter_container(reply, 'a', "s") < 0) return false;
    const char* name = nullptr;
    while (sd_bus_message_read(reply, "s", &name) > 0) {
        if (std::string_view(name) == kPortal) return true;
    }
    return false;
}

// The path the portal gives the request for `token`: the caller's unique name without its
// ':' and with '_' for '.', so the answer can be listened for before the question goes out.
std::string RequestPathFor(sd_bus* bus, const std::string& token) {
    const char* unique = nullptr;
    if (sd_bus_get_unique_name(bus, &unique) < 0 || unique == nullptr) return {};
    std::string sender(unique[0] == ':' ? unique + 1 : unique);
    std::replace(sender.begin(), sender.end(), '.', '_');
    return std::string(kPortalPath) + "/request/" + sender + "/" + token;
}

std::optional<std::string> FirstUri(sd_bus_message* results) {
    if (sd_bus_message_enter_container(results, 'a', "{sv}") < 0) return std::nullopt;
    while (sd_bus_message_enter_container(results, 'e', "sv") > 0) {
        const char* key = nullptr;
        if (sd_bus_message_read(results, "s", &key) < 0) return std::nullopt;
        if (std::string_view(key) == "uris") {
            const char* uri = nullptr;
            if (sd_bus_message_enter_container(results, 'v', "as") < 0 ||
                sd_bus_message_enter_container(results, 'a', "s") < 0 ||
                sd_bus_message_read(results, "s", &uri) <= 0)
                return std::nullopt;
            return std::string(uri);
        }
        if (sd_bus_message_skip(results, "v") < 0 || sd_bus_message_exit_container(results) < 0)
            return std::nullopt;
    }
    return std::nullopt;
}

FolderAnswer ReadResponse(sd_bus_message* signal) {
    std::uint32_t response = 0;
    if (sd_bus_message_read(signal, "u", &response) < 0) return FolderAnswer::Unavailable();
    if (response == kResponseCancelled) return FolderAnswer::Cancelled();
    if (response != kResponseChosen) return FolderAnswer::Unavailable();
    const auto uri = FirstUri(signal);
    const auto folder = uri ? LocalPathOfFileUri(*uri) : std::nullopt;
    return folder ? FolderAnswer::Chosen(*folder) : FolderAnswer::Unavailable();
}

int OnResponse(sd_bus_message* signal, void* userdata, sd_bus_error*) {
    auto& question = *static_cast<PendingQuestion*>(userdata);
    const char* sender = sd_bus_message_get_sender(signal);
    if (question.answer || sender == nullptr || question.portalOwner != sender) return 0;
    question.answer = ReadResponse(signal);
    return 0;
}

int OnPortalOwnerChanged(sd_bus_message* signal, void* userdata, sd_bus_error*) {
    auto& question = *static_cast<PendingQuestion*>(userdata);
    const char* name = nullptr;
    const char* oldOwner = nullptr;
    const char* newOwner = nullptr;
    if (sd_bus_message_read(signal, "sss", &name, &oldOwner, &newOwner) < 0) return 0;
    if (!question.answer && question.portalOwner == oldOwner)
        question.answer = FolderAnswer::Unavailable();  // it went away without answering
    return 0;
}

SdBusSlot WatchPortalOwner(sd_bus* bus, PendingQuestion& question) {
    const std::string match = std::string("type='signal',sender='") + kBus + "',path='" + kBusPath +
                              "',interface='" + kBus + "',member='NameOwnerChanged',arg0='" +
                              kPortal + "'";
    sd_bus_slot* slot = nullptr;
    if (sd_bus_add_match(bus, &slot, match.c_str(), OnPortalOwnerChanged, &question) < 0)
        return nullptr;
    return SdBusSlot(slot);
}

SdBusSlot WatchResponse(sd_bus* bus, const std::string& requestPath, PendingQuestion& question) {
    sd_bus_slot* slot = nullptr;
    if (sd_bus_match_signal(bus, &slot, nullptr, requestPath.c_str(), kRequest, "Response",
                            OnResponse, &question) < 0)
        return nullptr;
    return SdBusSlot(slot);
}

SdBusMessage CallOpenFile(sd_bus* bus, const std::string& title, const std::string& token) {
    sd_bus_message* call = nullptr;
    if (sd_bus_message_new_method_call(bus, &call, kPortal, kPortalPath, kFileChooser, "OpenFile") <
        0)
        return nullptr;
    SdBusMessage owned(call);
    // No parent window: the editor has none yet when it asks.
    if (sd_bus_message_append(call, "ssa{sv}", "", title.c_str(), 3, "handle_token", "s",
                              token.c_str(), "directory", "b", 1, "modal", "b", 1) < 0)
        return nullptr;
    SdBusError error;
    sd_bus_message* reply = nullptr;
    if (sd_bus_call(bus, call, 0, error.Get(), &reply) < 0) return nullptr;
    return SdBusMessage(reply);
}

// Runs the bus until the question is answered, the portal leaves or the bus fails. The
// player may take as long as they like.
FolderAnswer WaitForAnswer(sd_bus* bus, const PendingQuestion& question) {
    while (!question.answer) {
        int result = sd_bus_process(bus, nullptr);
        if (result < 0) return FolderAnswer::Unavailable();
        if (result > 0) continue;
        result = sd_bus_wait(bus, UINT64_MAX);
        if (result < 0 && result != -EINTR) return FolderAnswer::Unavailable();
    }
    return *question.answer;
}

}  // namespace

FolderAnswer PortalFolderChooser::Ask() const {
    const SdBus bus = OpenSessionBus();
    if (!bus || !(NameHasOwner(bus.get()) || NameIsActivatable(bus.get())))
        return FolderAnswer::Unavailable();

    PendingQuestion question;
    const std::string token = "keldra_config_" + std::to_string(getpid());
    const std::string requestPath = RequestPathFor(bus.get(), token);
    const SdBusSlot ownerWatch = WatchPortalOwner(bus.get(), question);
    const SdBusSlot responseWatch = WatchResponse(bus.get(), requestPath, question);
    if (!ownerWatch || !responseWatch) return FolderAnswer::Unavailable();

    const SdBusMessage reply = CallOpenFile(bus.get(), title_, token);
    const char* handle = nullptr;
    const char* owner = reply ? sd_bus_message_get_sender(reply.get()) : nullptr;
    if (!reply || owner == nullptr || sd_bus_message_read(reply.get(), "o", &handle) < 0)
        return FolderAnswer::Unavailable();
    question.portalOwner = owner;
    // A portal older than request tokens picks its own path; its answer can only be
    // listened for now.
    SdBusSlot olderPortalWatch;
    if (requestPath != handle) {
        olderPortalWatch = WatchResponse(bus.get(), handle, question);
        if (!olderPortalWatch) return FolderAnswer::Unavailable();
    }
    return WaitForAnswer(bus.get(), question);
}

}  // namespace keldra::launch
