#include "platform/user/controls/ComboItems.h"

#include <algorithm>
#include <cwctype>

namespace keldra::platform::user::controls {

const std::wstring& ComboItems::SelectedText() const {
    static const std::wstring none;
    return selection_ >= 0 ? items_[static_cast<std::size_t>(selection_)] : none;
}

int ComboItems::Insert(int at, std::wstring text) {
    if (at > Count()) return -1;
    const int index = at < 0 ? Count() : at;
    items_.insert(items_.begin() + index, std::move(text));
    if (selection_ >= index) ++selection_;
    return index;
}

int ComboItems::Erase(WPARAM index) {
    if (!IsValid(index)) return -1;
    const int removed = static_cast<int>(index);
    items_.erase(items_.begin() + removed);
    if (selection_ == removed) selection_ = -1;
    if (selection_ > removed) --selection_;
    return Count();
}

void ComboItems::Clear() {
    items_.clear();
    selection_ = -1;
}

int ComboItems::Select(WPARAM index) {
    selection_ = IsValid(index) ? static_cast<int>(index) : -1;
    return selection_;
}

int ComboItems::NextStartingWith(wchar_t letter, int from) const {
    const auto wanted = std::towlower(static_cast<wint_t>(letter));
    for (int step = 1; step <= Count(); ++step) {
        const int index = (std::max(from, -1) + step) % Count();
        const std::wstring& item = items_[static_cast<std::size_t>(index)];
        if (!item.empty() && std::towlower(static_cast<wint_t>(item.front())) == wanted) {
            return index;
        }
    }
    return -1;
}

int ComboItems::KeyTarget(WPARAM key, int from, int page) const {
    const int last = Count() - 1;
    if (last < 0) return -1;
    const int start = std::max(from, -1);
    switch (key) {
        case VK_UP:
        case VK_LEFT:
            return std::max(0, start - 1);
        case VK_DOWN:
        case VK_RIGHT:
            return std::min(last, start + 1);
        case VK_PRIOR:
            return std::max(0, start - page);
        case VK_NEXT:
            return std::min(last, std::max(0, start) + page);
        case VK_HOME:
            return 0;
        case VK_END:
            return last;
        default:
            return -1;
    }
}

}  // namespace keldra::platform::user::controls
