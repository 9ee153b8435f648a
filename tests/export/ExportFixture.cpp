#include "ExportFixture.h"

#include "app/bdf/sampledata/DefinitionTemplate.h"
#include "document/Vocabulary.h"

namespace sentrel::exporting::test {

std::unique_ptr<doc::Document> blankDocument() {
    return bdf::makeDefinitionTemplate(kStamp);
}

doc::TypeObject& addType(doc::Document& document, const QString& name, const QString& base,
                         const QString& kind, const QString& description,
                         const QString& matchString) {
    doc::TypeObject& type = document.AddInheritedType(name, base);
    type.SetParamDefValue(mainMod::kTypeParam, kind);
    type.SetParamDefValue(mainMod::kDescriptionParam, description);
    type.SetParamDefValue(mainMod::kUserAgentParam, matchString);
    return type;
}

void addFilter(doc::Document& document, int uid, int kind, const QString& property,
               const QString& condition, const QString& value, const QString& dataField) {
    doc::FiltersArray& filters = document.FiltersArray();
    doc::FilterElement& filter = filters[filters.Add()];
    filter.set(QStringLiteral("propToSet"), property);
    filter.set(QStringLiteral("matchStr"), condition);
    filter.set(QStringLiteral("valToSet"), value);
    filter.set(QStringLiteral("priority"), (filters.Count()) * 10);
    filter.set(QStringLiteral("uId"), uid);
    filter.set(QStringLiteral("filterType"), kind);
    filter.set(QStringLiteral("DataField"), dataField);
}

QStringList linesOf(const QByteArray& text) {
    QStringList lines = QString::fromUtf8(text).split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

}  // namespace sentrel::exporting::test
