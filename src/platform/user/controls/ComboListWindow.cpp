#include "platform/user/controls/ComboListWindow.h"

#include <algorithm>

#include "platform/user/controls/ClassicColours.h"
#include "platform/user/controls/ControlPainter.h"
#include "platform/user/controls/ControlText.h"
#include "platform/user/controls/ObjectSelection.h"
#include "platform/user/controls/PaintScope.h"

namespace keldra::platform::user::controls {

namespace {

bool Contains(const RECT& rect, POINT point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
           point.y < rect.bottom;
}

POINT PointOf(LPARAM lParam) {
    return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

}  // namespace

ComboListWindow::ComboListWindow(HWND window, const CREATESTRUCTW& create)
    : window_(window), owner_(static_cast<ComboListOwner*>(create.lpCreateParams)) {}

LRESULT ComboListWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            const PaintScope paint(window_);
            Paint(paint.Dc());
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_MOUSEMOVE:
            MouseMove(PointOf(lParam));
            return 0;
        case WM_LBUTTONDOWN:
            MouseDown(PointOf(lParam));
            return 0;
        case WM_LBUTTONUP:
            MouseUp(PointOf(lParam));
            return 0;
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

int ComboListWindow::Count() const {
    return owner_ != nullptr ? static_cast<int>(owner_->Items().size()) : 0;
}

void ComboListWindow::Open(int hot, int visibleLines, bool pressHeld) {
    visibleLines_ = std::max(1, visibleLines);
    hot_ = -1;
    top_ = 0;
    MoveHot(hot);
    openingPressHeld_ = pressHeld;
    itemPressHeld_ = false;
    thumbGrab_.reset();
    SetCapture(window_);
}

void ComboListWindow::Close() {
    thumbGrab_.reset();
    openingPressHeld_ = false;
    itemPressHeld_ = false;
    if (GetCapture() == window_) ReleaseCapture();
    ShowWindow(window_, SW_HIDE);
}

void ComboListWindow::MoveHot(int hot) {
    if (Count() == 0) return;
    hot_ = std::clamp(hot, 0, Count() - 1);
    if (hot_ < top_) top_ = hot_;
    if (hot_ >= top_ + visibleLines_) top_ = hot_ - visibleLines_ + 1;
    InvalidateRect(window_, nullptr, TRUE);
}

RECT ComboListWindow::ItemArea() const {
    RECT client;
    GetClientRect(window_, &client);
    const int right = client.right - 1 - (HasScrollBar() ? kScrollBarWidth : 0);
    return {client.left + 1, client.top + 1, right, client.bottom - 1};
}

RECT ComboListWindow::ScrollBarArea() const {
    RECT client;
    GetClientRect(window_, &client);
    return {client.right - 1 - kScrollBarWidth, client.top + 1, client.right - 1,
            client.bottom - 1};
}

RECT ComboListWindow::ScrollThumb() const {
    const RECT bar = ScrollBarArea();
    const int trackTop = bar.top + kScrollBarWidth;
    const int track = std::max(0, bar.bottom - bar.top - 2 * kScrollBarWidth);
    const int count = std::max(1, Count());
    const int length = std::min(track, std::max(8, track * visibleLines_ / count));
    const int hidden = std::max(1, Count() - visibleLines_);
    const int top = trackTop + (track - length) * top_ / hidden;
    return {bar.left, top, bar.right, top + length};
}

int ComboListWindow::ItemAt(POINT point) const {
    const RECT area = ItemArea();
    if (!Contains(area, point)) return -1;
    const int index = top_ + (point.y - area.top) / kItemHeight;
    return index < Count() ? index : -1;
}

ComboListWindow::ScrollPart ComboListWindow::ScrollPartAt(POINT point) const {
    const RECT bar = ScrollBarArea();
    if (!HasScrollBar() || !Contains(bar, point)) return ScrollPart::None;
    if (point.y < bar.top + kScrollBarWidth) return ScrollPart::LineUp;
    if (point.y >= bar.bottom - kScrollBarWidth) return ScrollPart::LineDown;
    const RECT thumb = ScrollThumb();
    if (point.y < thumb.top) return ScrollPart::PageUp;
    if (point.y >= thumb.bottom) return ScrollPart::PageDown;
    return ScrollPart::Thumb;
}

void ComboListWindow::ScrollTo(int top) {
    top_ = std::clamp(top, 0, std::max(0, Count() - visibleLines_));
    InvalidateRect(window_, nullptr, TRUE);
}

void ComboListWindow::Scroll(ScrollPart part) {
    switch (part) {
        case ScrollPart::LineUp:
            ScrollTo(top_ - 1);
            break;
        case ScrollPart::LineDown:
            ScrollTo(top_ + 1);
            break;
        case ScrollPart::PageUp:
            ScrollTo(top_ - visibleLines_);
            break;
        case ScrollPart::PageDown:
            ScrollTo(top_ + visibleLines_);
            break;
        case ScrollPart::Thumb:
        case ScrollPart::None:
            break;
    }
}

void ComboListWindow::DragThumbTo(int y) {
    const RECT bar = ScrollBarArea();
    const RECT thumb = ScrollThumb();
    const int track = bar.bottom - bar.top - 2 * kScrollBarWidth;
    const int travel = track - (thumb.bottom - thumb.top);
    if (travel <= 0) return;
    const int hidden = Count() - visibleLines_;
    const int offset = std::clamp(y - *thumbGrab_ - (bar.top + kScrollBarWidth), 0, travel);
    ScrollTo((offset * hidden * 2 + travel) / (2 * travel));
}

void ComboListWindow::MouseMove(POINT point) {
    if (thumbGrab_) {
        DragThumbTo(point.y);
        return;
    }
    // A press dragged past the bottom brings the next items into view, one per move.
    const bool pressHeld = openingPressHeld_ || itemPressHeld_;
    if (pressHeld && point.y >= ItemArea().bottom && hot_ + 1 < Count()) {
        MoveHot(hot_ + 1);
        return;
    }
    const int item = ItemAt(point);
    if (item >= 0 && item != hot_) {
        hot_ = item;
        InvalidateRect(window_, nullptr, TRUE);
    }
}

void ComboListWindow::MouseDown(POINT point) {
    openingPressHeld_ = false;
    if (const int item = ItemAt(point); item >= 0) {
        hot_ = item;
        itemPressHeld_ = true;
        InvalidateRect(window_, nullptr, TRUE);
        return;
    }
    if (HasScrollBar() && Contains(ScrollBarArea(), point)) {
        const ScrollPart part = ScrollPartAt(point);
        if (part == ScrollPart::Thumb) thumbGrab_ = point.y - ScrollThumb().top;
        Scroll(part);
        return;
    }
    RECT client;
    GetClientRect(window_, &client);
    // Inside the frame but on no item (an empty list) keeps the list; anywhere else leaves.
    if (!Contains(client, point) && owner_ != nullptr) owner_->ListCancelled();
}

void ComboListWindow::MouseUp(POINT point) {
    thumbGrab_.reset();
    const bool picking = openingPressHeld_ || itemPressHeld_;
    openingPressHeld_ = false;
    itemPressHeld_ = false;
    const int item = ItemAt(point);
    if (picking && item >= 0 && owner_ != nullptr) owner_->ListAccepted(item);
}

void ComboListWindow::Paint(HDC dc) const {
    RECT client;
    GetClientRect(window_, &client);
    const ControlPainter painter(dc);
    painter.Frame(client, classic::kFrame);
    PaintItems(dc);
    if (HasScrollBar()) PaintScrollBar(dc);
}

void ComboListWindow::PaintItems(HDC dc) const {
    const RECT area = ItemArea();
    const ControlPainter painter(dc);
    painter.Fill(area, classic::Field());
    if (owner_ == nullptr) return;
    const ObjectSelection font(dc, FontOf(owner_->Combo()));
    SetBkMode(dc, TRANSPARENT);
    const auto& items = owner_->Items();
    for (int line = 0; line < visibleLines_ && top_ + line < Count(); ++line) {
        const int index = top_ + line;
        const RECT row{area.left, area.top + line * kItemHeight, area.right,
                       area.top + (line + 1) * kItemHeight};
        const bool hot = index == hot_;
        if (hot) painter.Fill(row, classic::kSelection);
        SetTextColor(dc, hot ? classic::kSelectionText : classic::Text());
        RECT text{row.left + 2, row.top, row.right - 1, row.bottom};
        const std::wstring& label = items[static_cast<std::size_t>(index)];
        DrawTextW(dc, label.c_str(), static_cast<int>(label.size()), &text,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

void ComboListWindow::PaintScrollBar(HDC dc) const {
    const RECT bar = ScrollBarArea();
    const ControlPainter painter(dc);
    painter.Fill(bar, classic::kLight);
    const RECT up{bar.left, bar.top, bar.right, bar.top + kScrollBarWidth};
    const RECT down{bar.left, bar.bottom - kScrollBarWidth, bar.right, bar.bottom};
    const RECT thumb = ScrollThumb();
    for (const RECT& button : {up, down, thumb}) {
        painter.Fill(button, classic::Face());
        painter.RaisedEdge(button);
    }
    painter.Arrow(up, ArrowDirection::Up, classic::Text());
    painter.Arrow(down, ArrowDirection::Down, classic::Text());
}

}  // namespace keldra::platform::user::controls
