#include "detect/EntryIndex.h"

#include <algorithm>
#include <numeric>

namespace sentrel::detect {

EntryIndex::Piece EntryIndex::pieceAt(std::string_view text, size_t pos) {
    Piece piece = 0;
    for (size_t i = 0; i < kPieceLength; ++i) {
        piece = (piece << 8) | static_cast<unsigned char>(text[pos + i]);
    }
    return piece;
}

std::vector<EntryIndex::Piece> EntryIndex::piecesOf(const Pattern& pattern) {
    std::vector<Piece> pieces;
    for (const std::string& run : pattern.requiredRuns()) {
        for (size_t pos = 0; pos + kPieceLength <= run.size(); ++pos) {
            pieces.push_back(pieceAt(run, pos));
        }
    }
    std::sort(pieces.begin(), pieces.end());
    pieces.erase(std::unique(pieces.begin(), pieces.end()), pieces.end());
    return pieces;
}

EntryIndex::EntryIndex(const std::vector<Pattern>& patterns) {
    byRank_.resize(patterns.size());
    std::iota(byRank_.begin(), byRank_.end(), 0u);
    std::stable_sort(byRank_.begin(), byRank_.end(), [&](uint32_t a, uint32_t b) {
        return patterns[a].literalCount() > patterns[b].literalCount();
    });

    std::vector<std::vector<Piece>> pieces(patterns.size());
    std::unordered_map<Piece, uint32_t> sharedBy;
    for (size_t i = 0; i < patterns.size(); ++i) {
        pieces[i] = piecesOf(patterns[i]);
        for (Piece piece : pieces[i]) ++sharedBy[piece];
    }
    for (uint32_t rank = 0; rank < byRank_.size(); ++rank) {
        const uint32_t position = byRank_[rank];
        if (patterns[position].empty()) continue;  // never matches
        const auto& own = pieces[position];
        if (own.empty()) {
            unfiled_.push_back(rank);
            continue;
        }
        const Piece rarest = *std::min_element(
            own.begin(), own.end(), [&](Piece a, Piece b) { return sharedBy[a] < sharedBy[b]; });
        filed_[rarest].push_back(rank);
    }
}

void EntryIndex::gatherCandidates(std::string_view lowerBytes, std::vector<uint32_t>& ranks) const {
    ranks.assign(unfiled_.begin(), unfiled_.end());
    if (filed_.empty()) return;
    for (size_t pos = 0; pos + kPieceLength <= lowerBytes.size(); ++pos) {
        const auto found = filed_.find(pieceAt(lowerBytes, pos));
        if (found != filed_.end()) {
            ranks.insert(ranks.end(), found->second.begin(), found->second.end());
        }
    }
    std::sort(ranks.begin(), ranks.end());
    ranks.erase(std::unique(ranks.begin(), ranks.end()), ranks.end());
}

int EntryIndex::findBest(const std::vector<Pattern>& patterns, std::string_view lowerBytes,
                         std::u32string_view folded, Scratch& scratch) const {
    gatherCandidates(lowerBytes, scratch.candidates);
    for (uint32_t rank : scratch.candidates) {
        const uint32_t position = byRank_[rank];
        if (patterns[position].matchesFolded(folded)) return static_cast<int>(position);
    }
    return -1;
}

}  // namespace sentrel::detect
