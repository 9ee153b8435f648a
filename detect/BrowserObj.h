#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "detect/Definitions.h"
#include "detect/DefinitionsCache.h"
#include "detect/Request.h"

namespace sentrel::detect {

// The detection object: set the data file once, then Initialize with each request and read
// the matched entry and its property values.
//
//   BrowserObj browser;
//   browser.DataFile("/srv/site/maindefs.bdd");
//   browser.Initialize(userAgent);
//   browser.InternalName();        // "DefaultBrowser" when nothing more specific matched
//   browser.value("Browser");      // any case
//   for (const auto& name : browser.propertyNames()) ...
//
// Detection: of the entries whose match string matches the whole user agent, the one with the
// most literal characters wins, ties going to the earlier entry in the file. Its values are
// the result; then every filter applies in file order: UA filters test the user agent, Cookie
// filters the named cookie, ENV filters the named server variable, Cert filters the named
// certificate field (a filter whose field the request lacks does nothing). A filter that
// matches sets its property to its value, or with "*" to the whole tested value.
//
// Instances are cheap: the definitions of a file are loaded once per process and shared
// read-only (see DefinitionsCache). One instance must not be used by two threads at the same
// time; any number of instances may run on any number of threads.
class BrowserObj {
  public:
    BrowserObj();
    explicit BrowserObj(DefinitionsCache& cache);

    // Sets the BDD to read and loads it (or takes it from the cache). Throws DetectError if
    // the file is missing or not a BDD; the path is kept, so a later Initialize tries again.
    void DataFile(const std::string& path);
    const std::string& DataFile() const { return dataFile_; }

    // Detects the browser for a user agent (no cookies, variables or certificate). Throws
    // DetectError when no data file was set or it cannot be read.
    void Initialize(std::string_view userAgent);
    // Detects with the whole request, so that filters of every kind apply.
    void Initialize(const Request& request);

    // The name of the matched entry of the last Initialize.
    const std::string& InternalName() const;

    // Every property name: the file's properties in file order, then the system properties
    // i__name, i__parent, i__description and i__matchString. Stable for a given file.
    std::vector<std::string> propertyNames() const;
    // The value of a property for the last Initialize, by name in any case. Throws DetectError
    // (kUnknownProperty) for a name the definitions do not have.
    std::string value(std::string_view name) const;
    std::string operator[](std::string_view name) const { return value(name); }
    bool hasProperty(std::string_view name) const;

    // True when the property needs the extended (client-side) tests; see ExtendedProperties.h.
    static bool isExtProperty(std::string_view name);

    // The definitions in use (after DataFile or Initialize), e.g. for the version block.
    const std::shared_ptr<const Definitions>& definitions() const { return definitions_; }

    static constexpr const char* kSystemProperties[] = {"i__name", "i__parent", "i__description",
                                                        "i__matchString"};

  private:
    void refreshDefinitions();
    void loadDefinitions();
    void detect(std::string_view userAgent, const Request* request);
    void applyFilters(std::string_view userAgent, const Request* request);
    void clearOverrides();
    void override(int property, std::string_view value);
    static const std::string* testedField(const FilterRule& filter, const Request& request);
    void requireResult() const;
    const std::string* systemValue(std::string_view name) const;

    DefinitionsCache* cache_;
    std::string dataFile_;
    std::string cacheKey_;  // dataFile_ as the cache files it, when it is absolute
    std::shared_ptr<const Definitions> definitions_;
    const BrowserEntry* entry_ = nullptr;  // owned by definitions_
    // The values the filters set, by property index: only those marked in `overridden_` are
    // the result; every other property has the entry's own value, which is never copied.
    std::vector<std::string> values_;
    std::vector<char> overridden_;
    std::vector<int> touched_;  // the marks to clear before the next detection
    EntryIndex::Scratch scratch_;
    std::u32string foldedAgent_;
};

}  // namespace sentrel::detect
