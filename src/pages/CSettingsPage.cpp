#include "pages/CSettingsPage.h"

#include "pages/PageOwner.h"
#include "skin/SkinnedSurface.h"

using keldra::pages::PageOwner;
using keldra::skin::SkinnedSurface;

IMPLEMENT_DYNAMIC(CSettingsPage, CDialog)

BEGIN_MESSAGE_MAP(CSettingsPage, CDialog)
ON_WM_ERASEBKGND()
ON_WM_CTLCOLOR()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CSettingsPage::CSettingsPage(UINT templateId, UINT backgroundId)
    : CDialog(templateId), m_nBackgroundId(backgroundId) {}

BOOL CSettingsPage::OnInitDialog() {
    CDialog::OnInitDialog();
    SkinnedSurface::SetUp(*this, m_bmpBack, m_brBack, m_nBackgroundId,
                          SkinnedSurface::Placement::ParentOrigin);
    return TRUE;
}

// Enter inside a page saves the whole program's settings, as the OK button does.
void CSettingsPage::OnOK() {
    if (PageOwner* owner = PageOwner::OfMainWindow()) owner->OnBnClickedOk();
}

// Escape inside a page leaves the program, as the Cancel button does.
void CSettingsPage::OnCancel() {
    if (PageOwner* owner = PageOwner::OfMainWindow()) owner->OnBnClickedCancel();
}

BOOL CSettingsPage::OnEraseBkgnd(CDC* dc) {
    return SkinnedSurface::EraseBackground(*this, dc, m_bmpBack);
}

HBRUSH CSettingsPage::OnCtlColor(CDC* dc, CWnd* child, UINT kind) {
    const HBRUSH standard = CDialog::OnCtlColor(dc, child, kind);
    return SkinnedSurface::ControlColour(*this, dc, child, kind, standard, m_brBack);
}

void CSettingsPage::OnDestroy() {
    CDialog::OnDestroy();
    SkinnedSurface::Destroy(m_brBack);
}

std::wstring CSettingsPage::LoadCaptionText(std::wstring_view key,
                                            std::wstring_view defaultText) const {
    const PageOwner* owner = PageOwner::OfMainWindow();
    return owner ? owner->LoadCaptionText(key, defaultText) : std::wstring(defaultText);
}

void CSettingsPage::SetCaption(int id, const keldra::pages::PageCaption& caption) {
    const std::wstring text = LoadCaptionText(caption.key, caption.defaultText);
    ::SetWindowTextW(::GetDlgItem(m_hWnd, id), text.c_str());
}

const std::wstring& CSettingsPage::ConfigPath() const {
    static const std::wstring kNone;
    const PageOwner* owner = PageOwner::OfMainWindow();
    return owner ? owner->ConfigPath() : kNone;
}
