// The skin as both builds draw it: the Linux program through its own GDI, the Windows
// program through Wine's. Each page is shown on both and the pixels the skin owns are
// compared: the backgrounds, the outline the window is cut to, the tab and command buttons
// (their captions left out), the sliders' channels and thumbs. Check boxes, the combo box
// and every text are drawn by each system's own controls and fonts and are left out.
//
// KELDRA_SKIN_DIFF_DIR=<folder> keeps the screenshots and a difference picture per page
// there (<page>-linux.png, <page>-windows.png, <page>-diff.png): in the difference picture red
// marks a pixel both builds draw in other colours, blue one only the Linux window's shape
// holds, yellow one only the Windows window's; grey is equal, dark green left out.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "support/TempFolder.h"
#include "wine/DesktopEditor.h"
#include "wine/EditorSpots.h"
#include "wine/InWineSession.h"
#include "wine/ScreenGrab.h"

namespace keldra::testing {
namespace {

using namespace spots;

constexpr int kWidth = 456, kHeight = 653;
constexpr long kShapeArea = 293266;
// Room around a left-out rectangle: the two builds round dialog units apart by a pixel, and a
// control's own drawing (a focus frame, a font's overhang) may reach just past its rect.
constexpr int kMargin = 2;

struct Box {
    int left, top, right, bottom;  // window pixels, right and bottom outside
};

// A control of a page in dialog units, as res/keldra.rc places it.
struct Units {
    int x, y, w, h;
};

Box PageBox(Units u) {
    // MapDialogRect at the 6 x 13 base units both builds give "MS Shell Dlg" 8.
    return {kPageLeft + u.x * 6 / 4 - kMargin, kPageTop + u.y * 13 / 8 - kMargin,
            kPageLeft + (u.x + u.w) * 6 / 4 + kMargin, kPageTop + (u.y + u.h) * 13 / 8 + kMargin};
}

// The middle of a skin button where its caption stands, centred both ways (DT_CENTER |
// DT_VCENTER): `halfWidth` reaches past the widest caption either build's font draws.
Box CaptionBox(int left, int top, int width, int height, int halfWidth, int halfHeight) {
    const int cx = left + width / 2, cy = top + height / 2;
    return {cx - halfWidth, cy - halfHeight, cx + halfWidth, cy + halfHeight};
}

// The main window's captions: tabs (100 x 25 from their skin) and command buttons (81 x 31).
std::vector<Box> CaptionBoxes() {
    return {CaptionBox(30, 60, 100, 25, 32, 9),   CaptionBox(131, 60, 100, 25, 32, 9),
            CaptionBox(232, 60, 100, 25, 32, 9),  CaptionBox(15, 610, 81, 31, 26, 10),
            CaptionBox(277, 610, 81, 31, 26, 10), CaptionBox(360, 610, 81, 31, 26, 10)};
}

struct Page {
    const char* name;
    Spot tab;
    std::vector<Units> controls;  // static texts, check boxes, the combo box
    long limit;                   // differing skin pixels measured and explained: none
};

const std::vector<Page>& Pages() {
    static const std::vector<Page> pages = {
        {"graphic",
         kGraphicTab,
         {// texts
          {20, 18, 137, 8},
          {40, 47, 84, 8},
          {19, 107, 137, 8},
          {27, 133, 87, 8},
          {141, 133, 87, 8},
          {141, 183, 87, 8},
          {27, 183, 87, 8},
          {27, 165, 27, 8},
          {103, 165, 32, 8},
          {19, 238, 137, 8},
          // check boxes
          {160, 42, 57, 18},
          {160, 65, 52, 18},
          {155, 261, 98, 10},
          {39, 283, 98, 10},
          {39, 261, 98, 10},
          {155, 283, 98, 10},
          // the combo box closed: its list (76 units) only drops on a click
          {40, 61, 74, 14}},
         0},
        {"sound",
         kSoundTab,
         {{19, 19, 97, 8},
          {34, 68, 73, 8},
          {34, 102, 73, 8},
          {34, 137, 73, 8},
          {115, 52, 33, 8},
          {197, 52, 26, 8},
          {19, 200, 97, 8},
          {39, 234, 75, 10},
          {155, 234, 75, 10},
          {39, 263, 75, 10}},
         0},
        {"interface",
         kInterfaceTab,
         {{19, 18, 129, 8},   {137, 44, 103, 8},  {137, 77, 22, 8},   {223, 77, 22, 8},
          {19, 118, 129, 8},  {39, 42, 84, 10},   {39, 66, 84, 10},   {39, 90, 96, 10},
          {39, 139, 98, 10},  {39, 162, 98, 10},  {39, 185, 98, 10},  {39, 254, 98, 10},
          {39, 277, 98, 10},  {155, 139, 98, 10}, {155, 162, 98, 10}, {155, 185, 98, 10},
          {155, 208, 98, 10}, {155, 254, 98, 10}, {155, 231, 98, 10}, {155, 277, 98, 10},
          {39, 208, 63, 10},  {39, 231, 57, 10}},
         0},
    };
    return pages;
}

// Which window pixels the comparison covers.
std::vector<bool> SkinMask(const Page& page) {
    std::vector<bool> mask(static_cast<std::size_t>(kWidth) * kHeight, true);
    std::vector<Box> out = CaptionBoxes();
    for (const Units& u : page.controls) out.push_back(PageBox(u));
    for (const Box& b : out)
        for (int y = std::max(b.top, 0); y < std::min(b.bottom, kHeight); ++y)
            for (int x = std::max(b.left, 0); x < std::min(b.right, kWidth); ++x)
                mask[static_cast<std::size_t>(y) * kWidth + x] = false;
    return mask;
}

struct Comparison {
    long colour = 0;       // inside both shapes, other colours
    long linuxOnly = 0;    // inside the Linux window's shape only
    long windowsOnly = 0;  // inside the Windows window's shape only
    long Total() const { return colour + linuxOnly + windowsOnly; }
    std::vector<std::uint32_t> picture;
    std::vector<bool> differs;
};

std::uint32_t Grey(std::uint32_t rgb, int divisor) {
    const std::uint32_t r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    const std::uint32_t v = (r * 30 + g * 59 + b * 11) / 100 / divisor;
    return v << 16 | v << 8 | v;
}

Comparison Compare(const ScreenGrab& linux, const ScreenGrab& windows,
                   const std::vector<bool>& mask) {
    Comparison c;
    c.picture.resize(mask.size());
    c.differs.assign(mask.size(), false);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * kWidth + x;
            const bool inL = linux.Inside(x, y), inW = windows.Inside(x, y);
            std::uint32_t shown = Grey(linux.At(x, y), 2);
            if (!mask[i]) {
                shown = 0x003000 | (Grey(linux.At(x, y), 4) & 0xFF);
            } else if (inL && !inW) {
                ++c.linuxOnly;
                shown = 0x0000FF;
                c.differs[i] = true;
            } else if (inW && !inL) {
                ++c.windowsOnly;
                shown = 0xFFFF00;
                c.differs[i] = true;
            } else if (inL && inW && linux.At(x, y) != windows.At(x, y)) {
                ++c.colour;
                shown = 0xFF0000;
                c.differs[i] = true;
            } else if (!inL) {
                shown = 0x000000;  // outside both: the desktop shows through
            }
            c.picture[i] = shown;
        }
    }
    return c;
}

// Where the differences lie: each 8-connected group's box, size and one pixel pair, so a
// person sees at a glance which part of the skin they belong to.
void DescribeGroups(const Comparison& c, const ScreenGrab& linux, const ScreenGrab& windows) {
    std::vector<bool> seen(c.differs.size(), false);
    int groups = 0;
    for (std::size_t start = 0; start < c.differs.size(); ++start) {
        if (!c.differs[start] || seen[start]) continue;
        Box box{kWidth, kHeight, -1, -1};
        long count = 0;
        std::vector<std::size_t> todo{start};
        seen[start] = true;
        while (!todo.empty()) {
            const std::size_t i = todo.back();
            todo.pop_back();
            ++count;
            const int x = static_cast<int>(i % kWidth), y = static_cast<int>(i / kWidth);
            box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                   std::max(box.bottom, y + 1)};
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= kWidth || ny >= kHeight) continue;
                    const std::size_t n = static_cast<std::size_t>(ny) * kWidth + nx;
                    if (c.differs[n] && !seen[n]) {
                        seen[n] = true;
                        todo.push_back(n);
                    }
                }
            }
        }
        if (++groups > 40) continue;
        const int x = static_cast<int>(start % kWidth), y = static_cast<int>(start / kWidth);
        char line[200];
        std::snprintf(line, sizeof line,
                      "    group (%d,%d)-(%d,%d) %ld px, first (%d,%d) linux %06X%s windows "
                      "%06X%s\n",
                      box.left, box.top, box.right, box.bottom, count, x, y, linux.At(x, y),
                      linux.Inside(x, y) ? "" : " (outside)", windows.At(x, y),
                      windows.Inside(x, y) ? "" : " (outside)");
        std::cout << line;
    }
    if (groups > 40) std::cout << "    ... " << groups << " groups in all\n";
}

void Pause(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

class SkinPixelsTest : public InWineSession<::testing::TestWithParam<std::string>> {
  protected:
    void SetUp() override {
        InWineSession::SetUp();
        if (const char* dir = std::getenv("KELDRA_SKIN_DIFF_DIR"); dir != nullptr && *dir) {
            out_ = dir;
            std::filesystem::create_directories(out_);
        } else {
            out_ = folder_.Path();
        }
    }

    // The page as one build shows it, the pointer away from every button so no hover image
    // shows; the window's screen pixels once two looks in a row agree.
    std::optional<ScreenGrab> Shot(EditorBuild build, const Page& page) {
        const std::filesystem::path game =
            folder_ / (build == EditorBuild::Linux ? "linux" : "windows");
        std::filesystem::create_directory(game);  // no CONFIG.INI: the default one
        DesktopEditor editor(build, game);
        EXPECT_TRUE(editor.HasWindow()) << "no window: " << editor.Errors();
        if (!editor.HasWindow()) return std::nullopt;
        auto g = editor.Geometry();
        EXPECT_EQ(g["WIDTH"], std::to_string(kWidth));
        EXPECT_EQ(g["HEIGHT"], std::to_string(kHeight));
        editor.ClickAt(page.tab);
        editor.MoveTo({-20, 300});  // off the window: every button's hover ends
        editor.Settle();
        const Spot place = editor.Place();
        const unsigned long window = std::stoul(editor.Window());
        std::optional<ScreenGrab> last;
        for (int look = 0; look < 20; ++look) {
            Pause(300);
            ScreenGrab now =
                ScreenGrab::Take(WineSession::Display(), window, place.x, place.y, kWidth, kHeight);
            if (now.width == 0) break;
            if (last && last->rgb == now.rgb && last->inside == now.inside) break;
            last = std::move(now);
        }
        EXPECT_TRUE(last.has_value()) << "the screen could not be read";
        editor.ClickAt(kCancel);
        EXPECT_EQ(editor.WaitForExit(), 0) << editor.Errors();
        return last;
    }

    TempFolder folder_;
    std::filesystem::path out_;
};

TEST_P(SkinPixelsTest, BothBuildsDrawTheSameSkin) {
    const Page* page = nullptr;
    for (const Page& p : Pages())
        if (GetParam() == p.name) page = &p;
    ASSERT_NE(page, nullptr);

    const std::optional<ScreenGrab> linux = Shot(EditorBuild::Linux, *page);
    const std::optional<ScreenGrab> windows = Shot(EditorBuild::Windows, *page);
    ASSERT_TRUE(linux && windows);

    // Both windows are cut to the main background's outline (its magenta left out).
    for (const ScreenGrab* grab : {&*linux, &*windows})
        EXPECT_EQ(std::count(grab->inside.begin(), grab->inside.end(), true), kShapeArea);

    const std::vector<bool> mask = SkinMask(*page);
    const long compared = std::count(mask.begin(), mask.end(), true);
    const Comparison c = Compare(*linux, *windows, mask);
    const std::string name = page->name;
    EXPECT_TRUE(WriteRgbPng(out_ / (name + "-linux.png"), kWidth, kHeight, linux->rgb));
    EXPECT_TRUE(WriteRgbPng(out_ / (name + "-windows.png"), kWidth, kHeight, windows->rgb));
    EXPECT_TRUE(WriteRgbPng(out_ / (name + "-diff.png"), kWidth, kHeight, c.picture));

    std::cout << "[ skin     ] " << name << ": " << c.Total() << " differing of " << compared
              << " skin pixels (colour " << c.colour << ", Linux shape only " << c.linuxOnly
              << ", Windows shape only " << c.windowsOnly << "); pictures in " << out_.string()
              << (std::getenv("KELDRA_SKIN_DIFF_DIR")
                      ? ""
                      : " (removed; KELDRA_SKIN_DIFF_DIR keeps them)")
              << "\n";
    DescribeGroups(c, *linux, *windows);
    EXPECT_LE(c.Total(), page->limit);
}

INSTANTIATE_TEST_SUITE_P(Pages, SkinPixelsTest, ::testing::Values("graphic", "sound", "interface"),
                         [](const auto& param) { return param.param; });

}  // namespace
}  // namespace keldra::testing
