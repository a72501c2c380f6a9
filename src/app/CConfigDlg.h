// The main window: the shaped, skinned frame with three tabs that choose the visible page,
// the default, OK and Cancel buttons, and the minimise and close title buttons. It has no
// title bar; dragging its own surface moves it.
#pragma once

#include <afxwin.h>

#include <memory>
#include <string>

#include "pages/CGraphicDlg.h"
#include "pages/CInterfaceDlg.h"
#include "pages/CSoundDlg.h"
#include "pages/PageOwner.h"
#include "settings/SaveResult.h"
#include "skin/CHoverButton.h"

class CConfigDlg : public CDialog, public keldra::pages::PageOwner {
  public:
    explicit CConfigDlg(CWnd* parent = nullptr);
    ~CConfigDlg() override;

    // PageOwner
    std::wstring LoadCaptionText(std::wstring_view key,
                                 std::wstring_view defaultText) const override;
    const std::wstring& ConfigPath() const override { return m_strConfigPath; }
    void OnBnClickedOk() override;
    void OnBnClickedCancel() override;

    // The pages' windows, for tools that report the editor's state.
    HWND GraphicPage() const { return m_pGraphicDlg ? m_pGraphicDlg->GetSafeHwnd() : nullptr; }
    HWND InterfacePage() const {
        return m_pInterfaceDlg ? m_pInterfaceDlg->GetSafeHwnd() : nullptr;
    }
    HWND SoundPage() const { return m_pSoundDlg ? m_pSoundDlg->GetSafeHwnd() : nullptr; }

  protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override { OnBnClickedOk(); }
    void OnCancel() override { OnBnClickedCancel(); }

    afx_msg void OnPaint();
    afx_msg HCURSOR OnQueryDragIcon();
    afx_msg void OnBnClickedDefButton();
    afx_msg void OnDestroy();
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg void OnBnClickedGraphicTab();
    afx_msg void OnBnClickedSoundTab();
    afx_msg void OnBnClickedInterfaceTab();
    afx_msg void OnBnClickedCloseButton();
    afx_msg void OnBnClickedMinimizeButton();
    afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* child, UINT kind);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnMouseMove(UINT flags, CPoint point);

    DECLARE_MESSAGE_MAP()

  private:
    template <class Page>
    std::unique_ptr<Page> CreatePage(UINT templateId, int showCommand);
    void ShowPage(const CSettingsPage* page);
    void ShowSaveFailure(const keldra::settings::SaveResult& failure);

    HICON m_hIcon;
    std::wstring m_strConfigPath;
    std::wstring m_strCaptionPath;
    CBitmap m_bmpBack;
    CBrush m_brBack;
    std::unique_ptr<CGraphicDlg> m_pGraphicDlg;
    std::unique_ptr<CSoundDlg> m_pSoundDlg;
    std::unique_ptr<CInterfaceDlg> m_pInterfaceDlg;
    CHoverButton m_btnGraphic;
    CHoverButton m_btnSound;
    CHoverButton m_btnInterface;
    CHoverButton m_btnDefault;
    CHoverButton m_btnOK;
    CHoverButton m_btnCancel;
    CHoverButton m_btnMinimize;
    CHoverButton m_btnClose;
    bool m_bDragging = false;
    CPoint m_ptDragStart;
};
