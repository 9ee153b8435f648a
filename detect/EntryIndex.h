#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "detect/Pattern.h"
#include "detect/PieceTable.h"

namespace sentrel::detect {

// Finds the winning pattern among many without testing them all: the one with the most
// literal characters that matches, ties going to the earlier pattern.
//
// Patterns are ranked once by (literal count descending, position ascending), so the first
// matching pattern in rank order is the winner; a pattern that matches the same texts as an
// earlier one (the same Pattern::matchKey()) can never win and is left out. Each pattern is filed
// under one four-letter piece of a literal run it requires (the piece fewest patterns share), in a
// bucket sorted by rank; a text can only match patterns filed under pieces it contains, plus those
// too short on literals to be filed. Every pattern also keeps a signature: the pieces and letter
// pairs of its literal runs hashed into 512 bits. A pattern whose signature holds a bit the text's
// lacks needs something the text does not have, and is passed over without running it.
//
// A lookup walks the buckets its text reaches together, in rank order, and stops at the
// first pattern that matches: patterns ranked below the winner are never looked at.
class EntryIndex {
  public:
    EntryIndex() = default;
    explicit EntryIndex(const std::vector<Pattern>& patterns);

    // Pieces and letter pairs hashed into 512 bits, one cache line.
    struct alignas(64) Signature {
        std::array<uint64_t, 8> bits{};
        void add(PieceTable::Piece piece) {
            const uint32_t bit = (piece * 0x85EBCA6Bu) >> 23;
            bits[bit >> 6] |= uint64_t{1} << (bit & 63);
        }
        // True when every bit of this signature is in `text`'s.
        bool within(const Signature& text) const {
            for (size_t i = 0; i < bits.size(); i += 4) {
                const uint64_t missing =
                    (bits[i] & ~text.bits[i]) | (bits[i + 1] & ~text.bits[i + 1]) |
                    (bits[i + 2] & ~text.bits[i + 2]) | (bits[i + 3] & ~text.bits[i + 3]);
                if (missing != 0) return false;
            }
            return true;
        }
    };

    // The signature of the literal runs every text the pattern matches must hold.
    static Signature signatureOf(const Pattern& pattern);

    // A position in one bucket during a lookup.
    struct Cursor {
        uint32_t rank;  // of the pattern at `at`
        uint32_t at;    // index in the filed patterns
        uint32_t end;   // of the bucket
    };
    // Per-thread working memory, reused between lookups.
    struct Scratch {
        std::vector<Cursor> cursors;
        std::vector<uint32_t> openedIn;  // bucket -> the lookup that last opened it
        uint32_t lookup = 0;
        Signature text;  // of the last text looked up: filters test it before matching
    };

    // The position of the winning pattern for a text, or -1. `folded` is the text decoded by
    // decodeFolded().
    int findBest(const std::vector<Pattern>& patterns, std::u32string_view folded,
                 Scratch& scratch) const;

    size_t unfiledCount() const { return unfiledCount_; }

  private:
    static constexpr size_t kPieceLength = 4;
    static constexpr uint32_t kBeyondAscii = 0x80;
    using Piece = PieceTable::Piece;

    static Piece pieceAt(std::string_view text, size_t pos);
    static std::vector<Piece> piecesOf(const Pattern& pattern);
    static void addText(std::string_view text, Signature& signature);
    void fileByRarestPiece(const std::vector<std::vector<Piece>>& pieces,
                           const std::vector<Signature>& signatures, const std::vector<char>& live);
    void openBucket(uint32_t bucket, Scratch& scratch) const;
    void openBuckets(std::u32string_view folded, Scratch& scratch, Signature& text) const;

    std::vector<uint32_t> byRank_;            // rank -> position
    PieceTable bucketOf_;                     // piece -> bucket
    std::vector<uint32_t> bucketStart_;       // bucket -> first index in filed_, and an end
    std::vector<uint32_t> filed_;             // ranks, ascending within each bucket
    std::vector<Signature> filedSignatures_;  // beside filed_, read in the same order
    uint32_t unfiledBucket_ = 0;              // the bucket of the patterns without pieces
    size_t unfiledCount_ = 0;
};

}  // namespace sentrel::detect
