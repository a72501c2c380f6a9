// A page-table row for a check box: an int member (0 or 1) exchanged with the box's check
// state, stored as TRUE or FALSE under its section and key.
#pragma once

#include <afxwin.h>

#include <string>

#include "pages/PageCaption.h"
#include "pages/SliderValue.h"
#include "pages/StoredControlValue.h"
#include "settings/SettingsTransaction.h"

namespace keldra::pages {

template <class Page>
struct CheckRow {
    int id;
    int Page::*member;
    const wchar_t* section;  // nullptr, with the key, for a box that stores nothing itself
    const wchar_t* key;
    int builtIn;
    PageCaption caption;
    // A box that always shows the opposite state once this one is loaded (window mode
    // against full screen).
    int Page::*opposite = nullptr;
    // The key of a later row that this box is read just before; the write stays in place.
    const wchar_t* readBefore = nullptr;

    void Exchange(Page& page, CDataExchange* dx) const { DDX_Check(dx, id, page.*member); }
    void Reset(Page& page) const { page.*member = builtIn; }

    void Load(Page& page, const std::wstring& path) const {
        if (key == nullptr) return;
        page.*member = StoredControlValue::ReadFlag(section, key, page.*member, path);
        if (opposite != nullptr) page.*opposite = page.*member ? 0 : 1;
    }

    void Save(const Page& page, settings::SettingsTransaction& save) const {
        if (key != nullptr) save.Write(section, key, FlagText(page.*member));
    }
};

}  // namespace keldra::pages
