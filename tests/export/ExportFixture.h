#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QStringList>
#include <memory>

#include "app/bdf/sampledata/DefinitionTemplate.h"
#include "document/Document.h"
#include "document/Vocabulary.h"

// Small definitions documents for the export tests.
namespace sentrel::exporting::test {

inline const QDateTime kStamp(QDate(2026, 3, 4), QTime(5, 6, 7));

// A blank structure-3 document: the root with system and version properties, Internals and
// the filter collection.
inline std::unique_ptr<doc::Document> blankDocument() {
    return bdf::makeDefinitionTemplate(kStamp);
}

// A type below `base` with its kind ("0" browser, "2" folder, "-1" deleted).
inline doc::TypeObject& addType(doc::Document& document, const QString& name, const QString& base,
                                const QString& kind, const QString& description,
                                const QString& matchString = {}) {
    doc::TypeObject& type = document.AddInheritedType(name, base);
    type.SetParamDefValue(mainMod::kTypeParam, kind);
    type.SetParamDefValue(mainMod::kDescriptionParam, description);
    type.SetParamDefValue(mainMod::kUserAgentParam, matchString);
    return type;
}

inline void addFilter(doc::Document& document, int uid, int kind, const QString& property,
                      const QString& condition, const QString& value,
                      const QString& dataField = {}) {
    doc::FiltersArray& filters = document.FiltersArray();
    doc::FilterElement& filter = filters[filters.Add()];
    const QVariantList fields = {property, condition, value,    filters.Count() * 10,
                                 uid,      kind,      dataField};
    for (int i = 0; i < fields.size(); ++i) filter.set(mainMod::filterFieldNames()[i], fields[i]);
}

// The lines of a plain BDD text, split at CR LF.
inline QStringList linesOf(const QByteArray& text) {
    QStringList lines = QString::fromUtf8(text).split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

}  // namespace sentrel::exporting::test
