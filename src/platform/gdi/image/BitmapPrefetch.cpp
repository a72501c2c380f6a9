#include "platform/gdi/image/BitmapPrefetch.h"

#include <algorithm>

#include "platform/gdi/image/BmpDecoder.h"
#include "platform/kernel/ProgramResources.h"
#include "platform/kernel/Resources.h"

namespace keldra::platform::gdi {

std::shared_ptr<Surface> BitmapPrefetch::Decode(unsigned id) {
    const HRSRC resource = FindResourceW(nullptr, MAKEINTRESOURCEW(id), RT_BITMAP);
    const auto* bytes =
        static_cast<const std::uint8_t*>(LockResource(LoadResource(nullptr, resource)));
    if (bytes == nullptr) return nullptr;
    return BmpDecoder::Decode({bytes, static_cast<std::size_t>(SizeofResource(nullptr, resource))});
}

void BitmapPrefetch::PlanAll() {
    const std::lock_guard lock(mutex_);
    if (planned_) return;
    planned_ = true;
    const auto bitmaps = ProgramResources::CompiledNumbersOf(ResourceName::FromArgument(RT_BITMAP));
    waiting_.assign(bitmaps.begin(), bitmaps.end());
}

void BitmapPrefetch::DecodePlanned() {
    while (const std::optional<unsigned> id = StartNext()) {
        std::shared_ptr<Surface> pixels = Decode(*id);
        const std::lock_guard lock(mutex_);
        if (pixels && !inProgressTaken_) ready_.emplace(*id, std::move(pixels));
        inProgress_.reset();
    }
}

void BitmapPrefetch::DropWaiting() {
    const std::lock_guard lock(mutex_);
    waiting_.clear();
}

std::optional<unsigned> BitmapPrefetch::StartNext() {
    const std::lock_guard lock(mutex_);
    if (waiting_.empty()) return std::nullopt;
    inProgress_ = waiting_.front();
    inProgressTaken_ = false;
    waiting_.pop_front();
    return inProgress_;
}

std::shared_ptr<Surface> BitmapPrefetch::Take(unsigned id) {
    {
        const std::lock_guard lock(mutex_);
        if (const auto it = ready_.find(id); it != ready_.end()) {
            std::shared_ptr<Surface> pixels = std::move(it->second);
            ready_.erase(it);
            return pixels;
        }
        if (const auto it = std::find(waiting_.begin(), waiting_.end(), id); it != waiting_.end()) {
            waiting_.erase(it);
        } else if (inProgress_ == id && !inProgressTaken_) {
            inProgressTaken_ = true;  // the worker's copy will be dropped
        } else {
            return nullptr;
        }
    }
    return Decode(id);
}

}  // namespace keldra::platform::gdi
