// Reads a binary dialog template, as a resource compiler writes it, into a DialogTemplate:
// the extended form (DLGTEMPLATEEX, marked by version 1 and 0xFFFF) or the classic one
// (DLGTEMPLATE). Every field is checked against the bytes given; a template that runs past
// them, or names a control class by a number no class has, is refused.
#pragma once

#include <optional>
#include <span>

#include "platform/user/dialog/DialogTemplate.h"
#include "platform/user/dialog/TemplateCursor.h"

namespace keldra::platform::user {

class DialogTemplateReader {
  public:
    static std::optional<DialogTemplate> Read(std::span<const BYTE> bytes);
    // A template handed over by address alone, as the indirect dialog functions take it: the
    // caller vouches that it is whole, as on the platform.
    static std::optional<DialogTemplate> ReadTrusted(const DLGTEMPLATE* head);

  private:
    static bool ReadExtendedHead(TemplateCursor& cursor, DialogTemplate& layout, WORD& count);
    static bool ReadClassicHead(TemplateCursor& cursor, DialogTemplate& layout, WORD& count);
    static bool ReadCountAndBox(TemplateCursor& cursor, DialogTemplate& layout, WORD& count);
    static bool ReadNamesAndFont(TemplateCursor& cursor, DialogTemplate& layout, bool extended);
    static std::optional<DialogItemTemplate> ReadExtendedItem(TemplateCursor& cursor);
    static std::optional<DialogItemTemplate> ReadClassicItem(TemplateCursor& cursor);
    static bool ReadClassAndText(TemplateCursor& cursor, DialogItemTemplate& item);
};

}  // namespace keldra::platform::user
