#include "platform/user/controls/ButtonPainter.h"

#include <algorithm>
#include <string>

#include "platform/user/controls/ClassicColours.h"
#include "platform/user/controls/ControlPainter.h"
#include "platform/user/controls/ControlText.h"
#include "platform/user/controls/ObjectSelection.h"

namespace keldra::platform::user::controls {

void ButtonPainter::Draw(ButtonKind kind, const ButtonState& state, UINT action) const {
    const ObjectSelection font(dc_, FontOf(window_));
    switch (kind) {
        case ButtonKind::CheckBox:
        case ButtonKind::AutoCheckBox:
            DrawCheckBox(state);
            break;
        case ButtonKind::OwnerDraw:
            DrawOwnerDrawn(state, action);
            break;
        case ButtonKind::Push:
            DrawPushButton(state);
            break;
    }
}

void ButtonPainter::DrawCheckBox(const ButtonState& state) const {
    RECT client;
    GetClientRect(window_, &client);
    // Labels, check boxes and radio buttons all ask for the static colours.
    ControlPainter(dc_).Fill(client, ParentBrush(window_, dc_, WM_CTLCOLORSTATIC));
    const int boxTop = client.top + (client.bottom - client.top - kBoxSize) / 2;
    DrawBox(RECT{client.left, boxTop, client.left + kBoxSize, boxTop + kBoxSize}, state);
    DrawLabel(RECT{client.left + kTextLeft, client.top, client.right, client.bottom}, state);
}

void ButtonPainter::DrawBox(const RECT& box, const ButtonState& state) const {
    const ControlPainter painter(dc_);
    painter.SunkenEdge(box);
    const RECT inside{box.left + 2, box.top + 2, box.right - 2, box.bottom - 2};
    const bool dim = state.pushed || !state.enabled;
    painter.Fill(inside, dim ? classic::Face() : classic::Field());
    if (state.checked) {
        painter.CheckMark(box.left + 3, box.top + 3,
                          state.enabled ? classic::Text() : classic::kGrayText);
    }
}

void ButtonPainter::DrawLabel(RECT area, const ButtonState& state) const {
    const std::wstring text = TextOf(window_);
    const auto length = static_cast<int>(text.size());
    if (!state.enabled) SetTextColor(dc_, classic::kGrayText);
    const UINT format = DT_LEFT | DT_VCENTER | DT_SINGLELINE;
    DrawTextW(dc_, text.c_str(), length, &area, format);
    if (!state.focused || text.empty()) return;
    // The focus frame hugs the text, one pixel out, inside the button.
    RECT extent = area;
    DrawTextW(dc_, text.c_str(), length, &extent, format | DT_CALCRECT);
    const int height = extent.bottom - extent.top;
    const int top = area.top + (area.bottom - area.top - height) / 2;
    const RECT focus{extent.left - 1, std::max(area.top, top - 1),
                     std::min(area.right, extent.right + 1),
                     std::min(area.bottom, top + height + 1)};
    ControlPainter(dc_).FocusFrame(focus);
}

void ButtonPainter::DrawPushButton(const ButtonState& state) const {
    RECT client;
    GetClientRect(window_, &client);
    const ControlPainter painter(dc_);
    painter.Fill(client, classic::Face());
    if (state.pushed) {
        painter.Frame(client, classic::kShadow);
    } else {
        painter.RaisedEdge(client);
    }
    const std::wstring text = TextOf(window_);
    const int shift = state.pushed ? 1 : 0;
    RECT textArea{client.left + shift, client.top + shift, client.right + shift,
                  client.bottom + shift};
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, state.enabled ? classic::Text() : classic::kGrayText);
    DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &textArea,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (state.focused) {
        painter.FocusFrame({client.left + 3, client.top + 3, client.right - 3, client.bottom - 3});
    }
}

void ButtonPainter::DrawOwnerDrawn(const ButtonState& state, UINT action) const {
    // The owner may answer the button-colour request; what it draws is its own business.
    ParentBrush(window_, dc_, WM_CTLCOLORBTN);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(window_));
    item.itemAction = action;
    item.itemState = (state.pushed ? ODS_SELECTED : 0u) | (state.focused ? ODS_FOCUS : 0u) |
                     (state.enabled ? 0u : ODS_DISABLED);
    item.hwndItem = window_;
    item.hDC = dc_;
    GetClientRect(window_, &item.rcItem);
    SendMessageW(GetParent(window_), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
}

}  // namespace keldra::platform::user::controls
