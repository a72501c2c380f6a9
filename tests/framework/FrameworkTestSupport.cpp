#include "FrameworkTestSupport.h"

#include "support/DialogTemplateBytes.h"

namespace keldra::framework::testing {

namespace {

LRESULT CALLBACK CheckProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == BM_GETCHECK) return GetWindowLongPtrW(window, GWLP_USERDATA);
    if (message == BM_SETCHECK) {
        SetWindowLongPtrW(window, GWLP_USERDATA, static_cast<LONG_PTR>(wParam));
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void PaintLabel(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(window), WM_CTLCOLORSTATIC,
                                                             reinterpret_cast<WPARAM>(dc),
                                                             reinterpret_cast<LPARAM>(window)));
    if (brush != nullptr) FillRect(dc, &client, brush);
    wchar_t text[64];
    const int length = GetWindowTextW(window, text, 64);
    DrawTextW(dc, text, length, &client, DT_SINGLELINE);
    EndPaint(window, &paint);
}

LRESULT CALLBACK LabelProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PaintLabel(window);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void PaintOwnerDrawn(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(window));
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = GetWindowLongPtrW(window, GWLP_USERDATA) != 0 ? ODS_SELECTED : 0u;
    item.hwndItem = window;
    item.hDC = dc;
    GetClientRect(window, &item.rcItem);
    SendMessageW(GetParent(window), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
    EndPaint(window, &paint);
}

LRESULT CALLBACK OwnerDrawProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            PaintOwnerDrawn(window);
            return 0;
        case WM_LBUTTONDOWN:
            SetWindowLongPtrW(window, GWLP_USERDATA, 1);
            InvalidateRect(window, nullptr, TRUE);
            return 0;
        case WM_LBUTTONUP:
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            InvalidateRect(window, nullptr, TRUE);
            SendMessageW(GetParent(window), WM_COMMAND,
                         MAKEWPARAM(GetDlgCtrlID(window), BN_CLICKED),
                         reinterpret_cast<LPARAM>(window));
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

// Keeps the minimum, maximum and position it is told in its extra slots.
LRESULT CALLBACK SliderProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case TBM_SETRANGEMIN:
            SetWindowLongPtrW(window, 0, lParam);
            return 0;
        case TBM_SETRANGEMAX:
            SetWindowLongPtrW(window, 8, lParam);
            return 0;
        case TBM_SETPOS:
            SetWindowLongPtrW(window, 16, lParam);
            return 0;
        case TBM_GETRANGEMIN:
            return GetWindowLongPtrW(window, 0);
        case TBM_GETRANGEMAX:
            return GetWindowLongPtrW(window, 8);
        case TBM_GETPOS:
            return GetWindowLongPtrW(window, 16);
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

void Register(const wchar_t* name, WNDPROC procedure, int extra = 0) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.lpszClassName = name;
    windowClass.cbWndExtra = extra;
    RegisterClassW(&windowClass);
}

}  // namespace

FrameworkTest::FrameworkTest() {
    session_.Windows().SetHost(&host_);
    Register(kCheckClass, &CheckProcedure);
    Register(kLabelClass, &LabelProcedure);
    Register(kOwnerDrawClass, &OwnerDrawProcedure);
    Register(kSliderClass, &SliderProcedure, 24);
}

FrameworkTest::~FrameworkTest() = default;

void FrameworkTest::RegisterLayout(WORD id, const DialogTemplate& layout) {
    const keldra::testing::DialogTemplateBytes bytes(layout);
    layouts_.push_back(std::make_unique<platform::ScopedResource>(
        RT_DIALOG, id, std::vector<std::uint8_t>(bytes.Bytes().begin(), bytes.Bytes().end())));
}

DialogItemTemplate FrameworkTest::Control(const wchar_t* className, int id, short x, short y,
                                          short cx, short cy, DWORD style) {
    return {static_cast<WORD>(id), className, L"", WS_CHILD | WS_VISIBLE | style, 0, x, y, cx, cy};
}

}  // namespace keldra::framework::testing
