#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <thread>
#include <vector>

#include "platform/gdi/GdiHandles.h"
#include "platform/gdi/image/BitmapPrefetch.h"
#include "platform/gdi/image/BmpDecoder.h"
#include "platform/gdi/image/FirstWindowPreparation.h"
#include "platform/gdi/state/GdiState.h"

namespace keldra::platform::gdi {
namespace {

constexpr unsigned kFirstSkinBitmap = 152;
constexpr unsigned kLastSkinBitmap = 169;

std::vector<unsigned> SkinBitmapIds() {
    std::vector<unsigned> ids;
    for (unsigned id = kFirstSkinBitmap; id <= kLastSkinBitmap; ++id) ids.push_back(id);
    return ids;
}

std::shared_ptr<Surface> DecodeDirectly(unsigned id) {
    const HRSRC resource = FindResourceW(nullptr, MAKEINTRESOURCEW(id), RT_BITMAP);
    const auto* bytes =
        static_cast<const std::uint8_t*>(LockResource(LoadResource(nullptr, resource)));
    if (bytes == nullptr) return nullptr;
    return BmpDecoder::Decode({bytes, static_cast<std::size_t>(SizeofResource(nullptr, resource))});
}

bool SamePixels(const Surface& a, const Surface& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int y = 0; y < a.Height(); ++y) {
        if (!std::ranges::equal(a.Row(y), b.Row(y))) return false;
    }
    return true;
}

void ExpectEachDecodedOnceAsDirectly(BitmapPrefetch& prefetch, const std::vector<unsigned>& ids) {
    for (const unsigned id : ids) {
        const auto taken = prefetch.Take(id);
        ASSERT_NE(taken, nullptr) << id;
        EXPECT_TRUE(SamePixels(*taken, *DecodeDirectly(id))) << id;
        EXPECT_EQ(prefetch.Take(id), nullptr) << id << " handed out twice";
    }
}

TEST(BitmapPrefetch, HandsOutEveryDecodedBitmapOnceAndAsADirectDecodeGivesIt) {
    BitmapPrefetch prefetch;
    prefetch.PlanAll();
    std::thread worker([&] { prefetch.DecodePlanned(); });
    worker.join();
    ExpectEachDecodedOnceAsDirectly(prefetch, SkinBitmapIds());
}

TEST(BitmapPrefetch, WithoutAPlanOrForAnUnknownIdNothingIsHandedOut) {
    BitmapPrefetch prefetch;
    EXPECT_EQ(prefetch.Take(kFirstSkinBitmap), nullptr);
    prefetch.PlanAll();
    prefetch.DecodePlanned();
    EXPECT_EQ(prefetch.Take(9999), nullptr);
    EXPECT_EQ(prefetch.Take(137), nullptr);  // a resource, but not a bitmap
}

TEST(BitmapPrefetch, TakingWhileTheWorkerDecodesGivesTheSamePictures) {
    // The last ones are taken first: the worker has not reached them, so they are decoded
    // by the taker; the first ones may be in progress and are waited for.
    for (int round = 0; round < 5; ++round) {
        BitmapPrefetch prefetch;
        prefetch.PlanAll();
        std::thread worker([&] { prefetch.DecodePlanned(); });
        std::vector<unsigned> ids = SkinBitmapIds();
        std::ranges::reverse(ids);
        ExpectEachDecodedOnceAsDirectly(prefetch, ids);
        worker.join();
    }
}

TEST(BitmapPrefetch, DroppedPlansAreNotDecoded) {
    BitmapPrefetch prefetch;
    prefetch.PlanAll();
    prefetch.DropWaiting();
    prefetch.DecodePlanned();
    EXPECT_EQ(prefetch.Take(kFirstSkinBitmap), nullptr);
}

TEST(BitmapPrefetch, LoadBitmapTakesThePrefetchedPictureAndDecodesItselfAfterwards) {
    BitmapPrefetch& prefetch = GdiState::Require().Prefetch();
    prefetch.PlanAll();
    prefetch.DecodePlanned();
    HBITMAP prefetched = LoadBitmapW(nullptr, MAKEINTRESOURCEW(kFirstSkinBitmap));
    EXPECT_EQ(prefetch.Take(kFirstSkinBitmap), nullptr) << "LoadBitmap left it there";
    HBITMAP decodedAgain = LoadBitmapW(nullptr, MAKEINTRESOURCEW(kFirstSkinBitmap));
    ASSERT_NE(prefetched, nullptr);
    ASSERT_NE(decodedAgain, nullptr);
    EXPECT_NE(SurfaceOf(prefetched), SurfaceOf(decodedAgain));  // each bitmap its own pixels
    EXPECT_TRUE(SamePixels(*SurfaceOf(prefetched), *DecodeDirectly(kFirstSkinBitmap)));
    EXPECT_TRUE(SamePixels(*SurfaceOf(decodedAgain), *DecodeDirectly(kFirstSkinBitmap)));
    DeleteObject(prefetched);
    DeleteObject(decodedAgain);
}

TEST(FirstWindowPreparation, EndsPromptlyWhenTheProgramDoes) {
    // Built and dropped at once, as when the desktop cannot be reached: nothing is left
    // running and what was not decoded is decoded by LoadBitmap as usual.
    { FirstWindowPreparation preparation; }
    HBITMAP bitmap = LoadBitmapW(nullptr, MAKEINTRESOURCEW(kLastSkinBitmap));
    ASSERT_NE(bitmap, nullptr);
    EXPECT_TRUE(SamePixels(*SurfaceOf(bitmap), *DecodeDirectly(kLastSkinBitmap)));
    DeleteObject(bitmap);
}

}  // namespace
}  // namespace keldra::platform::gdi
