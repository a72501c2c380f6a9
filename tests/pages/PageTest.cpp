#include "PageTest.h"

#include "settings/SettingsFile.h"
#include "support/TempFolder.h"

namespace keldra::pages::testing {

void PageTest::WriteConfig(std::string_view bytes) {
    keldra::testing::WriteBytes(folder_ / "CONFIG.INI", bytes);
}

std::string PageTest::ConfigBytes() const {
    return keldra::testing::ReadBytes(folder_ / "CONFIG.INI");
}

std::wstring PageTest::Stored(const wchar_t* section, const wchar_t* key) const {
    return settings::SettingsFile::ReadText(section, key, L"<missing>",
                                            (folder_ / "CONFIG.INI").wstring());
}

void PageTest::ThenClickTab(Tab tab) {
    const int left = tab == Tab::Graphic ? 30 : tab == Tab::Sound ? 131 : 232;
    ThenClickButton(left + 50, 60 + 12);
}

void PageTest::ThenClickButton(int x, int y) {
    Then([this, x, y] { ClickAt(x, y); });
    // The skinned buttons follow the pointer until it leaves them.
    Then([this] { host_.MoveMouse({0, 0}); });
}

void PageTest::ClickControl(HWND page, int id) {
    RECT r{};
    ::GetWindowRect(::GetDlgItem(page, id), &r);
    POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ::ScreenToClient(MainWindow(), &centre);
    ClickAt(centre.x, centre.y);
}

void PageTest::ThenDragSlider(HWND (::CConfigDlg::*page)() const, int id, int toX) {
    const auto screenOf = [this, page, id](int x, bool onThumb) {
        HWND slider = ::GetDlgItem((Main().*page)(), id);
        RECT thumb{};
        ::SendMessageW(slider, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
        POINT p{onThumb ? (thumb.left + thumb.right) / 2 : x, (thumb.top + thumb.bottom) / 2};
        ::ClientToScreen(slider, &p);
        return platform::gdi::Point{p.x, p.y};
    };
    Then([this, screenOf] {
        host_.MoveMouse(screenOf(0, true));
        host_.PressLeft();
    });
    Then([this, screenOf, toX] { host_.MoveMouse(screenOf(toX, false)); });
    Then([this] { host_.ReleaseLeft(); });
}

int PageTest::SliderPos(HWND page, int id) {
    return static_cast<int>(::SendMessageW(::GetDlgItem(page, id), TBM_GETPOS, 0, 0));
}

void PageTest::SetSliderPos(HWND page, int id, int position) {
    ::SendMessageW(::GetDlgItem(page, id), TBM_SETPOS, TRUE, position);
}

bool PageTest::Checked(HWND page, int id) {
    return ::SendMessageW(::GetDlgItem(page, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

}  // namespace keldra::pages::testing
