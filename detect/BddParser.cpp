#include "detect/BddParser.h"

#include <optional>
#include <unordered_map>

#include "detect/TextCompare.h"
#include "detect/XmlReader.h"

namespace sentrel::detect {

namespace {

constexpr std::string_view kRoot = "BrowserInfo";

// Builds the content element by element; remembers which values an entry really gave so
// that missing ones can be inherited afterwards.
class Builder {
  public:
    explicit Builder(std::string_view text) : xml_(text) {}

    BddContent run();

  private:
    void readRoot();
    void readProperty();
    void readEntry();
    void readFilter();
    void readInfo();
    size_t propertyIndex(const std::string& name);
    void inheritMissingValues();
    std::optional<std::string> inherited(size_t entry, size_t property) const;
    // Calls `onChild(name)` for every child element of the current element; text between
    // children is ignored.
    template <typename OnChild>
    void forEachChild(OnChild onChild);

    XmlReader xml_;
    BddContent content_;
    std::unordered_map<std::string, size_t> propertyByName_;  // lower-case name
    std::vector<std::vector<bool>> given_;                    // per entry, per property
    std::unordered_map<std::string, size_t> entryByName_;     // first entry of each name
};

template <typename OnChild>
void Builder::forEachChild(OnChild onChild) {
    for (;;) {
        switch (xml_.next()) {
            case XmlReader::Event::StartElement:
                onChild(xml_.name());
                break;
            case XmlReader::Event::EndElement:
                return;
            case XmlReader::Event::Text:
                break;
            case XmlReader::Event::EndOfText:
                xml_.fail("the file ends before </" + std::string(kRoot) + ">");
        }
    }
}

BddContent Builder::run() {
    for (;;) {
        const auto event = xml_.next();
        if (event == XmlReader::Event::EndOfText) xml_.fail("no <BrowserInfo> element");
        if (event == XmlReader::Event::Text && trimmed(xml_.text()).empty()) continue;
        if (event != XmlReader::Event::StartElement || xml_.name() != kRoot) {
            xml_.fail("the document does not start with <BrowserInfo>");
        }
        break;
    }
    readRoot();
    inheritMissingValues();
    return std::move(content_);
}

void Builder::readRoot() {
    forEachChild([this](const std::string& name) {
        if (name == "Property") {
            readProperty();
        } else if (name == "BrowserTemplate") {
            readEntry();
        } else if (name == "filter") {
            readFilter();
        } else if (name == "BDDInfo") {
            readInfo();
        } else {
            xml_.skipElement();
        }
    });
}

void Builder::readProperty() {
    const std::string name = xml_.attribute("name");
    if (name.empty()) xml_.fail("a property has no name");
    PropertyType type = PropertyType::Text;
    forEachChild([&](const std::string& child) {
        if (child != "type") return xml_.skipElement();
        const std::string code(trimmed(xml_.readElementText()));
        if (code == "1") type = PropertyType::Integer;
        if (code == "2") type = PropertyType::Boolean;
        if (code == "3") type = PropertyType::Single;
    });
    content_.properties[propertyIndex(name)].type = type;
}

size_t Builder::propertyIndex(const std::string& name) {
    const auto [it, added] =
        propertyByName_.try_emplace(toLowerAscii(name), propertyByName_.size());
    if (added) {
        content_.properties.push_back({name, PropertyType::Text});
        for (auto& entry : content_.entries) entry.values.emplace_back();
        for (auto& given : given_) given.push_back(false);
    }
    return it->second;
}

void Builder::readEntry() {
    BrowserEntry entry;
    entry.name = xml_.attribute("name");
    if (entry.name.empty()) xml_.fail("a browser entry has no name");
    entry.values.resize(content_.properties.size());
    std::vector<bool> given(content_.properties.size(), false);
    forEachChild([&](const std::string& field) {
        std::string value = xml_.readElementText();
        if (field == "matchString") {
            entry.matchString = std::move(value);
        } else if (field == "parentID") {
            entry.parent = std::move(value);
        } else if (field == "desc") {
            entry.description = std::move(value);
        } else {
            const size_t index = propertyIndex(field);
            entry.values.resize(content_.properties.size());
            given.resize(content_.properties.size(), false);
            entry.values[index] = std::move(value);
            given[index] = true;
        }
    });
    content_.entries.push_back(std::move(entry));
    given_.push_back(std::move(given));
}

void Builder::readFilter() {
    FilterRule filter;
    filter.id = xml_.attribute("id");
    forEachChild([&](const std::string& field) {
        std::string value = xml_.readElementText();
        if (field == "priority") filter.priority = std::move(value);
        if (field == "property") filter.property = std::move(value);
        if (field == "condition") filter.condition = std::move(value);
        if (field == "valueToSet") filter.valueToSet = std::move(value);
        if (field == "type") filter.kind = filterKindFromCode(std::string(trimmed(value)));
        if (field == "dataField") filter.dataField = std::move(value);
    });
    content_.filters.push_back(std::move(filter));
}

void Builder::readInfo() {
    forEachChild([&](const std::string& field) {
        std::string value = xml_.readElementText();
        if (field == "BDDVersion") content_.info.version = std::move(value);
        if (field == "BDDDate") content_.info.date = std::move(value);
    });
}

void Builder::inheritMissingValues() {
    for (size_t e = 0; e < content_.entries.size(); ++e) {
        entryByName_.try_emplace(content_.entries[e].name, e);
    }
    for (size_t e = 0; e < content_.entries.size(); ++e) {
        for (size_t p = 0; p < content_.properties.size(); ++p) {
            if (given_[e][p]) continue;
            content_.entries[e].values[p] = inherited(e, p).value_or(std::string());
        }
    }
}

// The value the nearest ancestor entry gives; the step bound stops parent loops.
std::optional<std::string> Builder::inherited(size_t entry, size_t property) const {
    for (size_t step = 0; step < content_.entries.size(); ++step) {
        const auto parent = entryByName_.find(content_.entries[entry].parent);
        if (parent == entryByName_.end() || parent->second == entry) return std::nullopt;
        entry = parent->second;
        if (given_[entry][property]) return content_.entries[entry].values[property];
    }
    return std::nullopt;
}

}  // namespace

BddContent BddParser::parse(std::string_view text) {
    return Builder(text).run();
}

}  // namespace sentrel::detect
