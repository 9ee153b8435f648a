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
    definitions_.reset();
    entry_ = nullptr;
    values_.clear();
    definitions_ = cache_->get(path);
}

void BrowserObj::refreshDefinitions() {
    if (dataFile_.empty()) {
        throw DetectError(DetectError::kNoDataFile,
                          "No data file is set: set DataFile before calling Initialize.");
    }
    auto current = cache_->get(dataFile_);
    definitions_ = std::move(current);
}

void BrowserObj::Initialize(std::string_view userAgent) {
    Request request;
    request.userAgent = userAgent;
    Initialize(request);
}

void BrowserObj::Initialize(const Request& request) {
    entry_ = nullptr;
    values_.clear();
    refreshDefinitions();
    Definitions::lowerBytes(request.userAgent, lowerAgent_);
    decodeUtf8(request.userAgent, foldedAgent_, true);
    entry_ = &definitions_->detectPrepared(lowerAgent_, foldedAgent_, scratch_);
    values_ = entry_->values;
    applyFilters(request);
}

const std::string* BrowserObj::testedValue(const FilterRule& filter, const Request& request) const {
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

void BrowserObj::applyFilters(const Request& request) {
    const auto& filters = definitions_->filters();
    for (size_t i = 0; i < filters.size(); ++i) {
        const int target = definitions_->filterTarget(i);
        const std::string* tested = testedValue(filters[i], request);
        if (target < 0 || !tested) continue;
        const Pattern& pattern = definitions_->filterPattern(i);
        const bool matched = filters[i].kind == FilterKind::UserAgent
                                 ? pattern.matchesFolded(foldedAgent_)
                                 : pattern.matches(*tested);
        if (!matched) continue;
        values_[target] = filters[i].valueToSet == "*" ? *tested : filters[i].valueToSet;
    }
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
    if (index >= 0) return values_[index];
    throw DetectError(DetectError::kUnknownProperty,
                      "The property \"" + std::string(name) + "\" does not exist.");
}

bool BrowserObj::isExtProperty(std::string_view name) {
    return detect::isExtProperty(name);
}

}  // namespace sentrel::detect
