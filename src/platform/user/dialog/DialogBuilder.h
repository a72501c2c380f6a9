// Makes a dialog window and its controls from a layout: sizes from dialog units, the
// layout's font on every control, then WM_INITDIALOG and the focus it asks for.
#pragma once

#include "platform/gdi/raster/Geometry.h"
#include "platform/user/dialog/DialogTemplate.h"

namespace keldra::platform::user {

class DialogBuilder {
  public:
    // A top-level dialog is owned by parent (may be null); a WS_CHILD one lives inside it.
    // The dialog is shown after WM_INITDIALOG when the layout has WS_VISIBLE and show is set.
    static HWND Build(const DialogTemplate& layout, HWND parent, DLGPROC procedure, LPARAM param,
                      bool show);

  private:
    static gdi::Rect PlaceDialog(const DialogTemplate& layout, HWND parent);
    static HFONT MakeFont(const DialogTemplate& layout);
    static bool MakeControls(const DialogTemplate& layout, HWND dialog, HFONT font);
};

}  // namespace keldra::platform::user
