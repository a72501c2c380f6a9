// The program's dialog layouts by resource id, so that dialogs can be made from an id as
// on the platform. The program registers its layouts at start; nothing registers itself.
#pragma once

#include <map>

#include "platform/user/DialogTemplate.h"

namespace keldra::platform::user {

class DialogTemplateRegistry {
  public:
    static DialogTemplateRegistry& Instance();

    // Replaces any layout registered under the same id.
    void Register(WORD id, DialogTemplate layout) { layouts_[id] = std::move(layout); }
    void Unregister(WORD id) { layouts_.erase(id); }
    const DialogTemplate* Find(WORD id) const;

  private:
    std::map<WORD, DialogTemplate> layouts_;
};

}  // namespace keldra::platform::user
