// Which stored key each check box, slider and the mode list of a page shows and writes.
// Every box gets its own pattern of TRUE and FALSE over a set of files (bit b of the box's
// number in the page's key order, and the opposite), so no two boxes ever read alike: two
// keys swapped, or a box reading its neighbour's key, show on some file. Each file is
// loaded, every box checked against its key, every box clicked once, and OK must write each
// key flipped. Sliders and the mode list get a distinct value per key both ways.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "PageTest.h"

namespace keldra::pages::testing {
namespace {

struct Box {
    int id;
    const char* section;
    const char* key;
    int oppositeId = 0;  // a box that always shows the other state (window mode)
};

// A slider's key, the text loaded into it and its position, and the position set before
// OK with the text that must then be stored.
struct Slider {
    int id;
    const char* section;
    const char* key;
    const char* loaded;
    int loadedPosition;
    int setPosition;
    const char* saved;
};

// The stored screen size, the list position it shows, and the list position chosen before
// OK with the size that must then be stored.
struct Modes {
    const char* loadedWidth;
    const char* loadedHeight;
    int loadedIndex;
    const wchar_t* loadedLabel;
    int chosenIndex;
    const char* savedWidth;
    const char* savedHeight;
};

struct Page {
    const char* name;
    HWND (::CConfigDlg::*window)() const;
    int tabLeft;
    std::vector<Box> boxes;  // in the order the page reads and writes its keys
    std::vector<Slider> sliders;
    const Modes* modes;
};

const Modes kGraphicModes = {"1280", "720", 2, L"1280x720(16:9)", 6, "1680", "1050"};
const Modes kGraphicModesBack = {"1680", "1050", 6, L"1680x1050(16:10)", 2, "1280", "720"};

const Page kGraphic = {
    "Graphic",
    &::CConfigDlg::GraphicPage,
    30,
    {
        {1003, "VIDEO", "FULLSCREEN", 1002},
        {1029, "VIDEO", "REJECT_FIGHT"},
        {1030, "VIDEO", "REJECT_TRADE"},
        {1031, "VIDEO", "REJECT_PARTY"},
        {1038, "USER", "USE_FILTER"},
    },
    {
        {1045, "VIDEO", "GLOW_LEVEL", "1", 1000, 4000, "4"},
        {1046, "VIDEO", "GAMMA", "3", 3000, 0, "0"},
        {1048, "VIDEO", "TEXTURE", "LOW", 0, 1000, "MIDDLE"},
        {1047, "VIDEO", "RANGE", "MIDDLE", 1000, 0, "LOW"},
    },
    &kGraphicModes,
};

const Page kSound = {
    "Sound",
    &::CConfigDlg::SoundPage,
    131,
    {
        {1033, "SOUND", "VOICE_CHAR"},
        {1034, "SOUND", "VOICE_NPC"},
        {1035, "SOUND", "DANGER_DETECT"},
    },
    {
        {1010, "SOUND", "VOL_EFFECT", "1", 1000, 5000, "5"},
        {1011, "SOUND", "VOL_BGM", "4", 4000, 0, "0"},
        {1012, "SOUND", "VOL_WORLD", "2", 2000, 3000, "3"},
    },
    nullptr,
};

const Page kInterface = {
    "Interface",
    &::CConfigDlg::InterfacePage,
    232,
    {
        {1020, "USER", "SHADOW"},
        {1021, "USER", "WATER"},
        {1022, "USER", "USE_MOUSE"},
        {1023, "USER", "INV_MOUSE"},
        {1024, "USER", "INV_MOUSE_UPDOWN"},
        {1026, "USER", "USER_NAME"},
        {1027, "USER", "MY_NAME"},
        {1028, "USER", "MONSTER_NAME"},
        {1032, "USER", "UI_REOPEN"},
        {1033, "USER", "SHOW_INTERFACE"},
        {1034, "VIDEO", "HELMET"},
        {1035, "VIDEO", "CLOAK"},
        {1036, "VIDEO", "WEAPONEFF"},
        {1037, "USER", "TALK_BALLOON"},
        {1039, "USER", "WARNING_MSG"},
        {1040, "USER", "SCREEN_SWING"},
        {1041, "USER", "HIDE_DAMAGE"},
    },
    {
        {1049, "USER", "MOUSE_SENSITIVITY", "2", 2000, 5000, "5"},
    },
    nullptr,
};

// One file of a page: box i holds bit `bit` of i, or its opposite. The opposite files also
// run the sliders and the mode list the other way round.
struct MappingCase {
    const Page* page;
    int bit;
    bool opposite;
};

std::string NameOf(const ::testing::TestParamInfo<MappingCase>& c) {
    return std::string(c.param.page->name) + "_bit" + std::to_string(c.param.bit) +
           (c.param.opposite ? "_opposite" : "");
}

std::vector<MappingCase> AllCases() {
    std::vector<MappingCase> cases;
    for (const Page* page : {&kGraphic, &kSound, &kInterface}) {
        int bits = 0;
        while ((std::size_t{1} << bits) < page->boxes.size()) ++bits;
        for (int bit = 0; bit < bits; ++bit) {
            cases.push_back({page, bit, false});
            cases.push_back({page, bit, true});
        }
    }
    return cases;
}

std::wstring Wide(const char* text) {
    return std::wstring(text, text + std::strlen(text));
}

class PageKeyMappingTest : public PageTest, public ::testing::WithParamInterface<MappingCase> {
  protected:
    bool Stores(std::size_t box) const {
        return (((box >> GetParam().bit) & 1) != 0) != GetParam().opposite;
    }
    const char* Loaded(const Slider& s) const { return GetParam().opposite ? s.saved : s.loaded; }
    int LoadedPosition(const Slider& s) const {
        return GetParam().opposite ? s.setPosition : s.loadedPosition;
    }
    int SetPosition(const Slider& s) const {
        return GetParam().opposite ? s.loadedPosition : s.setPosition;
    }
    const char* Saved(const Slider& s) const { return GetParam().opposite ? s.loaded : s.saved; }
    const Modes& ModesOfCase() const {
        return GetParam().opposite ? kGraphicModesBack : kGraphicModes;
    }

    // The page's keys alone, each in its section.
    std::string File() const {
        const Page& page = *GetParam().page;
        std::string file;
        for (const char* section : {"VIDEO", "USER", "SOUND"}) {
            std::string lines;
            for (std::size_t i = 0; i < page.boxes.size(); ++i) {
                if (std::string(page.boxes[i].section) != section) continue;
                lines += std::string(page.boxes[i].key) + (Stores(i) ? "=TRUE\r\n" : "=FALSE\r\n");
            }
            for (const Slider& s : page.sliders) {
                if (std::string(s.section) == section)
                    lines += std::string(s.key) + "=" + Loaded(s) + "\r\n";
            }
            if (page.modes != nullptr && std::string(section) == "VIDEO") {
                lines += std::string("SIZE_X=") + ModesOfCase().loadedWidth +
                         "\r\nSIZE_Y=" + ModesOfCase().loadedHeight + "\r\n";
            }
            if (!lines.empty()) file += "[" + std::string(section) + "]\r\n" + lines;
        }
        return file;
    }

    HWND Window() const { return (Main().*GetParam().page->window)(); }

    void ExpectEveryControlShowsItsKey() const {
        const Page& page = *GetParam().page;
        for (std::size_t i = 0; i < page.boxes.size(); ++i) {
            const Box& box = page.boxes[i];
            EXPECT_EQ(Checked(Window(), box.id), Stores(i)) << box.key << " on box " << box.id;
            if (box.oppositeId != 0) {
                EXPECT_EQ(Checked(Window(), box.oppositeId), !Stores(i))
                    << box.key << " on box " << box.oppositeId;
            }
        }
        for (const Slider& s : page.sliders) {
            EXPECT_EQ(SliderPos(Window(), s.id), LoadedPosition(s)) << s.key << " on " << s.id;
        }
        if (page.modes != nullptr) {
            const HWND list = ::GetDlgItem(Window(), 1005);
            const auto index = static_cast<int>(::SendMessageW(list, CB_GETCURSEL, 0, 0));
            EXPECT_EQ(index, ModesOfCase().loadedIndex) << "SIZE_X / SIZE_Y";
            wchar_t label[64] = {};
            ::SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(index),
                           reinterpret_cast<LPARAM>(label));
            EXPECT_EQ(std::wstring(label), ModesOfCase().loadedLabel);
        }
    }

    // Clicks every box once (for the window-mode pair, the one not ticked), then moves the
    // sliders and the list to the other values.
    void ThenChangeEveryControl(bool& changed) {
        const Page& page = *GetParam().page;
        for (std::size_t i = 0; i < page.boxes.size(); ++i) {
            const Box& box = page.boxes[i];
            const int target = box.oppositeId != 0 && Stores(i) ? box.oppositeId : box.id;
            Then([this, target] { ClickControl(Window(), target); });
        }
        Then([this, &page, &changed] {
            for (const Slider& s : page.sliders) SetSliderPos(Window(), s.id, SetPosition(s));
            if (page.modes != nullptr) {
                ::SendMessageW(::GetDlgItem(Window(), 1005), CB_SETCURSEL,
                               static_cast<WPARAM>(ModesOfCase().chosenIndex), 0);
            }
            changed = true;
        });
    }
};

TEST_P(PageKeyMappingTest, EachControlShowsAndWritesItsOwnKey) {
    const Page& page = *GetParam().page;
    WriteConfig(File());
    bool shown = false;
    bool changed = false;
    ThenClickButton(page.tabLeft + 50, 60 + 12);
    Then([&] {
        ASSERT_TRUE(::IsWindowVisible(Window()));
        ExpectEveryControlShowsItsKey();
        shown = true;
    });
    ThenChangeEveryControl(changed);
    Then([&] { ClickOk(); });
    ASSERT_EQ(RunEditor(), IDOK) << File();
    ASSERT_TRUE(shown && changed) << "the editor ended before the steps ran";

    for (std::size_t i = 0; i < page.boxes.size(); ++i) {
        const Box& box = page.boxes[i];
        EXPECT_EQ(Stored(Wide(box.section).c_str(), Wide(box.key).c_str()),
                  Stores(i) ? L"FALSE" : L"TRUE")
            << box.key << " after clicking box " << box.id;
    }
    for (const Slider& s : page.sliders) {
        EXPECT_EQ(Stored(Wide(s.section).c_str(), Wide(s.key).c_str()), Wide(Saved(s)))
            << s.key << " after moving slider " << s.id;
    }
    if (page.modes != nullptr) {
        EXPECT_EQ(Stored(L"VIDEO", L"SIZE_X"), Wide(ModesOfCase().savedWidth));
        EXPECT_EQ(Stored(L"VIDEO", L"SIZE_Y"), Wide(ModesOfCase().savedHeight));
    }
}

INSTANTIATE_TEST_SUITE_P(Files, PageKeyMappingTest, ::testing::ValuesIn(AllCases()), NameOf);

}  // namespace
}  // namespace keldra::pages::testing
