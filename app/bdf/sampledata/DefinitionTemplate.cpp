#include "app/bdf/sampledata/DefinitionTemplate.h"

#include <utility>

#include "document/Document.h"
#include "document/Vocabulary.h"

namespace sentrel::bdf {

namespace {

using Declaration = std::pair<const char*, const char*>;  // name, data type

constexpr int kStructure = 3;
constexpr int kMajorVersion = 1;
constexpr int kMinorVersion = 0;

const QString kStandaloneClass = QStringLiteral("CLSID_ParamObjType");

// The version properties with the data types their values take.
constexpr Declaration kVersionProperties[] = {
    {"majorver", "Integer"}, {"minorver", "Integer"},   {"minorverlet", "String"},
    {"version", "Single"},   {"fullversion", "String"}, {"versionpos", "Integer"},
};

constexpr Declaration kInternalsMembers[] = {
    {"BDFStructure", "Integer"},
    {"BDFMajorVer", "Integer"},
    {"BDFMinorver", "Integer"},
    {"BDFLastUpdate", "DateTime"},
};

// The filter record, field names as the file upgrade declares them.
constexpr Declaration kFilterFields[] = {
    {"PropToSet", "String"}, {"MatchStr", "String"}, {"ValToSet", "String"},
    {"Priority", "Integer"}, {"uid", "Integer"},     {"filterType", "Integer"},
    {"dataField", "String"},
};

void declareRoot(doc::Document& document, const QDateTime& stamp) {
    doc::TypeObject& root = document.DefaultBrowser();
    for (const QString& name : mainMod::systemPropertyNames()) {
        root.AddParameter(name, QStringLiteral("String"));
    }
    for (const auto& [name, type] : kVersionProperties) root.AddParameter(name, type);
    root.SetParamDefValue(mainMod::kDescriptionParam, QStringLiteral("Default Browser"));
    root.SetParamDefValue(mainMod::kTypeParam, mainMod::kTypeBrowser);
    root.SetParamDefValue(mainMod::kLastUpdateParam, mainMod::dateText(stamp));
}

void declareInternals(doc::Document& document, const QDateTime& stamp) {
    doc::TypeObject& internals = document.AddType(QStringLiteral("Internals"), kStandaloneClass);
    for (const auto& [name, type] : kInternalsMembers) internals.AddProperty(name, type);
    doc::internals::setBDFStructure(document, kStructure);
    doc::internals::setBDFMajorVer(document, kMajorVersion);
    doc::internals::setBDFMinorver(document, kMinorVersion);
    doc::internals::setBDFLastUpdate(document, stamp);
}

void declareFilters(doc::Document& document) {
    doc::TypeObject& filters = document.AddType(QStringLiteral("Filters"), kStandaloneClass);
    for (const auto& [name, type] : kFilterFields) filters.AddProperty(name, type);
    document.addArrayType(QStringLiteral("FiltersArray"), QStringLiteral("Filters"));
    document.AddProperty(QStringLiteral("FiltersArray"), QStringLiteral("FiltersArray"));
}

}  // namespace

std::unique_ptr<doc::Document> makeDefinitionTemplate(const QDateTime& stamp) {
    auto document = doc::Document::create();
    declareRoot(*document, stamp);
    declareInternals(*document, stamp);
    declareFilters(*document);
    return document;
}

}  // namespace sentrel::bdf
