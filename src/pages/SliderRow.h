// A page-table row for a skinned slider: the slider member attached to the control, its
// range from 0, and its level stored under its section and key as a number or a word.
#pragma once

#include <afxwin.h>

#include <string>

#include "pages/SliderValue.h"
#include "pages/StoredControlValue.h"
#include "resource.h"
#include "settings/SettingsTransaction.h"
#include "skin/CSkinSliderCtrl.h"

namespace keldra::pages {

template <class Page>
struct SliderRow {
    int id;
    CSkinSliderCtrl Page::*member;
    int maximum;  // a little above the last level's mark, so its thumb keeps some travel
    const wchar_t* section;
    const wchar_t* key;
    SliderForm form;
    int builtInPosition;

    void Exchange(Page& page, CDataExchange* dx) const { DDX_Control(dx, id, page.*member); }

    void SetUp(Page& page) const {
        CSkinSliderCtrl& slider = page.*member;
        slider.LoadSkinBitmaps(IDB_SLIDER_CHANNEL, IDB_SLIDER_THUMB);
        slider.InitRange(0, maximum, FALSE);
    }

    void Reset(Page& page) const { (page.*member).SetPos(builtInPosition); }

    void Load(Page& page, const std::wstring& path) const {
        CSkinSliderCtrl& slider = page.*member;
        slider.SetPos(
            StoredControlValue::ReadSliderPosition(section, key, form, slider.GetPos(), path));
    }

    void Save(const Page& page, settings::SettingsTransaction& save) const {
        save.Write(section, key, StoredControlValue::SliderText(form, (page.*member).GetPos()));
    }
};

}  // namespace keldra::pages
