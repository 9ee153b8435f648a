#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "detect/BddContent.h"
#include "detect/EntryIndex.h"
#include "detect/Pattern.h"

namespace sentrel::detect {

// The content of one BDD made ready for detection: match strings and filter conditions
// compiled, entries indexed, property names looked up without regard to case. Immutable
// once built, so any number of threads can use one instance at the same time.
class Definitions {
  public:
    static constexpr std::string_view kDefaultEntryName = "DefaultBrowser";

    explicit Definitions(BddContent content);
    Definitions(const Definitions&) = delete;  // holds pointers into itself
    Definitions& operator=(const Definitions&) = delete;

    const BddContent& content() const { return content_; }
    const std::vector<PropertyDef>& properties() const { return content_.properties; }
    const std::vector<FilterRule>& filters() const { return content_.filters; }
    const Pattern& filterPattern(size_t filter) const { return filterPatterns_[filter]; }
    // What a text must hold for the filter's condition to match it (EntryIndex::Signature):
    // a user agent whose signature lacks it is passed over without running the pattern.
    const EntryIndex::Signature& filterSignature(size_t filter) const {
        return filterSignatures_[filter];
    }
    // The property a filter sets, or -1 when the file declares no such property.
    int filterTarget(size_t filter) const { return filterTargets_[filter]; }

    // The entry for a user agent: of the entries whose match string matches, the one with
    // the most literal characters, ties going to the earlier entry; with no match the entry
    // named "DefaultBrowser" (an empty one of that name if the file has none).
    const BrowserEntry& detect(std::string_view userAgent, EntryIndex::Scratch& scratch) const;
    // The same for a user agent already decoded by decodeFolded().
    const BrowserEntry& detectPrepared(std::u32string_view folded,
                                       EntryIndex::Scratch& scratch) const;

    // Index of the property with that name (any case), or -1.
    int propertyIndex(std::string_view name) const;

  private:
    BddContent content_;
    std::vector<Pattern> entryPatterns_;
    std::vector<Pattern> filterPatterns_;
    std::vector<EntryIndex::Signature> filterSignatures_;
    std::vector<int> filterTargets_;
    EntryIndex index_;
    BrowserEntry emptyDefault_;
    const BrowserEntry* defaultEntry_ = nullptr;
    std::unordered_map<std::string, int> propertyByName_;  // lower-case name
};

}  // namespace sentrel::detect
