#include "detect/CaseFolding.h"

#include <algorithm>
#include <iterator>

#include "detect/CaseFoldingTable.h"

namespace sentrel::detect {

namespace {

// The run whose code points begin at or before `c`, or nullptr.
const CaseFoldRun* runAtOrBefore(char32_t c) {
    const auto* after =
        std::upper_bound(std::begin(kCaseFoldRuns), std::end(kCaseFoldRuns), c,
                         [](char32_t value, const CaseFoldRun& run) { return value < run.first; });
    return after == std::begin(kCaseFoldRuns) ? nullptr : after - 1;
}

bool folds(const CaseFoldRun& run, char32_t c) {
    return c >= run.first && c <= run.last && (c - run.first) % run.stride == 0;
}

}  // namespace

char32_t foldBeyondAscii(char32_t c) {
    const CaseFoldRun* run = runAtOrBefore(c);
    return run && folds(*run, c) ? static_cast<char32_t>(static_cast<int32_t>(c) + run->delta) : c;
}

std::vector<std::pair<char32_t, char32_t>> foldedImages(char32_t low, char32_t high) {
    std::vector<std::pair<char32_t, char32_t>> images;
    const CaseFoldRun* first = runAtOrBefore(low);
    for (const auto* run = first ? first : std::begin(kCaseFoldRuns);
         run != std::end(kCaseFoldRuns) && run->first <= high; ++run) {
        // The run's code points inside [low, high]: from the first on its stride.
        char32_t from = std::max(low, run->first);
        from += (from - run->first) % run->stride;
        const char32_t to = std::min(high, run->last);
        if (from > to) continue;
        const auto image = [&](char32_t c) {
            return static_cast<char32_t>(static_cast<int32_t>(c) + run->delta);
        };
        if (run->stride == 1) {
            images.emplace_back(image(from), image(to));
        } else {
            for (char32_t c = from; c <= to; c += run->stride)
                images.emplace_back(image(c), image(c));
        }
    }
    return images;
}

}  // namespace sentrel::detect
