// Dialogs from layouts, the modal run, the dialog manager and the common-controls entry.
#include "platform/user/DialogBuilder.h"
#include "platform/user/DialogManager.h"
#include "platform/user/DialogNavigator.h"
#include "platform/user/DialogTemplateRegistry.h"
#include "platform/user/ModalLoop.h"
#include "platform/user/User.h"
#include "platform/user/controls/StandardControls.h"

using keldra::platform::user::DialogBuilder;
using keldra::platform::user::DialogTemplate;
using keldra::platform::user::DialogTemplateRegistry;
using keldra::platform::user::ModalLoop;

namespace {

const DialogTemplate* LayoutNamed(LPCWSTR name) {
    if (name == nullptr || !IS_INTRESOURCE(name)) return nullptr;
    return DialogTemplateRegistry::Instance().Find(
        static_cast<WORD>(reinterpret_cast<std::uintptr_t>(name)));
}

HWND OwnerOf(HWND parent) {
    HWND owner = parent;
    while (owner != nullptr && (GetWindowLongPtrW(owner, GWL_STYLE) & WS_CHILD)) {
        owner = GetParent(owner);
    }
    return owner;
}

INT_PTR RunModal(LPCDLGTEMPLATEW layout, HWND parent, DLGPROC procedure, LPARAM param) {
    if (layout == nullptr) return -1;
    const HWND owner = OwnerOf(parent);
    DialogTemplate topLevel = *layout;
    topLevel.style &= ~static_cast<DWORD>(WS_CHILD);
    const HWND dialog = DialogBuilder::Build(topLevel, owner, procedure, param, false);
    if (dialog == nullptr) return -1;
    return ModalLoop::Run(dialog, owner);
}

}  // namespace

HWND CreateDialogIndirectParamW(HINSTANCE, LPCDLGTEMPLATEW layout, HWND parent, DLGPROC procedure,
                                LPARAM param) {
    if (layout == nullptr) return nullptr;
    return DialogBuilder::Build(*layout, parent, procedure, param, true);
}

HWND CreateDialogParamW(HINSTANCE instance, LPCWSTR name, HWND parent, DLGPROC procedure,
                        LPARAM param) {
    return CreateDialogIndirectParamW(instance, LayoutNamed(name), parent, procedure, param);
}

INT_PTR DialogBoxIndirectParamW(HINSTANCE, LPCDLGTEMPLATEW layout, HWND parent, DLGPROC procedure,
                                LPARAM param) {
    return RunModal(layout, parent, procedure, param);
}

INT_PTR DialogBoxParamW(HINSTANCE, LPCWSTR name, HWND parent, DLGPROC procedure, LPARAM param) {
    return RunModal(LayoutNamed(name), parent, procedure, param);
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
    return ModalLoop::End(dialog, result) ? TRUE : FALSE;
}

BOOL IsDialogMessageW(HWND dialog, LPMSG message) {
    if (message == nullptr) return FALSE;
    return keldra::platform::user::DialogManager::Handle(dialog, *message) ? TRUE : FALSE;
}

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
    return keldra::platform::user::DialogNavigator::NextTabItem(dialog, control, previous != FALSE);
}

HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
    return keldra::platform::user::DialogNavigator::NextGroupItem(dialog, control,
                                                                  previous != FALSE);
}

// Registers the standard control classes, the trackbar among them, as the platform's
// common-controls start-up does.
void InitCommonControls() {
    keldra::platform::user::controls::RegisterStandardControlClasses();
}
