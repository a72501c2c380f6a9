#include "app/CConfigDlg.h"

#include <afxcmn.h>

#include <optional>

#include "app/SaveFailureMessage.h"
#include "app/SaveFailurePath.h"
#include "resource.h"
#include "settings/CaptionTable.h"
#include "settings/DefaultSettingsFile.h"
#include "settings/SettingsTransaction.h"
#include "settings/TextCodec.h"
#include "skin/SkinnedSurface.h"

using keldra::settings::CaptionTable;
using keldra::settings::DefaultSettingsFile;
using keldra::settings::SaveResult;
using keldra::settings::SettingsTransaction;
using keldra::skin::SkinnedSurface;

namespace {

constexpr int kPageLeft = 15;
constexpr int kPageTop = 86;

// The folder the editor was started in, however long its path: the call says how much room
// it needs, and the folder may change between two calls. None when it has no usable path.
std::optional<std::wstring> CurrentDirectory() {
    for (int attempt = 0; attempt < 3; ++attempt) {
        const DWORD needed = GetCurrentDirectory(0, nullptr);
        if (needed == 0) return std::nullopt;
        std::wstring directory(needed, L'\0');
        const DWORD length = GetCurrentDirectory(needed, directory.data());
        if (length == 0) return std::nullopt;
        if (length < needed) {
            directory.resize(length);
            return directory;
        }
    }
    return std::nullopt;
}

// Without a folder the editor has nothing to edit; it says so before it ends. No window of
// its own is shown yet, so the message stands alone.
void ShowFolderFailure() {
    MessageBox(nullptr,
               L"The settings editor cannot reach the folder it was started in: the folder "
               L"was removed, a folder above it may not be opened, or its path is too long. "
               L"Nothing was changed.",
               L"Keldra", MB_OK | MB_ICONERROR);
}

}  // namespace

BEGIN_MESSAGE_MAP(CConfigDlg, CDialog)
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_BN_CLICKED(IDC_DEF_BUTTON, &CConfigDlg::OnBnClickedDefButton)
ON_BN_CLICKED(IDOK, &CConfigDlg::OnBnClickedOk)
ON_BN_CLICKED(IDCANCEL, &CConfigDlg::OnBnClickedCancel)
ON_WM_DESTROY()
ON_WM_ERASEBKGND()
ON_BN_CLICKED(IDC_GRAPHIC_TAB, &CConfigDlg::OnBnClickedGraphicTab)
ON_BN_CLICKED(IDC_SOUND_TAB, &CConfigDlg::OnBnClickedSoundTab)
ON_BN_CLICKED(IDC_INTERFACE_TAB, &CConfigDlg::OnBnClickedInterfaceTab)
ON_BN_CLICKED(IDC_CLOSE_BUTTON, &CConfigDlg::OnBnClickedCloseButton)
ON_BN_CLICKED(IDC_MINIMIZE_BUTTON, &CConfigDlg::OnBnClickedMinimizeButton)
ON_WM_CTLCOLOR()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

CConfigDlg::CConfigDlg(CWnd* parent)
    : CDialog(IDD_CONFIG_DIALOG, parent),
      m_hIcon(LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_MAINFRAME))) {}

CConfigDlg::~CConfigDlg() = default;

void CConfigDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_GRAPHIC_TAB, m_btnGraphic);
    DDX_Control(dx, IDC_SOUND_TAB, m_btnSound);
    DDX_Control(dx, IDC_INTERFACE_TAB, m_btnInterface);
    DDX_Control(dx, IDC_DEF_BUTTON, m_btnDefault);
    DDX_Control(dx, IDOK, m_btnOK);
    DDX_Control(dx, IDCANCEL, m_btnCancel);
    DDX_Control(dx, IDC_MINIMIZE_BUTTON, m_btnMinimize);
    DDX_Control(dx, IDC_CLOSE_BUTTON, m_btnClose);
}

BOOL CConfigDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    SkinnedSurface::SetUp(*this, m_bmpBack, m_brBack, IDB_MAIN_BACK,
                          SkinnedSurface::Placement::KeepTopLeft);

    const std::optional<std::wstring> directory = CurrentDirectory();
    if (!directory) {  // no CONFIG.INI can be found, so none is read, created or written
        ShowFolderFailure();
        EndDialog(IDCANCEL);
        return TRUE;
    }
    m_strConfigPath = *directory + L"\\CONFIG.INI";
    m_strCaptionPath = *directory + L"\\T_CONFIG.INI";
    DefaultSettingsFile::CreateIfMissing(m_strConfigPath);  // never replaces what is there
    m_strCaptionPath = CaptionTable::PathIfPresent(m_strCaptionPath);
    SetWindowText(LoadCaptionText(L"IDD_CONFIG_DIALOG", L"Keldra").c_str());

    m_pGraphicDlg = CreatePage<CGraphicDlg>(IDD_GRAPHIC_DIALOG, SW_SHOW);
    m_btnGraphic.SetSkin(30, 60, IDB_TAB_NORMAL, IDB_TAB_HOVER, IDB_TAB_PRESSED);
    m_btnGraphic.SetWindowText(LoadCaptionText(L"IDD_GRAPHIC_DIALOG", L"Graphic").c_str());
    m_btnGraphic.SetSelected(TRUE);

    m_pSoundDlg = CreatePage<CSoundDlg>(IDD_SOUND_DIALOG, SW_HIDE);
    m_btnSound.SetSkin(131, 60, IDB_TAB_NORMAL, IDB_TAB_HOVER, IDB_TAB_PRESSED);
    m_btnSound.SetWindowText(LoadCaptionText(L"IDD_SOUND_DIALOG", L"Sound").c_str());
    m_btnSound.SetSelected(FALSE);

    m_pInterfaceDlg = CreatePage<CInterfaceDlg>(IDD_INTERFACE_DIALOG, SW_HIDE);
    m_btnInterface.SetSkin(232, 60, IDB_TAB_NORMAL, IDB_TAB_HOVER, IDB_TAB_PRESSED);
    m_btnInterface.SetWindowText(LoadCaptionText(L"IDD_INTERFACE_DIALOG", L"Interface").c_str());
    m_btnInterface.SetSelected(FALSE);

    m_btnDefault.SetWindowText(LoadCaptionText(L"IDC_DEF_BUTTON", L"Back").c_str());
    m_btnDefault.SetSkin(15, 610, IDB_BUTTON_NORMAL, IDB_BUTTON_HOVER, IDB_BUTTON_PRESSED);
    m_btnOK.SetWindowText(LoadCaptionText(L"IDOK", L"OK").c_str());
    m_btnOK.SetSkin(277, 610, IDB_BUTTON_NORMAL, IDB_BUTTON_HOVER, IDB_BUTTON_PRESSED);
    m_btnCancel.SetWindowText(LoadCaptionText(L"IDCANCEL", L"Cancel").c_str());
    m_btnCancel.SetSkin(360, 610, IDB_BUTTON_NORMAL, IDB_BUTTON_HOVER, IDB_BUTTON_PRESSED);
    m_btnMinimize.SetSkin(390, 10, IDB_MINIMIZE_NORMAL, IDB_MINIMIZE_HOVER, IDB_MINIMIZE_PRESSED);
    m_btnClose.SetSkin(418, 10, IDB_CLOSE_NORMAL, IDB_CLOSE_HOVER, IDB_CLOSE_PRESSED);
    return TRUE;  // the framework gives the focus to the first tab stop
}

// A page is created inside this window, shown or hidden, and moved to its place at the
// size it gave itself from its background.
template <class Page>
std::unique_ptr<Page> CConfigDlg::CreatePage(UINT templateId, int showCommand) {
    auto page = std::make_unique<Page>();
    page->Create(templateId, this);
    page->ShowWindow(showCommand);
    CRect client;
    page->GetClientRect(&client);
    page->MoveWindow(kPageLeft, kPageTop, client.Width(), client.Height(), TRUE);
    return page;
}

std::wstring CConfigDlg::LoadCaptionText(std::wstring_view key,
                                         std::wstring_view defaultText) const {
    return CaptionTable::Lookup(m_strCaptionPath, key, defaultText);
}

void CConfigDlg::OnPaint() {
    if (IsIconic()) {
        CPaintDC dc(this);  // a minimised window shows only its task bar button here
        return;
    }
    CDialog::OnPaint();
}

HCURSOR CConfigDlg::OnQueryDragIcon() {
    return static_cast<HCURSOR>(m_hIcon);
}

// Every page gets its built-in defaults back; nothing is written until OK.
void CConfigDlg::OnBnClickedDefButton() {
    m_pGraphicDlg->ResetToDefaults();
    m_pSoundDlg->ResetToDefaults();
    m_pInterfaceDlg->ResetToDefaults();
    Invalidate(TRUE);
}

// All three pages' keys go to CONFIG.INI in one step, applied to the file as it is now. A
// save that fails says why and keeps the window open with every edit intact.
void CConfigDlg::OnBnClickedOk() {
    SettingsTransaction save(m_strConfigPath);
    m_pGraphicDlg->SaveSettings(save);
    m_pSoundDlg->SaveSettings(save);
    m_pInterfaceDlg->SaveSettings(save);
    const SaveResult result = save.Commit();
    if (!result) {
        ShowSaveFailure(result);
        return;
    }
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CConfigDlg::ShowSaveFailure(const SaveResult& failure) {
    const std::wstring file = keldra::app::SaveFailurePath::Shown(failure.Path());
    const std::wstring reason = keldra::settings::TextCodec::FromUtf8(failure.Reason());
    const std::wstring text = keldra::app::SaveFailureMessage::Compose(
        LoadCaptionText(L"IDS_SAVE_FAILED", L"Could not save the settings to %s: %s"), file,
        reason);
    std::wstring title;
    GetWindowText(title);
    MessageBox(m_hWnd, text.c_str(), title.c_str(), MB_OK | MB_ICONERROR);
}

void CConfigDlg::OnBnClickedCancel() {
    EndDialog(IDCANCEL);
}

void CConfigDlg::OnDestroy() {
    CDialog::OnDestroy();
    for (CSettingsPage* page : {static_cast<CSettingsPage*>(m_pGraphicDlg.get()),
                                static_cast<CSettingsPage*>(m_pSoundDlg.get()),
                                static_cast<CSettingsPage*>(m_pInterfaceDlg.get())}) {
        if (page != nullptr) page->DestroyWindow();
    }
    m_pGraphicDlg.reset();
    m_pSoundDlg.reset();
    m_pInterfaceDlg.reset();
    SkinnedSurface::Destroy(m_brBack);
    PostQuitMessage(0);
}

BOOL CConfigDlg::OnEraseBkgnd(CDC* dc) {
    return SkinnedSurface::EraseBackground(*this, dc, m_bmpBack);
}

void CConfigDlg::OnBnClickedGraphicTab() {
    ShowPage(m_pGraphicDlg.get());
}

void CConfigDlg::OnBnClickedSoundTab() {
    ShowPage(m_pSoundDlg.get());
}

void CConfigDlg::OnBnClickedInterfaceTab() {
    ShowPage(m_pInterfaceDlg.get());
}

// One page shown, two hidden; its tab pinned pressed; the whole window repainted, children
// included, since the window does not clip them.
void CConfigDlg::ShowPage(const CSettingsPage* shown) {
    const struct {
        CSettingsPage* page;
        CHoverButton& tab;
    } tabs[] = {{m_pGraphicDlg.get(), m_btnGraphic},
                {m_pSoundDlg.get(), m_btnSound},
                {m_pInterfaceDlg.get(), m_btnInterface}};
    for (const auto& t : tabs) t.page->ShowWindow(t.page == shown ? SW_SHOW : SW_HIDE);
    for (const auto& t : tabs) t.tab.SetSelected(t.page == shown ? TRUE : FALSE);
    Invalidate(TRUE);
}

void CConfigDlg::OnBnClickedCloseButton() {
    OnBnClickedCancel();
}

void CConfigDlg::OnBnClickedMinimizeButton() {
    ShowWindow(SW_MINIMIZE);
}

HBRUSH CConfigDlg::OnCtlColor(CDC* dc, CWnd* child, UINT kind) {
    const HBRUSH standard = CDialog::OnCtlColor(dc, child, kind);
    return SkinnedSurface::ControlColour(*this, dc, child, kind, standard, m_brBack);
}

// The window has no title bar: a press on its own surface starts a drag...
void CConfigDlg::OnLButtonDown(UINT flags, CPoint point) {
    m_bDragging = true;
    m_ptDragStart = point;
    SetCapture();
    CDialog::OnLButtonDown(flags, point);
}

// ...the release ends it...
void CConfigDlg::OnLButtonUp(UINT flags, CPoint point) {
    ReleaseCapture();
    m_bDragging = false;
    CDialog::OnLButtonUp(flags, point);
}

// ...and in between the window follows the pointer, which so stays on the same client point.
void CConfigDlg::OnMouseMove(UINT flags, CPoint point) {
    if ((flags & MK_LBUTTON) != 0 && m_bDragging) {
        CRect window;
        GetWindowRect(&window);
        MoveWindow(window.left + point.x - m_ptDragStart.x, window.top + point.y - m_ptDragStart.y,
                   window.Width(), window.Height(), TRUE);
    }
    CDialog::OnMouseMove(flags, point);
}
