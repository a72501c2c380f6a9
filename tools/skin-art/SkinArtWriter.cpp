#include "SkinArtWriter.h"

#include <fstream>
#include <stdexcept>

#include "BmpWriter.h"
#include "ButtonArt.h"
#include "IcoWriter.h"
#include "IconArt.h"
#include "MainBackgroundArt.h"
#include "PageBackgroundArt.h"
#include "PageLayouts.h"
#include "Palette.h"
#include "SliderArt.h"
#include "StoneTexture.h"
#include "TabArt.h"
#include "TitleButtonArt.h"

namespace keldra::skinart {

namespace {

constexpr int kOutlineKeyPixels = 4502;
constexpr int kThumbKeyPixels = 99;

struct StateName {
    ButtonState state;
    const char* name;
};
constexpr StateName kStates[] = {{ButtonState::kNormal, "normal"},
                                 {ButtonState::kHover, "hover"},
                                 {ButtonState::kPressed, "pressed"}};

}  // namespace

int SkinArtWriter::CountColour(const Canvas& canvas, Colour colour) {
    int count = 0;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x)
            count += canvas.At(x, y).Quantised() == colour ? 1 : 0;
    }
    return count;
}

void SkinArtWriter::Expect(const std::string& what, int count, int expected) {
    if (count != expected) {
        throw std::runtime_error(what + ": " + std::to_string(count) + " key pixels, expected " +
                                 std::to_string(expected));
    }
}

SkinFile SkinArtWriter::Bitmap(int id, const std::string& role, const Canvas& canvas) {
    return {std::to_string(id) + "-" + role + ".bmp", BmpWriter::Encode(canvas)};
}

std::vector<SkinFile> SkinArtWriter::Draw() {
    const StoneTexture stone;
    std::vector<SkinFile> files;

    const Canvas main = MainBackgroundArt(stone).Paint();
    Expect("main background", CountColour(main, palette::kMagentaKey), kOutlineKeyPixels);
    files.push_back(Bitmap(152, "main-background", main));

    for (const PageLayout& layout : PageLayouts::All()) {
        std::vector<PixelRect> headings;
        for (const DialogRect& heading : layout.headings)
            headings.push_back(DialogUnits::ToPixels(heading));
        const Canvas page = PageBackgroundArt(stone, headings).Paint();
        Expect(layout.role, CountColour(page, palette::kMagentaKey), 0);
        files.push_back(Bitmap(layout.bitmapId, layout.role, page));
    }

    int id = 156;
    for (const StateName& s : kStates)
        files.push_back(
            Bitmap(id++, std::string("button-") + s.name, ButtonArt(stone, s.state).Paint()));

    files.push_back(Bitmap(159, "slider-channel", SliderArt::PaintChannel()));
    const Canvas thumb = SliderArt::PaintThumb();
    Expect("slider thumb", CountColour(thumb, palette::kGreenKey), kThumbKeyPixels);
    files.push_back(Bitmap(160, "slider-thumb", thumb));

    id = 161;
    for (const StateName& s : kStates)
        files.push_back(Bitmap(id++, std::string("tab-") + s.name, TabArt(stone, s.state).Paint()));
    for (const StateName& s : kStates) {
        files.push_back(Bitmap(id++, std::string("minimise-") + s.name,
                               TitleButtonArt(stone, TitleSymbol::kMinimise, s.state).Paint()));
    }
    for (const StateName& s : kStates) {
        files.push_back(Bitmap(id++, std::string("close-") + s.name,
                               TitleButtonArt(stone, TitleSymbol::kClose, s.state).Paint()));
    }

    files.push_back({"128-app.ico", IcoWriter::Encode({IconArt(16).Paint(), IconArt(32).Paint(),
                                                       IconArt(48).Paint()})});
    return files;
}

void SkinArtWriter::WriteAll(const std::filesystem::path& folder) {
    const std::vector<SkinFile> files = Draw();
    std::filesystem::create_directories(folder);
    for (const SkinFile& file : files) {
        std::ofstream out(folder / file.name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(file.bytes.data()),
                  std::streamsize(file.bytes.size()));
        if (!out) throw std::runtime_error("cannot write " + (folder / file.name).string());
    }
}

}  // namespace keldra::skinart
