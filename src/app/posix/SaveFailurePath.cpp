#include "app/SaveFailurePath.h"

#include "settings/NativePath.h"
#include "settings/TextCodec.h"

namespace keldra::app {

// The Linux path the save went to, its UTF-8 bytes read back as text.
std::wstring SaveFailurePath::Shown(std::wstring_view windowsPath) {
    return settings::TextCodec::FromUtf8(settings::NativePath::From(windowsPath).string());
}

}  // namespace keldra::app
