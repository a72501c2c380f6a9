// The icons of the window layer: each handle names the decoded pictures of one icon
// resource, an icon group (RT_GROUP_ICON) whose entries name its pictures (RT_ICON), all
// of them kept in group order. Icons loaded from the program's resources are shared, as the
// platform shares them: loading the same id again gives the same handle.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "platform/gdi/image/IconImage.h"
#include "platform/user/UserTypes.h"

namespace keldra::platform::user {

using IconPictures = std::shared_ptr<const std::vector<gdi::IconImage>>;

class IconTable {
  public:
    // The shared icon of resource `id`, loading it on first use; nullptr if there is none.
    HICON LoadShared(unsigned id);
    // The pictures of an icon, or nullptr for a handle that names no icon.
    IconPictures Find(HICON icon) const;

  private:
    static std::vector<gdi::IconImage> LoadPictures(unsigned groupId);

    std::map<unsigned, HICON> byId_;
    std::map<HICON, IconPictures> pictures_;
    std::uintptr_t next_ = 0x70000;
};

}  // namespace keldra::platform::user
