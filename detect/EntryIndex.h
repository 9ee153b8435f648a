#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "detect/Pattern.h"

namespace sentrel::detect {

// Finds the winning pattern among many without testing them all: the one with the most
// literal characters that matches, ties going to the earlier pattern.
//
// Patterns are ranked once by (literal count descending, position ascending), so the first
// matching pattern in rank order is the winner. Each pattern is filed under one four-letter
// piece of a literal run it requires (the piece fewest patterns share); a text can only match
// patterns filed under pieces it contains, plus those too short on literals to be filed. A
// lookup gathers those candidates, orders them by rank and tests them until one matches.
class EntryIndex {
  public:
    EntryIndex() = default;
    explicit EntryIndex(const std::vector<Pattern>& patterns);

    // Per-thread working memory, reused between lookups.
    struct Scratch {
        std::vector<uint32_t> candidates;
    };

    // The position of the winning pattern for `text`, or -1. `folded` is the text decoded by
    // decodeFolded(); `lowerBytes` is the text with ASCII letters lowered.
    int findBest(const std::vector<Pattern>& patterns, std::string_view lowerBytes,
                 std::u32string_view folded, Scratch& scratch) const;

    size_t unfiledCount() const { return unfiled_.size(); }

  private:
    static constexpr size_t kPieceLength = 4;
    using Piece = uint32_t;

    static Piece pieceAt(std::string_view text, size_t pos);
    static std::vector<Piece> piecesOf(const Pattern& pattern);
    void gatherCandidates(std::string_view lowerBytes, std::vector<uint32_t>& ranks) const;

    std::vector<uint32_t> byRank_;                            // rank -> position
    std::unordered_map<Piece, std::vector<uint32_t>> filed_;  // piece -> ranks
    std::vector<uint32_t> unfiled_;                           // ranks, ascending
};

}  // namespace sentrel::detect
