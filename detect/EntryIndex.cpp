#include "detect/EntryIndex.h"

#include <algorithm>
#include <numeric>
#include <unordered_set>
#include <utility>

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

// Adds the letter pairs and the pieces of `text`. A pair is stored as a piece beginning with
// the bytes 0 and 0xFF, which no UTF-8 text holds (a chance clash could only let a pattern
// through to be run, never keep one out).
void EntryIndex::addText(std::string_view text, Signature& signature) {
    for (size_t pos = 0; pos + 2 <= text.size(); ++pos) {
        signature.add(0xFF0000u | static_cast<unsigned char>(text[pos]) << 8 |
                      static_cast<unsigned char>(text[pos + 1]));
        if (pos + kPieceLength <= text.size()) signature.add(pieceAt(text, pos));
    }
}

EntryIndex::Signature EntryIndex::signatureOf(const Pattern& pattern) {
    Signature signature;
    for (const std::string& run : pattern.requiredRuns()) addText(run, signature);
    return signature;
}

EntryIndex::EntryIndex(const std::vector<Pattern>& patterns) {
    byRank_.resize(patterns.size());
    std::iota(byRank_.begin(), byRank_.end(), 0u);
    std::stable_sort(byRank_.begin(), byRank_.end(), [&](uint32_t a, uint32_t b) {
        return patterns[a].literalCount() > patterns[b].literalCount();
    });
    std::vector<std::vector<Piece>> pieces(byRank_.size());  // by rank
    std::vector<Signature> signatures(byRank_.size());
    std::vector<char> live(byRank_.size());  // not empty, not a repeat
    std::unordered_set<std::u32string> seen;
    for (uint32_t rank = 0; rank < byRank_.size(); ++rank) {
        const Pattern& pattern = patterns[byRank_[rank]];
        if (pattern.empty()) continue;  // never matches, never filed
        // A pattern that matches the same texts as an earlier one can never win: the earlier
        // one is ranked first.
        if (!seen.insert(pattern.matchKey()).second) continue;
        live[rank] = 1;
        pieces[rank] = piecesOf(pattern);
        signatures[rank] = signatureOf(pattern);
    }
    fileByRarestPiece(pieces, signatures, live);
}

// Files every pattern with pieces under the one fewest patterns share, in buckets laid out
// one after the other.
void EntryIndex::fileByRarestPiece(const std::vector<std::vector<Piece>>& pieces,
                                   const std::vector<Signature>& signatures,
                                   const std::vector<char>& live) {
    PieceTable sharedBy;
    for (const auto& own : pieces) {
        for (Piece piece : own) {
            uint32_t& count = sharedBy.at(piece);
            count = count == PieceTable::kAbsent ? 1 : count + 1;
        }
    }
    std::vector<std::pair<Piece, uint32_t>> filing;  // rarest piece, rank
    std::vector<uint32_t> unfiled;
    for (uint32_t rank = 0; rank < pieces.size(); ++rank) {
        const auto& own = pieces[rank];
        if (own.empty()) {
            if (live[rank]) unfiled.push_back(rank);
            continue;
        }
        Piece rarest = own.front();
        uint32_t fewest = sharedBy.find(rarest);
        for (Piece piece : own) {
            const uint32_t count = sharedBy.find(piece);
            if (count < fewest) {
                rarest = piece;
                fewest = count;
            }
        }
        filing.emplace_back(rarest, rank);
    }
    std::sort(filing.begin(), filing.end());
    filed_.reserve(filing.size());
    filedSignatures_.reserve(filing.size());
    for (size_t i = 0; i < filing.size(); ++i) {
        if (i == 0 || filing[i].first != filing[i - 1].first) {
            bucketOf_.at(filing[i].first) = static_cast<uint32_t>(bucketStart_.size());
            bucketStart_.push_back(static_cast<uint32_t>(i));
        }
        filed_.push_back(filing[i].second);
        filedSignatures_.push_back(signatures[filing[i].second]);
    }
    unfiledBucket_ = static_cast<uint32_t>(bucketStart_.size());
    unfiledCount_ = unfiled.size();
    bucketStart_.push_back(static_cast<uint32_t>(filed_.size()));
    for (uint32_t rank : unfiled) {
        filed_.push_back(rank);
        filedSignatures_.push_back(signatures[rank]);
    }
    bucketStart_.push_back(static_cast<uint32_t>(filed_.size()));
}

// Opens a cursor on a bucket unless this lookup has opened it already.
void EntryIndex::openBucket(uint32_t bucket, Scratch& scratch) const {
    if (scratch.openedIn[bucket] == scratch.lookup) return;
    scratch.openedIn[bucket] = scratch.lookup;
    const uint32_t begin = bucketStart_[bucket];
    const uint32_t end = bucketStart_[bucket + 1];
    if (begin == end) return;
    scratch.cursors.push_back({filed_[begin], begin, end});
    __builtin_prefetch(&filedSignatures_[begin]);  // read once the walk reaches it
}

// Opens a cursor on every bucket the text can reach, those of its pieces and the bucket of
// the patterns without pieces, and fills the text's signature, in one pass over the folded
// text: a "\u212A" (Kelvin sign) there is a "k", as patterns match it.
void EntryIndex::openBuckets(std::u32string_view folded, Scratch& scratch, Signature& text) const {
    if (scratch.openedIn.size() < bucketStart_.size() || ++scratch.lookup == 0) {
        scratch.openedIn.assign(bucketStart_.size(), 0);  // also when the count wraps
        scratch.lookup = 1;
    }
    scratch.cursors.clear();
    openBucket(unfiledBucket_, scratch);
    Piece piece = 0;  // the last four characters, as pieceAt() reads them
    for (size_t pos = 0; pos < folded.size(); ++pos) {
        // Runs hold ASCII only: any other character stands as a byte no run holds.
        const char32_t c = folded[pos];
        piece = (piece << 8) | (c < 0x80 ? c : kBeyondAscii);
        if (pos < 1) continue;
        text.add(0xFF0000u | (piece & 0xFFFFu));
        if (pos + 1 < kPieceLength) continue;
        text.add(piece);
        const uint32_t bucket = bucketOf_.find(piece);
        if (bucket != PieceTable::kAbsent) openBucket(bucket, scratch);
    }
}

// Walks the reachable buckets together in rank order (each bucket is sorted by rank) and
// tests each pattern whose signature the text covers; the first that matches wins, so the
// patterns ranked below the winner are never looked at.
int EntryIndex::findBest(const std::vector<Pattern>& patterns, std::u32string_view folded,
                         Scratch& scratch) const {
    Signature& text = scratch.text;
    text = Signature();
    openBuckets(folded, scratch, text);
    const auto later = [](const Cursor& a, const Cursor& b) { return a.rank > b.rank; };
    auto& heap = scratch.cursors;
    std::make_heap(heap.begin(), heap.end(), later);
    while (!heap.empty()) {
        std::pop_heap(heap.begin(), heap.end(), later);
        Cursor& next = heap.back();
        if (filedSignatures_[next.at].within(text) &&
            patterns[byRank_[next.rank]].matchesFolded(folded)) {
            return static_cast<int>(byRank_[next.rank]);
        }
        if (++next.at == next.end) {
            heap.pop_back();
        } else {
            next.rank = filed_[next.at];
            __builtin_prefetch(&filedSignatures_[next.at]);
            std::push_heap(heap.begin(), heap.end(), later);
        }
    }
    return -1;
}

}  // namespace sentrel::detect
