#include "app/bdf/sampledata/SampleDefinitions.h"

#include <QLocale>
#include <QSet>

#include "app/bdf/sampledata/DefinitionTables.h"
#include "document/Document.h"
#include "document/Vocabulary.h"

namespace sentrel::bdf {

namespace {

using doc::Document;

constexpr int kPriorityStep = 10;

void declareProperties(Document& document, const DefinitionTables& tables) {
    doc::TypeObject& root = document.DefaultBrowser();
    for (const DefinitionTables::Property& property : tables.properties) {
        if (!root.hasParameter(property.name)) root.AddParameter(property.name, property.dataType);
        if (!property.rootValue.isEmpty()) {
            root.SetParamDefValue(property.name, property.rootValue);
        }
    }
}

// Sets a value after checking it against the property's data type, as the editor would.
void setValue(const doc::TypeObject& root, doc::TypeObject& type, const QString& property,
              const QString& value, const QString& origin) {
    if (!root.hasParameter(property) || mainMod::isSystemProperty(property)) {
        DefinitionTables::reject(origin, QStringLiteral("unknown property \"%1\"").arg(property));
    }
    if (!mainMod::isValidValue(value, root.GetPropertyType(property), QLocale::c())) {
        DefinitionTables::reject(
            origin, QStringLiteral("\"%1\" is not a valid %2 value").arg(value, property));
    }
    type.SetParamDefValue(property, value);
}

void setVersion(const doc::TypeObject& root, doc::TypeObject& type, const QString& version,
                const QString& origin) {
    const QStringList parts = version.split(u'.');
    const QString minor = QString::number(parts.value(1).toInt());
    for (const auto& [property, value] :
         {std::pair{"majorver", parts.value(0)}, std::pair{"minorver", minor},
          std::pair{"version", version}, std::pair{"fullversion", version}}) {
        setValue(root, type, QLatin1String(property), value, origin);
    }
}

void addEntry(Document& document, const DefinitionTables::Entry& entry, const QString& stamp) {
    if (document.hasType(entry.name)) {
        DefinitionTables::reject(entry.origin,
                                 QStringLiteral("the name \"%1\" is used twice").arg(entry.name));
    }
    if (!document.hasType(entry.parent)) {
        DefinitionTables::reject(entry.origin,
                                 QStringLiteral("unknown parent \"%1\"").arg(entry.parent));
    }
    doc::TypeObject& type = document.AddInheritedType(entry.name, entry.parent);
    type.SetParamDefValue(mainMod::kDescriptionParam, entry.description);
    type.SetParamDefValue(mainMod::kUserAgentParam, entry.pattern);
    type.SetParamDefValue(mainMod::kTypeParam,
                          entry.pattern.isEmpty() ? mainMod::kTypeFolder : mainMod::kTypeBrowser);
    type.SetParamDefValue(mainMod::kLastUpdateParam, stamp);
    const doc::TypeObject& root = document.DefaultBrowser();
    if (!entry.version.isEmpty()) setVersion(root, type, entry.version, entry.origin);
    for (const auto& [property, value] : entry.values) {
        setValue(root, type, property, value, entry.origin);
    }
}

void addFilters(Document& document, const DefinitionTables& tables) {
    doc::FiltersArray& array = document.FiltersArray();
    QSet<int> uIds;
    int priority = 0;
    for (const DefinitionTables::Filter& filter : tables.filters) {
        if (uIds.contains(filter.uId)) {
            DefinitionTables::reject(filter.origin,
                                     QStringLiteral("the uId %1 is used twice").arg(filter.uId));
        }
        uIds << filter.uId;
        doc::FilterElement& element = array[array.Add()];
        priority += kPriorityStep;
        element.set(QStringLiteral("propToSet"), filter.property);
        element.set(QStringLiteral("matchStr"), filter.condition);
        element.set(QStringLiteral("valToSet"), filter.value);
        element.set(QStringLiteral("priority"), priority);
        element.set(QStringLiteral("uId"), filter.uId);
        element.set(QStringLiteral("filterType"), filter.kind);
        element.set(QStringLiteral("DataField"), filter.dataField);
    }
}

}  // namespace

void addSampleDefinitions(Document& document, const DefinitionTables& tables,
                          const QDateTime& stamp) {
    declareProperties(document, tables);
    const QString stampText = mainMod::dateText(stamp);
    for (const DefinitionTables::Entry& entry : tables.entries) {
        addEntry(document, entry, stampText);
    }
    addFilters(document, tables);
}

}  // namespace sentrel::bdf
