// Owned sd-bus objects, released when they go out of scope.
#pragma once

#include <systemd/sd-bus.h>

#include <memory>

namespace keldra::launch {

struct SdBusClose {
    void operator()(sd_bus* bus) const { sd_bus_flush_close_unref(bus); }
};
struct SdBusMessageUnref {
    void operator()(sd_bus_message* message) const { sd_bus_message_unref(message); }
};
// Dropping a slot removes the match or object it stands for.
struct SdBusSlotUnref {
    void operator()(sd_bus_slot* slot) const { sd_bus_slot_unref(slot); }
};

using SdBus = std::unique_ptr<sd_bus, SdBusClose>;
using SdBusMessage = std::unique_ptr<sd_bus_message, SdBusMessageUnref>;
using SdBusSlot = std::unique_ptr<sd_bus_slot, SdBusSlotUnref>;

// The error a failed call fills in, freed with it.
class SdBusError {
  public:
    SdBusError() = default;
    ~SdBusError() { sd_bus_error_free(&error_); }
    SdBusError(const SdBusError&) = delete;
    SdBusError& operator=(const SdBusError&) = delete;

    sd_bus_error* Get() { return &error_; }

  private:
    sd_bus_error error_ = SD_BUS_ERROR_NULL;
};

}  // namespace keldra::launch
