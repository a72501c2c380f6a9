// The kernel layer's part of a platform session: the resources tests put in front of the
// program's own.
#pragma once

#include "platform/kernel/ProgramResources.h"
#include "platform/kernel/ScopedCurrent.h"

namespace keldra::platform {

class KernelState {
  public:
    KernelState() = default;
    KernelState(const KernelState&) = delete;
    KernelState& operator=(const KernelState&) = delete;

    // The current session's kernel state; nullptr outside a session.
    static KernelState* Current() { return ScopedCurrent<KernelState>::Get(); }
    // The same, for callers that cannot do without one.
    static KernelState& Require() { return ScopedCurrent<KernelState>::Require("kernel"); }

    ProgramResources& Resources() { return resources_; }

  private:
    ScopedCurrent<KernelState> current_{this};  // first: current until the rest is gone
    ProgramResources resources_;
};

}  // namespace keldra::platform
