// The two hot paths of the skinned windows: building a window region from a background
// bitmap one key pixel at a time, and copying a whole background with BitBlt. Each runs
// next to a baseline in the same program so the ratio can be read off directly.
#include <benchmark/benchmark.h>
#include <windows.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/gdi/GdiHandles.h"

namespace {

constexpr int kWidth = 456;
constexpr int kHeight = 653;

// A main-window background: a key-colour frame (first row, last three rows, first
// column, last three columns) and rounded body corners, 4,502 key pixels in all.
class SkinPixels {
  public:
    SkinPixels() : keys_(static_cast<std::size_t>(kWidth) * kHeight, false) {
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) Key(x, y) = IsFrame(x, y);
        }
        CutCorner(1, 1, +1, +1, 9.6);
        CutCorner(kWidth - 4, 1, -1, +1, 10.0);
        CutCorner(1, kHeight - 4, +1, -1, 10.0);
        CutCorner(kWidth - 4, kHeight - 4, -1, -1, 10.0);
    }
    bool IsKey(int x, int y) const { return keys_[static_cast<std::size_t>(y) * kWidth + x]; }
    int KeyCount() const {
        int count = 0;
        for (const bool key : keys_) count += key ? 1 : 0;
        return count;
    }

  private:
    static bool IsFrame(int x, int y) {
        return y == 0 || y >= kHeight - 3 || x == 0 || x >= kWidth - 3;
    }
    std::vector<bool>::reference Key(int x, int y) {
        return keys_[static_cast<std::size_t>(y) * kWidth + x];
    }
    // Keys the pixels of the body corner at (cornerX, cornerY) outside a circle of radius r;
    // dx, dy point into the body.
    void CutCorner(int cornerX, int cornerY, int dx, int dy, double r) {
        const int n = static_cast<int>(std::ceil(r));
        for (int j = 0; j < n; ++j) {
            for (int i = 0; i < n; ++i) {
                const double cx = i + 0.5 - r, cy = j + 0.5 - r;
                if (cx * cx + cy * cy > r * r) Key(cornerX + dx * i, cornerY + dy * j) = true;
            }
        }
    }

    std::vector<bool> keys_;
};

const SkinPixels& Skin() {
    static const SkinPixels skin;
    return skin;
}

// The way the skin code builds it: the full rectangle, then XOR out every key pixel.
HRGN BuildByPixelXor(const SkinPixels& skin) {
    HRGN region = CreateRectRgn(0, 0, kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (!skin.IsKey(x, y)) continue;
            HRGN pixel = CreateRectRgn(x, y, x + 1, y + 1);
            CombineRgn(region, region, pixel, RGN_XOR);
            DeleteObject(pixel);
        }
    }
    return region;
}

// The baseline: one rectangle per run of body pixels in each row, OR-ed together.
HRGN BuildByRowSpans(const SkinPixels& skin) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    for (int y = 0; y < kHeight; ++y) {
        int x = 0;
        while (x < kWidth) {
            while (x < kWidth && skin.IsKey(x, y)) ++x;
            const int start = x;
            while (x < kWidth && !skin.IsKey(x, y)) ++x;
            if (x == start) continue;
            HRGN run = CreateRectRgn(start, y, x, y + 1);
            CombineRgn(region, region, run, RGN_OR);
            DeleteObject(run);
        }
    }
    return region;
}

// Both builds must give the same area, or the comparison means nothing.
void CheckBuildsAgree() {
    static const bool checked = [] {
        HRGN a = BuildByPixelXor(Skin());
        HRGN b = BuildByRowSpans(Skin());
        const bool same = EqualRgn(a, b) != FALSE && Skin().KeyCount() == 4502;
        DeleteObject(a);
        DeleteObject(b);
        return same;
    }();
    if (!checked) {
        std::fprintf(stderr, "region builds disagree or the key count is not 4502\n");
        std::abort();
    }
}

void BM_RegionByPixelXor(benchmark::State& state) {
    CheckBuildsAgree();
    for (auto _ : state) {
        HRGN region = BuildByPixelXor(Skin());
        benchmark::DoNotOptimize(region);
        DeleteObject(region);
    }
    state.counters["keyPixels"] = Skin().KeyCount();
}
BENCHMARK(BM_RegionByPixelXor)->Unit(benchmark::kMicrosecond);

void BM_RegionByRowSpans(benchmark::State& state) {
    CheckBuildsAgree();
    for (auto _ : state) {
        HRGN region = BuildByRowSpans(Skin());
        benchmark::DoNotOptimize(region);
        DeleteObject(region);
    }
}
BENCHMARK(BM_RegionByRowSpans)->Unit(benchmark::kMicrosecond);

constexpr std::size_t kBackgroundBytes = std::size_t{kWidth} * kHeight * 4;

void BM_BitBltSrcCopyFullBackground(benchmark::State& state) {
    HBITMAP source = CreateBitmap(kWidth, kHeight, 1, 32, nullptr);
    HBITMAP target = CreateBitmap(kWidth, kHeight, 1, 32, nullptr);
    HDC sourceDc = CreateCompatibleDC(nullptr);
    HDC targetDc = CreateCompatibleDC(nullptr);
    HGDIOBJ oldSource = SelectObject(sourceDc, source);
    HGDIOBJ oldTarget = SelectObject(targetDc, target);
    for (auto _ : state) {
        BitBlt(targetDc, 0, 0, kWidth, kHeight, sourceDc, 0, 0, SRCCOPY);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kBackgroundBytes));
    SelectObject(sourceDc, oldSource);
    SelectObject(targetDc, oldTarget);
    DeleteDC(sourceDc);
    DeleteDC(targetDc);
    DeleteObject(source);
    DeleteObject(target);
}
BENCHMARK(BM_BitBltSrcCopyFullBackground)->Unit(benchmark::kMicrosecond);

void BM_MemcpyFullBackground(benchmark::State& state) {
    std::vector<unsigned char> source(kBackgroundBytes, 1), target(kBackgroundBytes);
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), kBackgroundBytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kBackgroundBytes));
}
BENCHMARK(BM_MemcpyFullBackground)->Unit(benchmark::kMicrosecond);

}  // namespace
