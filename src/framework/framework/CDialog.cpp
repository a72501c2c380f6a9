#include "framework/CDialog.h"

#include "framework/CWinApp.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

namespace {

// The dialog whose window is being made; its window's first message attaches it.
CDialog* g_dialogBeingCreated = nullptr;

class CreationScope {
  public:
    explicit CreationScope(CDialog* dialog) : previous_(g_dialogBeingCreated) {
        g_dialogBeingCreated = dialog;
    }
    ~CreationScope() { g_dialogBeingCreated = previous_; }
    CreationScope(const CreationScope&) = delete;
    CreationScope& operator=(const CreationScope&) = delete;

  private:
    CDialog* previous_;
};

HWND HandleOf(const CWnd* window) {
    return window != nullptr ? window->m_hWnd : nullptr;
}

}  // namespace

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

// Templates live in the program's own resources; as with every Windows framework, the dialog
// finds its own and hands the platform the template rather than the id.
LPCDLGTEMPLATE CDialog::FindTemplate(UINT templateId) {
    const HINSTANCE module = AfxGetResourceHandle();
    const HRSRC resource = ::FindResourceW(module, MAKEINTRESOURCEW(templateId), RT_DIALOG);
    if (resource == nullptr) return nullptr;
    return static_cast<LPCDLGTEMPLATE>(::LockResource(::LoadResource(module, resource)));
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    if (m_hWnd != nullptr) return FALSE;
    m_nIDTemplate = templateId;
    const LPCDLGTEMPLATE dialogTemplate = FindTemplate(templateId);
    if (dialogTemplate == nullptr) return FALSE;
    return CreateIndirect(dialogTemplate, parent);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE dialogTemplate, CWnd* parent) {
    if (m_hWnd != nullptr || dialogTemplate == nullptr) return FALSE;
    m_pParentWnd = parent;
    CreationScope scope(this);
    const HWND window = ::CreateDialogIndirectParamW(AfxGetResourceHandle(), dialogTemplate,
                                                     HandleOf(parent), &CDialog::AfxDlgProc, 0);
    return window != nullptr && m_hWnd == window;
}

INT_PTR CDialog::DoModal() {
    if (m_hWnd != nullptr) return -1;
    const LPCDLGTEMPLATE dialogTemplate = FindTemplate(m_nIDTemplate);
    if (dialogTemplate == nullptr) return -1;
    CreationScope scope(this);
    return ::DialogBoxIndirectParamW(AfxGetResourceHandle(), dialogTemplate, HandleOf(m_pParentWnd),
                                     &CDialog::AfxDlgProc, 0);
}

void CDialog::EndDialog(int result) {
    ::EndDialog(m_hWnd, result);
}

INT_PTR CALLBACK CDialog::AfxDlgProc(HWND window, UINT, WPARAM, LPARAM) {
    if (g_dialogBeingCreated != nullptr && CWnd::FromHandlePermanent(window) == nullptr) {
        CDialog* dialog = g_dialogBeingCreated;
        g_dialogBeingCreated = nullptr;
        dialog->AttachAsCreated(window);
    }
    return FALSE;
}

void CDialog::AttachAsCreated(HWND window) {
    SubclassWindow(window);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
    return OnInitDialog();
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}
