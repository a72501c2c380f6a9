#include "framework/AfxWindowMap.h"

#include "framework/CWnd.h"

AfxWindowMap& AfxWindowMap::Instance() {
    static AfxWindowMap map;
    return map;
}

CWnd* AfxWindowMap::Permanent(HWND window) const {
    const auto found = permanent_.find(window);
    return found != permanent_.end() ? found->second : nullptr;
}

void AfxWindowMap::Add(HWND window, CWnd* object) {
    permanent_[window] = object;
}

void AfxWindowMap::Remove(HWND window) {
    permanent_.erase(window);
}

CWnd* AfxWindowMap::Temporary(HWND window) {
    auto wrapper = std::make_unique<CWnd>();
    wrapper->m_hWnd = window;
    temporaries_.push_back(std::move(wrapper));
    return temporaries_.back().get();
}

void AfxWindowMap::EnterMessage(const MSG& message) {
    messages_.push_back(message);
}

void AfxWindowMap::LeaveMessage() {
    messages_.pop_back();
    if (messages_.empty()) FreeTemporaries();
}

const MSG* AfxWindowMap::CurrentMessage() const {
    return messages_.empty() ? nullptr : &messages_.back();
}

void AfxWindowMap::FreeTemporaries() {
    // Wrappers only borrow their windows.
    for (auto& wrapper : temporaries_) wrapper->m_hWnd = nullptr;
    temporaries_.clear();
}
