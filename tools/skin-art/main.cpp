// skin-art <folder>: draws the window's skin bitmaps and icon into <folder>.
#include <exception>
#include <iostream>

#include "SkinArtWriter.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: skin-art <output folder>\n";
        return 2;
    }
    try {
        keldra::skinart::SkinArtWriter::WriteAll(argv[1]);
    } catch (const std::exception& e) {
        std::cerr << "skin-art: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
