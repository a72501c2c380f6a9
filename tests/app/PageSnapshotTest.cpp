// The editor's window as a player sees it, pixel for pixel: each page, the hover and pressed
// looks of the skinned buttons, and the open resolution list. Every picture is compared with
// its reference in tests/app/snapshots/, so a change to the layouts, the artwork, the text or
// the controls' drawing shows up as a failing row with the picture left for a person to see.
//
// With KELDRA_RECORD_SNAPSHOTS naming a folder, the pictures are written there instead of
// compared, to become the new references once a person has looked at them.
#include <png.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "EditorTestSupport.h"
#include "resource.h"
#include "support/ParamName.h"
#include "support/PngImage.h"

namespace keldra::app::testing {
namespace {

using keldra::testing::PngImage;

const std::filesystem::path kReferenceFolder = KELDRA_SNAPSHOT_REFERENCES;
const std::filesystem::path kActualFolder = KELDRA_SNAPSHOT_ACTUAL;

// Where the pointer goes when it should be over no window of the editor.
constexpr POINT kAway{0, 0};

enum class Where { MainWindow, GraphicPage };

// One thing a player does, to a control of the main window or of the Graphic page.
struct Action {
    enum Kind { Click, Hover, HoldDown } kind;
    int control;
    Where in = Where::MainWindow;
};

// What a picture shows: the main window, the drop-down list's own window, or the two as
// they lie on the screen, the list over the main window.
enum class Shot { MainWindow, DroppedList, MainWindowWithList };

struct Snapshot {
    const char* name;  // the row's name and its picture's file name
    std::vector<Action> actions;
    Shot shot = Shot::MainWindow;
};

void PrintTo(const Snapshot& snapshot, std::ostream* out) {
    *out << snapshot.name;
}

std::string Rgba(const PngImage& image, std::size_t pixel) {
    std::ostringstream text;
    text << "RGBA(";
    for (std::size_t channel = 0; channel < 4; ++channel) {
        text << (channel > 0 ? "," : "") << int{image.rgba[pixel * 4 + channel]};
    }
    text << ")";
    return text.str();
}

bool SamePixel(const PngImage& a, const PngImage& b, std::size_t pixel) {
    return std::equal(a.rgba.begin() + static_cast<std::ptrdiff_t>(pixel * 4),
                      a.rgba.begin() + static_cast<std::ptrdiff_t>(pixel * 4 + 4),
                      b.rgba.begin() + static_cast<std::ptrdiff_t>(pixel * 4));
}

bool WritePng(const PngImage& picture, const std::filesystem::path& file) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(picture.width);
    image.height = static_cast<png_uint_32>(picture.height);
    image.format = PNG_FORMAT_RGBA;
    return png_image_write_to_file(&image, file.c_str(), 0, picture.rgba.data(), 0, nullptr) != 0;
}

// Red where the pictures differ, a dimmed copy of the reference elsewhere.
PngImage Difference(const PngImage& expected, const PngImage& actual) {
    PngImage picture = expected;
    for (std::size_t pixel = 0; pixel < picture.rgba.size() / 4; ++pixel) {
        const bool same = SamePixel(expected, actual, pixel);
        for (std::size_t channel = 0; channel < 3; ++channel) {
            auto& value = picture.rgba[pixel * 4 + channel];
            value = static_cast<std::uint8_t>(same ? value / 4 : (channel == 0 ? 255 : 0));
        }
        picture.rgba[pixel * 4 + 3] = 255;
    }
    return picture;
}

// `above` laid over `below` with its top-left corner at (left, top), clipped to `below`.
PngImage Overlay(PngImage below, const PngImage& above, int left, int top) {
    for (int y = std::max(0, top); y < std::min(below.height, top + above.height); ++y) {
        for (int x = std::max(0, left); x < std::min(below.width, left + above.width); ++x) {
            const auto to = (static_cast<std::size_t>(y) * below.width + x) * 4;
            const auto from = (static_cast<std::size_t>(y - top) * above.width + (x - left)) * 4;
            std::copy_n(above.rgba.begin() + static_cast<std::ptrdiff_t>(from), 4,
                        below.rgba.begin() + static_cast<std::ptrdiff_t>(to));
        }
    }
    return below;
}

// Empty when the pictures are equal; otherwise what differs, for the failure message.
std::string Differences(const PngImage& expected, const PngImage& actual) {
    if (expected.width != actual.width || expected.height != actual.height) {
        std::ostringstream text;
        text << "the size differs: expected " << expected.width << "x" << expected.height
             << ", got " << actual.width << "x" << actual.height;
        return text.str();
    }
    const std::size_t pixels = expected.rgba.size() / 4;
    std::size_t differing = 0;
    std::size_t first = pixels;
    for (std::size_t pixel = 0; pixel < pixels; ++pixel) {
        if (SamePixel(expected, actual, pixel)) continue;
        if (differing++ == 0) first = pixel;
    }
    if (differing == 0) return {};
    const auto width = static_cast<std::size_t>(expected.width);
    std::ostringstream text;
    text << differing << " of " << pixels << " pixels differ; the first at (" << first % width
         << ", " << first / width << "): expected " << Rgba(expected, first) << ", got "
         << Rgba(actual, first);
    return text.str();
}

class PageSnapshotTest : public EditorTest, public ::testing::WithParamInterface<Snapshot> {
  protected:
    HWND Control(const Action& action) const {
        HWND parent = action.in == Where::GraphicPage ? Main().GraphicPage() : MainWindow();
        return GetDlgItem(parent, action.control);
    }

    static POINT CentreOf(HWND control) {
        RECT rect{};
        GetWindowRect(control, &rect);
        return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }

    void PointAt(POINT screen) { host_.MoveMouse({screen.x, screen.y}); }

    // Queues the steps of one action; each step is followed by the editor painting.
    void Queue(const Action& action) {
        Then([this, action] {
            HWND control = Control(action);
            ASSERT_NE(control, nullptr) << "no control " << action.control;
            PointAt(CentreOf(control));
        });
        switch (action.kind) {
            case Action::Click:
                Then([this] {
                    host_.PressLeft();
                    host_.ReleaseLeft();
                });
                Then([this] { PointAt(kAway); });  // so no button keeps its hover look
                break;
            case Action::Hover:
                Then([this] { host_.AdvanceTime(1); });  // the buttons' hover time
                break;
            case Action::HoldDown:
                Then([this] { host_.AdvanceTime(1); });
                Then([this] { host_.PressLeft(); });
                break;
        }
    }

    // The shown drop-down list among the editor's top-level windows.
    HWND DroppedList() const {
        for (UINT direction : {GW_HWNDPREV, GW_HWNDNEXT}) {
            for (HWND top = GetWindow(MainWindow(), direction); top != nullptr;
                 top = GetWindow(top, direction)) {
                wchar_t kind[32] = {};
                GetClassNameW(top, kind, 32);
                if (std::wstring(kind) == L"ComboLBox" && IsWindowVisible(top)) return top;
            }
        }
        return nullptr;
    }

    bool SaveShot(Shot shot, const std::filesystem::path& file) const {
        if (shot == Shot::MainWindow) return host_.SavePng(MainWindow(), file);
        HWND list = DroppedList();
        if (list == nullptr) {
            ADD_FAILURE() << "no drop-down list is shown";
            return false;
        }
        if (shot == Shot::DroppedList) return host_.SavePng(list, file);
        const auto listFile = folder_.Path() / "list.png";
        if (!host_.SavePng(MainWindow(), file) || !host_.SavePng(list, listFile)) return false;
        const auto main = PngImage::Read(file);
        const auto shownList = PngImage::Read(listFile);
        if (!main || !shownList) return false;
        const platform::gdi::Rect mainRect = host_.WindowRect(MainWindow());
        const platform::gdi::Rect listRect = host_.WindowRect(list);
        return WritePng(
            Overlay(*main, *shownList, listRect.left - mainRect.left, listRect.top - mainRect.top),
            file);
    }

    // The folder named by KELDRA_RECORD_SNAPSHOTS; empty when comparing.
    static std::filesystem::path RecordFolder() {
        const char* record = std::getenv("KELDRA_RECORD_SNAPSHOTS");
        return record != nullptr ? record : "";
    }

    // The picture's file: in the record folder when recording, beside the build otherwise.
    static std::filesystem::path CapturePath(const std::string& name) {
        const std::filesystem::path folder =
            RecordFolder().empty() ? kActualFolder : RecordFolder();
        std::filesystem::create_directories(folder);
        return folder / (name + ".png");
    }

    void CompareWithReference(const std::string& name, const std::filesystem::path& actualFile) {
        const std::filesystem::path referenceFile = kReferenceFolder / (name + ".png");
        ASSERT_TRUE(std::filesystem::exists(referenceFile))
            << "no reference picture " << referenceFile << "; the actual one is " << actualFile
            << ". Record with KELDRA_RECORD_SNAPSHOTS=<folder>, look at the "
            << "pictures, and copy them into " << kReferenceFolder;
        const auto expected = PngImage::Read(referenceFile);
        const auto actual = PngImage::Read(actualFile);
        ASSERT_TRUE(expected.has_value()) << "cannot read " << referenceFile;
        ASSERT_TRUE(actual.has_value()) << "cannot read " << actualFile;
        const std::string differences = Differences(*expected, *actual);
        if (differences.empty()) {
            std::filesystem::remove(actualFile);  // the folder keeps only what differs
            return;
        }
        const auto differenceFile = kActualFolder / (name + ".diff.png");
        if (expected->width == actual->width && expected->height == actual->height)
            WritePng(Difference(*expected, *actual), differenceFile);
        ADD_FAILURE() << name << ": " << differences << "\n  reference: " << referenceFile
                      << "\n  actual:    " << actualFile << "\n  difference: " << differenceFile;
    }
};

TEST_P(PageSnapshotTest, TheWindowLooksAsRecorded) {
    const Snapshot& snapshot = GetParam();
    for (const Action& action : snapshot.actions) Queue(action);
    const std::filesystem::path file = CapturePath(snapshot.name);
    std::filesystem::remove(file);
    bool saved = false;
    Then([&] { saved = SaveShot(snapshot.shot, file); });
    Then([&] {  // let go elsewhere, so a held button is not clicked
        PointAt(kAway);
        host_.ReleaseLeft();
    });
    RunEditor();
    ASSERT_TRUE(saved) << "no picture was taken";
    if (!RecordFolder().empty()) {
        std::cout << "recorded " << file << " (not compared)\n";
        return;
    }
    CompareWithReference(snapshot.name, file);
}

using enum Action::Kind;

INSTANTIATE_TEST_SUITE_P(
    States, PageSnapshotTest,
    ::testing::Values(Snapshot{"graphic_page", {}},
                      Snapshot{"sound_page", {{Click, IDC_SOUND_TAB}}},
                      Snapshot{"interface_page", {{Click, IDC_INTERFACE_TAB}}},
                      Snapshot{"tab_hover", {{Hover, IDC_SOUND_TAB}}},
                      Snapshot{"ok_hover", {{Hover, IDOK}}},
                      Snapshot{"ok_pressed", {{HoldDown, IDOK}}},
                      Snapshot{"minimise_hover", {{Hover, IDC_MINIMIZE_BUTTON}}},
                      Snapshot{"close_hover", {{Hover, IDC_CLOSE_BUTTON}}},
                      Snapshot{"resolution_list_open",
                               {{Click, IDC_RESOLUTION_COMBO, Where::GraphicPage}},
                               Shot::MainWindowWithList},
                      Snapshot{"resolution_list_popup",
                               {{Click, IDC_RESOLUTION_COMBO, Where::GraphicPage}},
                               Shot::DroppedList}),
    keldra::testing::ParamName<Snapshot>);

}  // namespace
}  // namespace keldra::app::testing
