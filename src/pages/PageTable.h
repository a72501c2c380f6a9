// A settings page's controls as one table: a row per control, of the kind of the control
// (label, check box, slider, screen-size list), naming its id, its member, its section and
// key, its built-in default and its caption. The page's data exchange, set-up, defaults,
// loading, saving and captions all walk the same rows, in the order the keys are written.
// A new check box is one Check row and its int member.
#pragma once

#include <cwchar>
#include <span>
#include <string>
#include <variant>

#include "pages/CSettingsPage.h"
#include "pages/CheckRow.h"
#include "pages/LabelRow.h"
#include "pages/ModeListRow.h"
#include "pages/SliderRow.h"

namespace keldra::pages {

template <class Page>
class PageTable {
  public:
    using Label = LabelRow;
    using Check = CheckRow<Page>;
    using Slider = SliderRow<Page>;
    using ModeList = ModeListRow<Page>;
    using Row = std::variant<Label, Check, Slider, ModeList>;
    using Rows = std::span<const Row>;

    // DDX by control id: check boxes as values, sliders and the list as attached controls.
    static void Exchange(Page& page, CDataExchange* dx, Rows rows) {
        ForEach(rows, [&](const auto& r) {
            if constexpr (requires { r.Exchange(page, dx); }) r.Exchange(page, dx);
        });
    }

    // Each control's text from the caption file.
    static void SetCaptions(Page& page, Rows rows) {
        CSettingsPage& base = page;
        ForEach(rows, [&](const auto& r) {
            if constexpr (requires { r.caption; }) base.SetCaption(r.id, r.caption);
        });
    }

    // The list's items, the sliders' skins and ranges.
    static void SetUp(Page& page, Rows rows) {
        ForEach(rows, [&](const auto& r) {
            if constexpr (requires { r.SetUp(page); }) r.SetUp(page);
        });
    }

    // The built-in defaults into the members and controls; writes nothing.
    static void Reset(Page& page, Rows rows) {
        ForEach(rows, [&](const auto& r) {
            if constexpr (requires { r.Reset(page); }) r.Reset(page);
        });
    }

    // Reads every key, each defaulting to what its control shows, in write order but for
    // a row read just before the one it names.
    static void Load(Page& page, Rows rows) {
        const CSettingsPage& base = page;
        const std::wstring& path = base.ConfigPath();
        for (const Row& row : rows) {
            if (ReadBefore(row) != nullptr) continue;  // read with the row it names
            for (const Row& early : rows) {
                if (IsReadBefore(early, row)) LoadRow(page, early, path);
            }
            LoadRow(page, row, path);
        }
    }

    // Adds every key to the save, changed or not.
    static void Save(const Page& page, Rows rows, settings::SettingsTransaction& save) {
        ForEach(rows, [&](const auto& r) {
            if constexpr (requires { r.Save(page, save); }) r.Save(page, save);
        });
    }

  private:
    template <class Visitor>
    static void ForEach(Rows rows, Visitor visit) {
        for (const Row& row : rows) std::visit(visit, row);
    }

    static void LoadRow(Page& page, const Row& row, const std::wstring& path) {
        const auto load = [&](const auto& r) {
            if constexpr (requires { r.Load(page, path); }) r.Load(page, path);
        };
        std::visit(load, row);
    }

    static const wchar_t* ReadBefore(const Row& row) {
        const Check* check = std::get_if<Check>(&row);
        return check != nullptr ? check->readBefore : nullptr;
    }

    static bool IsReadBefore(const Row& early, const Row& row) {
        const wchar_t* before = ReadBefore(early);
        const wchar_t* key = std::visit(
            [](const auto& r) -> const wchar_t* {
                if constexpr (requires { r.key; }) return r.key;
                return nullptr;
            },
            row);
        return before != nullptr && key != nullptr && std::wcscmp(before, key) == 0;
    }
};

}  // namespace keldra::pages
