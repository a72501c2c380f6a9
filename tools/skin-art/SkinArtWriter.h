// Draws every skin bitmap and the icon and writes them into one folder, named by
// resource id and role (152-main-background.bmp ... 128-app.ico). Refuses to write a
// set whose key-colour pixels are not what the window outline and the slider need.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "Canvas.h"

namespace keldra::skinart {

struct SkinFile {
    std::string name;
    std::vector<std::uint8_t> bytes;
};

class SkinArtWriter {
  public:
    static std::vector<SkinFile> Draw();
    static void WriteAll(const std::filesystem::path& folder);

  private:
    static SkinFile Bitmap(int id, const std::string& role, const Canvas& canvas);
    static void Expect(const std::string& what, int count, int expected);
    static int CountColour(const Canvas& canvas, Colour colour);
};

}  // namespace keldra::skinart
