// The table behind GDI handles. A handle is the table's own number, a slot number and a
// generation, never a pointer, so a stale or made-up handle, or one of an earlier
// session's table, is recognised and refused instead of followed.
// Stock objects live here too; they can be neither deleted nor counted as live.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/objects/GdiObject.h"

namespace keldra::platform::gdi {

class GdiObjectTable {
  public:
    // Used from the user-interface thread only, like the window layer above it.
    GdiObjectTable();
    GdiObjectTable(const GdiObjectTable&) = delete;
    GdiObjectTable& operator=(const GdiObjectTable&) = delete;

    // The new object's handle, or nullptr when object is nullptr.
    HGDIOBJ Add(std::unique_ptr<GdiObject> object);
    HGDIOBJ AddStock(std::unique_ptr<GdiObject> object);

    GdiObject* Find(HGDIOBJ handle) const;
    bool IsStock(HGDIOBJ handle) const;

    // Destroys the object; false for unknown and stock handles.
    bool Remove(HGDIOBJ handle);

    std::size_t LiveCount() const { return live_; }
    std::size_t LiveCount(ObjectKind kind) const;

  private:
    struct Slot {
        std::unique_ptr<GdiObject> object;
        std::uint16_t generation = 0;
        bool stock = false;
    };

    HGDIOBJ Insert(std::unique_ptr<GdiObject> object, bool stock);
    HGDIOBJ MakeHandle(std::size_t index, std::uint16_t generation) const;
    const Slot* SlotOf(HGDIOBJ handle) const;

    const std::uintptr_t number_;  // differs from every other table's of the process
    std::vector<Slot> slots_;
    std::vector<std::size_t> free_;
    std::size_t live_ = 0;
};

}  // namespace keldra::platform::gdi
