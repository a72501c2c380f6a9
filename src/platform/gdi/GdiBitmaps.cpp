// CreateBitmap, CreateCompatibleBitmap, GetDIBits and LoadBitmap.
#include <cstring>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiHandles.h"
#include "platform/gdi/image/BitmapPrefetch.h"
#include "platform/gdi/image/BmpDecoder.h"
#include "platform/gdi/objects/GdiLookup.h"
#include "platform/kernel/Resources.h"

using namespace keldra::platform::gdi;

namespace {

// Rows of CreateBitmap's bits are padded to 16-bit words; DIB rows to 32-bit words.
std::size_t WordStride(int width, int bits) {
    return (static_cast<std::size_t>(width) * bits + 15) / 16 * 2;
}
std::size_t DibStride(int width, int bits) {
    return (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
}

void ReadMonoBits(Surface& surface, const std::uint8_t* bits) {
    const std::size_t stride = WordStride(surface.Width(), 1);
    for (int y = 0; y < surface.Height(); ++y) {
        const std::uint8_t* row = bits + stride * y;
        auto out = surface.Row(y);
        for (int x = 0; x < surface.Width(); ++x) {
            out[x] = (row[x / 8] & (0x80 >> (x % 8))) ? kWhite : kBlack;
        }
    }
}

void ReadColourBits(Surface& surface, const std::uint8_t* bits, int bitsPerPixel) {
    const std::size_t stride = WordStride(surface.Width(), bitsPerPixel);
    const int step = bitsPerPixel / 8;
    for (int y = 0; y < surface.Height(); ++y) {
        const std::uint8_t* in = bits + stride * y;
        auto out = surface.Row(y);
        for (int x = 0; x < surface.Width(); ++x, in += step) {
            out[x] = PixelFromRgb(in[2], in[1], in[0]);
        }
    }
}

HBITMAP CreateSized(int width, int height, PixelFormat format) {
    if (width < 0 || height < 0) return nullptr;
    // A zero side gives the platform's 1 x 1 monochrome bitmap.
    if (width == 0 || height == 0) {
        return CreateBitmapFromSurface(Surface::Create(1, 1, PixelFormat::Monochrome));
    }
    return CreateBitmapFromSurface(Surface::Create(width, height, format));
}

// Which bitmap row the DIB's scan line lands in: bottom-up DIBs count from the bottom.
int BitmapRowOf(int scan, bool topDown, int bitmapHeight) {
    return topDown ? scan : bitmapHeight - 1 - scan;
}

// Blue, green, red (and a zero byte for 32 bits) per pixel. The step is a constant so that
// the loop over a whole background stays cheap.
template <int Step>
void WriteDibPixels(std::span<const Pixel> row, std::uint8_t* out) {
    for (const Pixel p : row) {
        out[0] = BlueOf(p);
        out[1] = GreenOf(p);
        out[2] = RedOf(p);
        if constexpr (Step == 4) out[3] = 0;
        out += Step;
    }
}

void WriteDibRow(std::span<const Pixel> row, int dibWidth, int bits, std::uint8_t* out) {
    const auto copied = std::min<std::size_t>(static_cast<std::size_t>(dibWidth), row.size());
    const std::size_t step = static_cast<std::size_t>(bits) / 8;
    if (step == 3) {
        WriteDibPixels<3>(row.first(copied), out);
    } else {
        WriteDibPixels<4>(row.first(copied), out);
    }
    // Pixels beyond the bitmap's width and the row's padding are zero.
    std::memset(out + copied * step, 0, DibStride(dibWidth, bits) - copied * step);
}

int DescribeBitmap(const Surface& surface, BITMAPINFOHEADER& header) {
    if (header.biBitCount == 0) {
        header.biWidth = surface.Width();
        header.biHeight = surface.Height();
        header.biPlanes = 1;
        header.biBitCount = surface.IsMonochrome() ? 1 : 32;
        header.biCompression = BI_RGB;
    }
    if (header.biWidth <= 0) return 0;
    const long long rows =
        header.biHeight < 0 ? -static_cast<long long>(header.biHeight) : header.biHeight;
    header.biSizeImage = static_cast<DWORD>(DibStride(header.biWidth, header.biBitCount) * rows);
    return 1;
}

}  // namespace

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
    if (planes != 1 || (bitsPerPixel != 1 && bitsPerPixel != 24 && bitsPerPixel != 32)) {
        return nullptr;
    }
    const auto format = bitsPerPixel == 1 ? PixelFormat::Monochrome : PixelFormat::Colour;
    const HBITMAP bitmap = CreateSized(width, height, format);
    if (bitmap == nullptr || bits == nullptr || width == 0 || height == 0) return bitmap;
    const auto* bytes = static_cast<const std::uint8_t*>(bits);
    if (bitsPerPixel == 1) {
        ReadMonoBits(*SurfaceOf(bitmap), bytes);
    } else {
        ReadColourBits(*SurfaceOf(bitmap), bytes, static_cast<int>(bitsPerPixel));
    }
    return bitmap;
}

HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height) {
    const DeviceContext* context = FindDc(dc);
    if (context == nullptr) return nullptr;
    // A memory context holding a monochrome bitmap (as a new one does) makes monochrome ones.
    const bool mono = context->Type() == DcKind::Memory && context->Target() != nullptr &&
                      context->Target()->IsMonochrome();
    return CreateSized(width, height, mono ? PixelFormat::Monochrome : PixelFormat::Colour);
}

int GetDIBits(HDC dc, HBITMAP bitmap, UINT startScan, UINT scanLines, LPVOID bits,
              LPBITMAPINFO info, UINT usage) {
    const Surface* surface = PixelsOf(bitmap);
    if (FindDc(dc) == nullptr || surface == nullptr || info == nullptr || usage != DIB_RGB_COLORS ||
        info->bmiHeader.biSize < sizeof(BITMAPINFOHEADER)) {
        return 0;
    }
    BITMAPINFOHEADER& header = info->bmiHeader;
    if (bits == nullptr) return DescribeBitmap(*surface, header);
    if (header.biCompression != BI_RGB || (header.biBitCount != 24 && header.biBitCount != 32) ||
        header.biWidth <= 0 || header.biHeight == 0 ||
        !IsSaneSpan(header.biWidth, header.biHeight)) {
        return 0;
    }
    const bool topDown = header.biHeight < 0;
    const long long dibRows = topDown ? -static_cast<long long>(header.biHeight) : header.biHeight;
    const long long lastScan = std::min<long long>(
        {dibRows, surface->Height(), static_cast<long long>(startScan) + scanLines});
    const std::size_t stride = DibStride(header.biWidth, header.biBitCount);
    auto* out = static_cast<std::uint8_t*>(bits);
    int copied = 0;
    for (long long scan = startScan; scan < lastScan; ++scan, ++copied) {
        const int row = BitmapRowOf(static_cast<int>(scan), topDown, surface->Height());
        WriteDibRow(surface->Row(row), header.biWidth, header.biBitCount, out + stride * copied);
    }
    return copied;
}

HBITMAP LoadBitmapW(HINSTANCE instance, LPCWSTR name) {
    if (IS_INTRESOURCE(name)) {
        const auto id = static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(name));
        if (auto decoded = GdiState::Require().Prefetch().Take(id)) {
            return CreateBitmapFromSurface(std::move(decoded));
        }
    }
    HRSRC resource = FindResourceW(instance, name, RT_BITMAP);
    if (resource == nullptr) return nullptr;
    const auto* bytes =
        static_cast<const std::uint8_t*>(LockResource(LoadResource(instance, resource)));
    if (bytes == nullptr) return nullptr;
    return CreateBitmapFromSurface(
        BmpDecoder::Decode({bytes, static_cast<std::size_t>(SizeofResource(instance, resource))}));
}
