#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sentrel::detect {

// A map from four-byte pieces of text to numbers, stored flat with open addressing: the entry
// index looks up every piece of every user agent, so a lookup must cost a few nanoseconds.
class PieceTable {
  public:
    using Piece = uint32_t;
    static constexpr uint32_t kAbsent = UINT32_MAX;

    // The number stored for `piece`; a piece not held yet is added with kAbsent, for the
    // caller to set.
    uint32_t& at(Piece piece);

    // The number stored for `piece`, or kAbsent.
    uint32_t find(Piece piece) const {
        if (!mayHold(piece)) return kAbsent;
        for (size_t i = slotOf(piece);; i = (i + 1) & mask_) {
            const Slot& slot = slots_[i];
            if (slot.value == kAbsent || slot.piece == piece) return slot.value;
        }
    }

  private:
    struct Slot {
        Piece piece = 0;
        uint32_t value = kAbsent;  // kAbsent: a free slot
    };

    size_t slotOf(Piece piece) const { return (piece * 0x9E3779B1u) >> shift_; }

    // One bit per hash of the pieces held, small enough to stay in the first-level cache:
    // most pieces of a text are not held, and this turns them away without a probe.
    static constexpr size_t kFilterBits = size_t{1} << 16;
    static uint32_t filterBitOf(Piece piece) { return (piece * 0x85EBCA77u) >> 16; }
    bool mayHold(Piece piece) const {
        const uint32_t bit = filterBitOf(piece);
        return !filter_.empty() && (filter_[bit >> 6] >> (bit & 63)) & 1;
    }
    void grow();

    std::vector<Slot> slots_;  // a power of two, at most half full
    std::vector<uint64_t> filter_;
    size_t mask_ = 0;
    int shift_ = 32;
    size_t size_ = 0;
};

}  // namespace sentrel::detect
