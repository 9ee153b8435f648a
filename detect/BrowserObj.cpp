#include "detect/BrowserObj.h"

#include "detect/DetectError.h"
#include "detect/ExtendedProperties.h"
#include "detect/TextCompare.h"
#include "detect/Utf8.h"

namespace sentrel::detect {

BrowserObj::BrowserObj() : BrowserObj(DefinitionsCache::shared()) {}

BrowserObj::BrowserObj(DefinitionsCache& cache) : cache_(&cache) {}

void BrowserObj::DataFile(const std::string& path) {
    dataFile_ = path;
    // An absolute path keeps its key; any other is resolved on every call, as the working
    // folder may change.
    cacheKey_ = path.starts_with('/') ? DefinitionsCache::keyFor(path) : "";
    definitions_.reset();
    entry_ = nullptr;
    clearOverrides();
    loadDefinitions();
}

void BrowserObj::refreshDefinitions() {
    if (dataFile_.empty()) {
        throw DetectError(DetectError::kNoDataFile,
                          "No data file is set: set DataFile before calling Initialize.");
    }
    loadDefinitions();
}

void BrowserObj::loadDefinitions() {
    if (cacheKey_.empty()) {
        definitions_ = cache_->get(dataFile_);
    } else {
        cache_->refreshKeyed(cacheKey_, definitions_);
    }
}

void BrowserObj::Initialize(std::string_view userAgent) {
    detect(userAgent, nullptr);
}

void BrowserObj::Initialize(const Request& request) {
    detect(request.userAgent, &request);
}

void BrowserObj::detect(std::string_view userAgent, const Request* request) {
    entry_ = nullptr;
    clearOverrides();
    refreshDefinitions();
    decodeUtf8(userAgent, foldedAgent_, Folding::Simple);
    entry_ = &definitions_->detectPrepared(foldedAgent_, scratch_);
    applyFilters(userAgent, request);
}

// The field a Cookie, ENV or Cert filter tests, or nullptr when the request lacks it.
const std::string* BrowserObj::testedField(const FilterRule& filter, const Request& request) {
    switch (filter.kind) {
        case FilterKind::UserAgent:
            return &request.userAgent;
        case FilterKind::Cookie:
            return Request::find(request.cookies, filter.dataField);
        case FilterKind::ServerVariable:
            return Request::find(request.serverVariables, filter.dataField);
        case FilterKind::Certificate:
            return Request::find(request.certificateFields, filter.dataField);
        case FilterKind::Unknown:
            break;
    }
    return nullptr;
}

void BrowserObj::applyFilters(std::string_view userAgent, const Request* request) {
    const auto& filters = definitions_->filters();
    for (size_t i = 0; i < filters.size(); ++i) {
        const int target = definitions_->filterTarget(i);
        if (target < 0) continue;
        const Pattern& pattern = definitions_->filterPattern(i);
        std::string_view tested = userAgent;
        if (filters[i].kind == FilterKind::UserAgent) {
            // The detection just above left the user agent's signature in the scratch.
            if (!definitions_->filterSignature(i).within(scratch_.text) ||
                !pattern.matchesFolded(foldedAgent_)) {
                continue;
            }
        } else {
            const std::string* field = request ? testedField(filters[i], *request) : nullptr;
            if (!field || !pattern.matches(*field)) continue;
            tested = *field;
        }
        const std::string& value = filters[i].valueToSet;
        override(target, value == "*" ? tested : std::string_view(value));
    }
}

void BrowserObj::clearOverrides() {
    for (const int property : touched_) overridden_[static_cast<size_t>(property)] = 0;
    touched_.clear();
}

void BrowserObj::override(int property, std::string_view value) {
    const auto at = static_cast<size_t>(property);
    if (values_.size() <= at) {
        values_.resize(at + 1);
        overridden_.resize(at + 1, 0);
    }
    if (!overridden_[at]) {
        overridden_[at] = 1;
        touched_.push_back(property);
    }
    values_[at].assign(value);  // reuses the buffer of an earlier detection
}

void BrowserObj::requireResult() const {
    if (!entry_) {
        throw DetectError(DetectError::kNotInitialized,
                          "No browser has been detected yet: call Initialize first.");
    }
}

const std::string& BrowserObj::InternalName() const {
    requireResult();
    return entry_->name;
}

std::vector<std::string> BrowserObj::propertyNames() const {
    requireResult();
    std::vector<std::string> names;
    names.reserve(definitions_->properties().size() + std::size(kSystemProperties));
    for (const PropertyDef& property : definitions_->properties()) {
        if (!systemValue(property.name)) names.push_back(property.name);  // system names win
    }
    for (const char* name : kSystemProperties) names.emplace_back(name);
    return names;
}

const std::string* BrowserObj::systemValue(std::string_view name) const {
    if (equalsIgnoreCase(name, "i__name")) return &entry_->name;
    if (equalsIgnoreCase(name, "i__parent")) return &entry_->parent;
    if (equalsIgnoreCase(name, "i__description")) return &entry_->description;
    if (equalsIgnoreCase(name, "i__matchString")) return &entry_->matchString;
    return nullptr;
}

bool BrowserObj::hasProperty(std::string_view name) const {
    requireResult();
    return definitions_->propertyIndex(name) >= 0 || systemValue(name) != nullptr;
}

std::string BrowserObj::value(std::string_view name) const {
    requireResult();
    if (const std::string* system = systemValue(name)) return *system;
    const int index = definitions_->propertyIndex(name);
    if (index >= 0) {
        const bool overridden = static_cast<size_t>(index) < overridden_.size() &&
                                overridden_[static_cast<size_t>(index)];
        return overridden ? values_[static_cast<size_t>(index)] : entry_->values[index];
    }
    throw DetectError(DetectError::kUnknownProperty,
                      "The property \"" + std::string(name) + "\" does not exist.");
}

bool BrowserObj::isExtProperty(std::string_view name) {
    return detect::isExtProperty(name);
}

}  // namespace sentrel::detect
