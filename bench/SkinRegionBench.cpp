// The main window's outline from its background bitmap: the per-pixel exclusive-or build
// the skin uses, next to a build from whole row runs of the same pixels.
#include <benchmark/benchmark.h>
#include <windows.h>

#include "skin/BitmapRegion.h"

namespace {

using keldra::skin::CreateRegionFromBitmap;
using keldra::skin::ReadBitmapPixels;

class MainBackground {
  public:
    MainBackground() : bitmap_(LoadBitmap(nullptr, MAKEINTRESOURCE(152))) {}
    ~MainBackground() { DeleteObject(bitmap_); }
    HBITMAP Get() const { return bitmap_; }

  private:
    HBITMAP bitmap_;
};

bool IsMagenta(const BYTE* pixel) {
    return pixel[0] == 255 && pixel[1] == 0 && pixel[2] == 255;
}

// One rectangle per run of body pixels in a row, joined with RGN_OR.
HRGN RowRunRegion(HBITMAP bitmap) {
    WORD width = 0, height = 0;
    const auto pixels = ReadBitmapPixels(bitmap, width, height);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    for (int y = 0; y < height; ++y) {
        const BYTE* row = pixels.get() + std::size_t{width} * 3 * y;
        for (int x = 0; x < width;) {
            while (x < width && IsMagenta(row + 3 * x)) ++x;
            const int start = x;
            while (x < width && !IsMagenta(row + 3 * x)) ++x;
            if (x > start) {
                HRGN run = CreateRectRgn(start, y, x, y + 1);
                CombineRgn(region, region, run, RGN_OR);
                DeleteObject(run);
            }
        }
    }
    return region;
}

void BM_OutlineByKeyPixelXor(benchmark::State& state) {
    const MainBackground background;
    for (auto _ : state) {
        HRGN region = CreateRegionFromBitmap(background.Get(), 255, 0, 255);
        benchmark::DoNotOptimize(region);
        DeleteObject(region);
    }
}
BENCHMARK(BM_OutlineByKeyPixelXor)->Unit(benchmark::kMicrosecond);

void BM_OutlineByRowRuns(benchmark::State& state) {
    const MainBackground background;
    for (auto _ : state) {
        HRGN region = RowRunRegion(background.Get());
        benchmark::DoNotOptimize(region);
        DeleteObject(region);
    }
}
BENCHMARK(BM_OutlineByRowRuns)->Unit(benchmark::kMicrosecond);

}  // namespace
