#include "detect/PieceTable.h"

#include <bit>
#include <utility>

namespace sentrel::detect {

void PieceTable::grow() {
    std::vector<Slot> old = std::move(slots_);
    const size_t capacity = old.empty() ? 16 : old.size() * 2;
    slots_.assign(capacity, Slot{});
    mask_ = capacity - 1;
    shift_ = 32 - std::countr_zero(capacity);
    size_ = 0;
    for (const Slot& slot : old) {
        if (slot.value != kAbsent) at(slot.piece) = slot.value;
    }
}

uint32_t& PieceTable::at(Piece piece) {
    if ((size_ + 1) * 2 > slots_.size()) grow();
    if (filter_.empty()) filter_.assign(kFilterBits / 64, 0);
    const uint32_t bit = filterBitOf(piece);
    filter_[bit >> 6] |= uint64_t{1} << (bit & 63);
    for (size_t i = slotOf(piece);; i = (i + 1) & mask_) {
        Slot& slot = slots_[i];
        if (slot.value == kAbsent) {
            ++size_;
            slot.piece = piece;
            return slot.value;
        }
        if (slot.piece == piece) return slot.value;
    }
}

}  // namespace sentrel::detect
