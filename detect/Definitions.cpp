#include "detect/Definitions.h"

#include "detect/TextCompare.h"
#include "detect/Utf8.h"

namespace sentrel::detect {

Definitions::Definitions(BddContent content) : content_(std::move(content)) {
    for (size_t i = 0; i < content_.properties.size(); ++i) {
        propertyByName_.try_emplace(toLowerAscii(content_.properties[i].name), static_cast<int>(i));
    }
    entryPatterns_.reserve(content_.entries.size());
    for (const BrowserEntry& entry : content_.entries) {
        entryPatterns_.emplace_back(entry.matchString);
        if (!defaultEntry_ && entry.name == kDefaultEntryName) defaultEntry_ = &entry;
    }
    for (const FilterRule& filter : content_.filters) {
        filterPatterns_.emplace_back(filter.condition);
        filterSignatures_.push_back(EntryIndex::signatureOf(filterPatterns_.back()));
        filterTargets_.push_back(propertyIndex(filter.property));
    }
    index_ = EntryIndex(entryPatterns_);
    if (!defaultEntry_) {
        emptyDefault_.name = kDefaultEntryName;
        emptyDefault_.parent = "None";
        emptyDefault_.values.resize(content_.properties.size());
        defaultEntry_ = &emptyDefault_;
    }
}

int Definitions::propertyIndex(std::string_view name) const {
    const auto found = propertyByName_.find(toLowerAscii(name));
    return found == propertyByName_.end() ? -1 : found->second;
}

const BrowserEntry& Definitions::detect(std::string_view userAgent,
                                        EntryIndex::Scratch& scratch) const {
    return detectPrepared(decodeFolded(userAgent), scratch);
}

const BrowserEntry& Definitions::detectPrepared(std::u32string_view folded,
                                                EntryIndex::Scratch& scratch) const {
    const int best = index_.findBest(entryPatterns_, folded, scratch);
    return best < 0 ? *defaultEntry_ : content_.entries[best];
}

}  // namespace sentrel::detect
