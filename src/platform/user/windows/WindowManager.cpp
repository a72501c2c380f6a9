#include "platform/user/windows/WindowManager.h"

#include <algorithm>
#include <atomic>
#include <utility>

#include "platform/host/TracingHost.h"
#include "platform/user/User.h"
#include "platform/user/trace/MessageTrace.h"

namespace keldra::platform::user {

WindowManager::WindowManager() : painter_(*this), placement_(*this), input_(*this) {}

WindowManager::~WindowManager() {
    // The host may be gone already (a test's host ends before its session): nothing more is
    // said to it, and no desktop is opened now.
    for (auto& [handle, window] : windows_) window->Native().Forget();
    hostOpener_ = nullptr;
    tracingHost_.reset();
    host_ = nullptr;
    // What a window keeps of its own (a control's state, a framework object's link to it)
    // is freed when it hears WM_NCDESTROY, so the windows still open are destroyed as
    // DestroyWindow destroys them.
    for (HWND top : std::vector<HWND>(topLevels_.Handles())) Destroy(top);
}

void WindowManager::SetHost(host::Host* host) {
    for (auto& [handle, window] : windows_) window->Native().Forget();
    tracingHost_.reset();
    if (host != nullptr && Trace::On(TraceChannel::Host)) {
        tracingHost_ = std::make_unique<host::TracingHost>(*host);
        host = tracingHost_.get();
    }
    host_ = host;
    if (host_ != nullptr) host_->Attach(&input_);
}

host::Host* WindowManager::OpenHost() {
    if (host_ == nullptr && hostOpener_) {
        const HostOpener opener = std::exchange(hostOpener_, nullptr);
        SetHost(opener());
    }
    return host_;
}

Window* WindowManager::Find(HWND handle) const {
    const auto found = windows_.find(handle);
    return found != windows_.end() ? found->second.get() : nullptr;
}

HWND WindowManager::TopLevelOf(HWND handle) const {
    const Window* window = Find(handle);
    while (window != nullptr && window->IsChild()) {
        const Window* parent = Find(window->Parent());
        if (parent == nullptr) break;
        window = parent;
    }
    return window != nullptr ? window->Handle() : nullptr;
}

bool WindowManager::IsAncestor(HWND ancestor, HWND handle) const {
    for (const Window* w = Find(handle); w != nullptr && w->IsChild(); w = Find(w->Parent())) {
        if (w->Parent() == ancestor) return true;
    }
    return false;
}

HWND WindowManager::NewHandle() {
    // Handles are never reused, not even by a later session of the process, so a stale one
    // (kept by an object that outlived its session) can only name nothing.
    static std::atomic<std::uintptr_t> last{0x10000};
    return reinterpret_cast<HWND>(last += 4);
}

HWND WindowManager::Create(const CreateParams& params) {
    auto windowClass = classes_.Find(params.className);
    if (windowClass == nullptr) return CreateFailed(params, "the class is not registered");
    const bool child = (params.style & WS_CHILD) != 0;
    if (child && params.parent == nullptr) return CreateFailed(params, "a child without a parent");
    if (params.parent != nullptr && Find(params.parent) == nullptr)
        return CreateFailed(params, "the parent window does not exist");
    if (!child) OpenHost();  // the desktop is reached before the first window that shows on it

    const HWND owner = !child && params.parent != nullptr ? TopLevelOf(params.parent) : nullptr;
    auto window = std::make_unique<Window>(NewHandle(), std::move(windowClass), params.style,
                                           params.exStyle, params.parent, owner);
    window->SetText(params.text);
    window->SetBounds(Rect::FromSize(params.rect.left, params.rect.top,
                                     std::max(0, params.rect.Width()),
                                     std::max(0, params.rect.Height())));
    if (child) {
        window->SetId(params.id);
    } else {
        window->DropPixels();
    }
    const HWND handle = window->Handle();
    Link(*window);
    windows_.emplace(handle, std::move(window));

    CREATESTRUCTW create{params.createParam,
                         nullptr,
                         nullptr,
                         params.parent,
                         params.rect.Height(),
                         params.rect.Width(),
                         params.rect.top,
                         params.rect.left,
                         static_cast<LONG>(params.style),
                         params.text.c_str(),
                         params.className.c_str(),
                         params.exStyle};
    const LPARAM createParam = reinterpret_cast<LPARAM>(&create);
    if (!Send(handle, WM_NCCREATE, 0, createParam)) {
        Destroy(handle);
        return CreateFailed(params, "WM_NCCREATE answered FALSE");
    }
    if (Send(handle, WM_CREATE, 0, createParam) == -1) {
        Destroy(handle);
        return CreateFailed(params, "WM_CREATE answered -1");
    }
    if (Find(handle) != nullptr && (params.style & WS_VISIBLE)) placement_.Show(handle, SW_SHOW);
    return Find(handle) != nullptr ? handle : nullptr;
}

void WindowManager::Link(Window& window) {
    if (window.IsChild()) {
        Find(window.Parent())->AddChild(window.Handle());
    } else {
        topLevels_.AddAtTop(window.Handle());
    }
}

void WindowManager::Unlink(Window& window) {
    if (Window* parent = Find(window.Parent()); window.IsChild() && parent != nullptr) {
        parent->RemoveChild(window.Handle());
    } else {
        topLevels_.Remove(window.Handle());
    }
}

void WindowManager::Restack(HWND handle, HWND insertAfter) {
    Window* window = Find(handle);
    if (window == nullptr) return;
    if (Window* parent = window->IsChild() ? Find(window->Parent()) : nullptr) {
        parent->RestackChild(handle, insertAfter);
    } else {
        topLevels_.Place(handle, insertAfter);
    }
}

std::vector<HWND> WindowManager::OwnedWindows(HWND owner) const {
    std::vector<HWND> owned;
    for (HWND top : topLevels_.Handles()) {
        if (const Window* w = Find(top); w != nullptr && w->Owner() == owner) owned.push_back(top);
    }
    return owned;
}

bool WindowManager::Destroy(HWND handle) {
    Window* window = Find(handle);
    if (window == nullptr || window->Destroying()) return false;
    for (HWND owned : OwnedWindows(handle)) Destroy(owned);
    if (window->IsVisibleFlag()) placement_.Show(handle, SW_HIDE);
    SendDestroy(handle);
    Forget(handle);
    return true;
}

// WM_DESTROY goes to the window before its children, WM_NCDESTROY after them.
void WindowManager::SendDestroy(HWND handle) {
    Window* window = Find(handle);
    if (window == nullptr) return;
    window->MarkDestroying();
    Send(handle, WM_DESTROY, 0, 0);
    if ((window = Find(handle)) == nullptr) return;
    for (HWND child : std::vector<HWND>(window->Children())) SendDestroy(child);
    Send(handle, WM_NCDESTROY, 0, 0);
}

void WindowManager::Forget(HWND handle) {
    Window* window = Find(handle);
    if (window == nullptr) return;
    for (HWND child : std::vector<HWND>(window->Children())) Forget(child);
    if (focus_ == handle) focus_ = nullptr;
    if (active_ == handle) active_ = nullptr;
    if (capture_ == handle) ReleaseCapture();
    tracker_.Forget(handle);
    timers_.KillAllOf(handle);
    queue_.DropMessagesFor(handle);
    window->Native().Destroy();
    Unlink(*window);
    windows_.erase(handle);
}

HWND WindowManager::CreateFailed(const CreateParams& params, const char* reason) {
    if (Trace::On(TraceChannel::Create)) MessageTrace::CreateFailed(params.className, reason);
    return nullptr;
}

LRESULT WindowManager::Send(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    return Deliver("send", handle, message, wParam, lParam);
}

LRESULT WindowManager::Deliver(const char* verb, HWND handle, UINT message, WPARAM wParam,
                               LPARAM lParam) {
    const Window* window = Find(handle);
    if (Trace::On(TraceChannel::Message)) [[unlikely]]
        return DeliverTraced(verb, handle, window, message, wParam, lParam);
    if (window == nullptr || window->Procedure() == nullptr) return 0;
    return window->Procedure()(handle, message, wParam, lParam);
}

LRESULT WindowManager::DeliverTraced(const char* verb, HWND handle, const Window* window,
                                     UINT message, WPARAM wParam, LPARAM lParam) {
    MessageTrace::Message(verb, handle, window, message, wParam, lParam);
    if (window == nullptr || window->Procedure() == nullptr) return 0;
    LRESULT result = 0;
    {
        const Trace::Nested nested;
        result = window->Procedure()(handle, message, wParam, lParam);
    }
    MessageTrace::Result(message, Find(handle), result);
    return result;
}

// A null window makes a message for the thread itself, which DispatchMessage drops.
bool WindowManager::Post(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    if (handle != nullptr && Find(handle) == nullptr) return false;
    if (Trace::On(TraceChannel::Message)) [[unlikely]]
        MessageTrace::Message("post", handle, Find(handle), message, wParam, lParam);
    const gdi::Point pointer = input_.Pointer();
    queue_.Post(
        {handle, message, wParam, lParam, static_cast<DWORD>(Now()), {pointer.x, pointer.y}});
    return true;
}

std::optional<MSG> WindowManager::NextMessage(bool remove, bool wait) {
    for (;;) {
        if (auto message = queue_.Take(remove)) {
            if (remove && message->message == WM_TIMER)
                timers_.Delivered(message->hwnd, message->wParam);
            if (remove) input_.KeyTaken(*message);
            return message;
        }
        if (HWND paint = painter_.NextToPaint()) {
            return MSG{paint, WM_PAINT, 0, 0, static_cast<DWORD>(Now()), {0, 0}};
        }
        painter_.PresentChanged();
        if (!wait || host_ == nullptr) return std::nullopt;
        host_->SetWakeTime(NextWakeTime());
        if (!host_->WaitForEvents()) return std::nullopt;
    }
}

std::optional<std::uint64_t> WindowManager::NextWakeTime() const {
    const auto timer = timers_.NextDue();
    const auto hover = tracker_.HoverDue();
    if (timer && hover) return std::min(*timer, *hover);
    return timer ? timer : hover;
}

LRESULT WindowManager::Dispatch(const MSG& message) {
    if (message.message == WM_TIMER && message.lParam != 0) {
        const auto callback = reinterpret_cast<TIMERPROC>(message.lParam);
        callback(message.hwnd, WM_TIMER, message.wParam, static_cast<DWORD>(Now()));
        return 0;
    }
    if (message.message != WM_PAINT)
        return Deliver("dispatch", message.hwnd, message.message, message.wParam, message.lParam);
    // A paint handler that never begins painting would be asked again and again.
    const std::size_t before = painter_.PaintsBegun();
    const LRESULT result =
        Deliver("dispatch", message.hwnd, WM_PAINT, message.wParam, message.lParam);
    if (painter_.PaintsBegun() == before) painter_.Validate(message.hwnd);
    return result;
}

void WindowManager::DispatchUntilIdle() {
    while (auto message = NextMessage(true, false)) {
        if (message->message == WM_QUIT) {
            queue_.PostQuit(static_cast<int>(message->wParam));  // leave it for the loop
            break;
        }
        if (message->message == WM_KEYDOWN) ::TranslateMessage(&*message);
        Dispatch(*message);
    }
    painter_.PresentChanged();
}

HWND WindowManager::SetFocus(HWND handle) {
    if (handle != nullptr && Find(handle) == nullptr) return nullptr;
    const HWND previous = focus_;
    if (previous == handle) return previous;
    focus_ = handle;
    if (previous != nullptr) Send(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(handle), 0);
    // The kill-focus handler may have moved the focus again; the latest wins.
    if (handle != nullptr && focus_ == handle) {
        Send(handle, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    }
    return previous;
}

void WindowManager::Activate(HWND topLevel) {
    if (active_ == topLevel || Find(topLevel) == nullptr) return;
    const HWND previous = active_;
    active_ = topLevel;
    topLevels_.Place(topLevel, HWND_TOP);
    if (previous != nullptr)
        Send(previous, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(topLevel));
    Send(topLevel, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(previous));
}

void WindowManager::Deactivate() {
    const HWND previous = active_;
    active_ = nullptr;
    if (previous != nullptr) Send(previous, WM_ACTIVATE, WA_INACTIVE, 0);
}

HWND WindowManager::SetCapture(HWND handle) {
    if (Find(handle) == nullptr) return nullptr;
    const HWND previous = capture_;
    capture_ = handle;
    if (host_ != nullptr && previous == nullptr) host_->SetMouseCapture(true);
    return previous;
}

void WindowManager::ReleaseCapture() {
    if (capture_ == nullptr) return;
    capture_ = nullptr;
    if (host_ != nullptr) host_->SetMouseCapture(false);
}

}  // namespace keldra::platform::user
