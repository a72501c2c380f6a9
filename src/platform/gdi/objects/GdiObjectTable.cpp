#include "platform/gdi/objects/GdiObjectTable.h"

#include <atomic>

namespace keldra::platform::gdi {

namespace {

static_assert(sizeof(std::uintptr_t) == 8, "handles hold a table number in their top bits");

constexpr int kGenerationBits = 16;
constexpr int kTableShift = 48;
constexpr std::uintptr_t kGenerationMask = (std::uintptr_t{1} << kGenerationBits) - 1;
constexpr std::uintptr_t kSlotMask = (std::uintptr_t{1} << (kTableShift - kGenerationBits)) - 1;

std::uintptr_t NextTableNumber() {
    static std::atomic<std::uint16_t> made{0};
    return std::uintptr_t{++made} << kTableShift;
}

}  // namespace

GdiObjectTable::GdiObjectTable() : number_(NextTableNumber()) {}

HGDIOBJ GdiObjectTable::MakeHandle(std::size_t index, std::uint16_t generation) const {
    // Slot numbers start at 1 so that no handle is ever null.
    const std::uintptr_t slot = (std::uintptr_t{index} + 1) << kGenerationBits;
    return reinterpret_cast<HGDIOBJ>(number_ | slot | generation);
}

HGDIOBJ GdiObjectTable::Add(std::unique_ptr<GdiObject> object) {
    return Insert(std::move(object), false);
}

HGDIOBJ GdiObjectTable::AddStock(std::unique_ptr<GdiObject> object) {
    return Insert(std::move(object), true);
}

HGDIOBJ GdiObjectTable::Insert(std::unique_ptr<GdiObject> object, bool stock) {
    if (object == nullptr) return nullptr;
    std::size_t index;
    if (free_.empty()) {
        index = slots_.size();
        slots_.emplace_back();
    } else {
        index = free_.back();
        free_.pop_back();
    }
    Slot& slot = slots_[index];
    slot.object = std::move(object);
    slot.stock = stock;
    if (!stock) ++live_;
    return MakeHandle(index, slot.generation);
}

const GdiObjectTable::Slot* GdiObjectTable::SlotOf(HGDIOBJ handle) const {
    const auto value = reinterpret_cast<std::uintptr_t>(handle);
    if ((value & ~(kSlotMask << kGenerationBits | kGenerationMask)) != number_) return nullptr;
    const std::uintptr_t number = (value >> kGenerationBits) & kSlotMask;
    if (number == 0 || number > slots_.size()) return nullptr;
    const Slot& slot = slots_[number - 1];
    if (slot.object == nullptr || slot.generation != (value & kGenerationMask)) return nullptr;
    return &slot;
}

GdiObject* GdiObjectTable::Find(HGDIOBJ handle) const {
    const Slot* slot = SlotOf(handle);
    return slot != nullptr ? slot->object.get() : nullptr;
}

bool GdiObjectTable::IsStock(HGDIOBJ handle) const {
    const Slot* slot = SlotOf(handle);
    return slot != nullptr && slot->stock;
}

bool GdiObjectTable::Remove(HGDIOBJ handle) {
    const Slot* found = SlotOf(handle);
    if (found == nullptr || found->stock) return false;
    const auto index =
        ((reinterpret_cast<std::uintptr_t>(handle) >> kGenerationBits) & kSlotMask) - 1;
    Slot& slot = slots_[index];
    // Take the object out before destroying it, so the table is consistent meanwhile.
    auto object = std::move(slot.object);
    ++slot.generation;
    free_.push_back(index);
    --live_;
    return true;
}

std::size_t GdiObjectTable::LiveCount(ObjectKind kind) const {
    std::size_t count = 0;
    for (const Slot& slot : slots_) {
        if (slot.object != nullptr && !slot.stock && slot.object->Kind() == kind) ++count;
    }
    return count;
}

}  // namespace keldra::platform::gdi
