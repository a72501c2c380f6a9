// A page-table row for the list of screen sizes (DisplayModeList): the combo box member
// attached to the control, its selection stored as a width and a height.
#pragma once

#include <afxwin.h>

#include <string>

#include "pages/DisplayModeList.h"
#include "pages/StoredControlValue.h"
#include "settings/SettingsTransaction.h"

namespace keldra::pages {

template <class Page>
struct ModeListRow {
    int id;
    CComboBox Page::*member;
    const wchar_t* section;
    const wchar_t* widthKey;
    const wchar_t* heightKey;
    int builtInIndex;

    void Exchange(Page& page, CDataExchange* dx) const { DDX_Control(dx, id, page.*member); }

    void SetUp(Page& page) const {
        for (const auto& mode : DisplayModeList::Modes()) {
            (page.*member).AddString(std::wstring(mode.label).c_str());
        }
    }

    void Reset(Page& page) const { (page.*member).SetCurSel(builtInIndex); }

    void Load(Page& page, const std::wstring& path) const {
        (page.*member)
            .SetCurSel(StoredControlValue::ReadModeIndex(section, widthKey, heightKey, builtInIndex,
                                                         path));
    }

    void Save(const Page& page, settings::SettingsTransaction& save) const {
        StoredControlValue::WriteMode(save, section, widthKey, heightKey,
                                      (page.*member).GetCurSel());
    }
};

}  // namespace keldra::pages
