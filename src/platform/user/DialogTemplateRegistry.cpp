#include "platform/user/DialogTemplateRegistry.h"

namespace keldra::platform::user {

DialogTemplateRegistry& DialogTemplateRegistry::Instance() {
    static DialogTemplateRegistry registry;
    return registry;
}

const DialogTemplate* DialogTemplateRegistry::Find(WORD id) const {
    const auto found = layouts_.find(id);
    return found != layouts_.end() ? &found->second : nullptr;
}

}  // namespace keldra::platform::user
