// Dialogs from layouts, the modal run, the dialog manager and the common-controls entry.
#include <cstdint>
#include <string>

#include "platform/kernel/Resources.h"
#include "platform/kernel/Trace.h"
#include "platform/user/User.h"
#include "platform/user/controls/StandardControls.h"
#include "platform/user/dialog/DialogBuilder.h"
#include "platform/user/dialog/DialogManager.h"
#include "platform/user/dialog/DialogNavigator.h"
#include "platform/user/dialog/DialogTemplateReader.h"
#include "platform/user/dialog/ModalLoop.h"
#include "platform/user/trace/MessageTrace.h"

using keldra::platform::Trace;
using keldra::platform::TraceChannel;
using keldra::platform::user::DialogBuilder;
using keldra::platform::user::DialogTemplate;
using keldra::platform::user::DialogTemplateReader;
using keldra::platform::user::ModalLoop;

namespace {

// "#102" or the name, for the trace.
std::string NameForTrace(LPCWSTR name) {
    if (IS_INTRESOURCE(name)) return "#" + std::to_string(reinterpret_cast<std::uintptr_t>(name));
    return keldra::platform::user::MessageTrace::Printable(name);
}

void TraceNoDialog(const char* what, const char* reason) {
    if (Trace::On(TraceChannel::Create))
        Trace::Line(TraceChannel::Create, "dialog %s not created: %s", what, reason);
}

using OptionalLayout = std::optional<DialogTemplate>;

// The dialog resource of that name, read from the program's resources.
OptionalLayout LayoutNamed(HINSTANCE instance, LPCWSTR name) {
    const HRSRC resource = FindResourceW(instance, name, RT_DIALOG);
    if (resource == nullptr) {
        TraceNoDialog(NameForTrace(name).c_str(), "no dialog resource of that name");
        return std::nullopt;
    }
    const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(instance, resource)));
    if (bytes == nullptr) return std::nullopt;
    OptionalLayout layout = DialogTemplateReader::Read({bytes, SizeofResource(instance, resource)});
    if (!layout) TraceNoDialog(NameForTrace(name).c_str(), "its template could not be read");
    return layout;
}

HWND OwnerOf(HWND parent) {
    HWND owner = parent;
    while (owner != nullptr && (GetWindowLongPtrW(owner, GWL_STYLE) & WS_CHILD)) {
        owner = GetParent(owner);
    }
    return owner;
}

INT_PTR RunModal(const OptionalLayout& layout, HWND parent, DLGPROC procedure, LPARAM param) {
    if (!layout) return -1;
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
    const OptionalLayout read = DialogTemplateReader::ReadTrusted(layout);
    if (!read) {
        TraceNoDialog("(in memory)", "its template could not be read");
        return nullptr;
    }
    return DialogBuilder::Build(*read, parent, procedure, param, true);
}

HWND CreateDialogParamW(HINSTANCE instance, LPCWSTR name, HWND parent, DLGPROC procedure,
                        LPARAM param) {
    const OptionalLayout layout = LayoutNamed(instance, name);
    if (!layout) return nullptr;
    return DialogBuilder::Build(*layout, parent, procedure, param, true);
}

INT_PTR DialogBoxIndirectParamW(HINSTANCE, LPCDLGTEMPLATEW layout, HWND parent, DLGPROC procedure,
                                LPARAM param) {
    return RunModal(DialogTemplateReader::ReadTrusted(layout), parent, procedure, param);
}

INT_PTR DialogBoxParamW(HINSTANCE instance, LPCWSTR name, HWND parent, DLGPROC procedure,
                        LPARAM param) {
    return RunModal(LayoutNamed(instance, name), parent, procedure, param);
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
