#pragma once

#include <QStringList>
#include <algorithm>

#include "document/Document.h"
#include "document/Vocabulary.h"
#include "document/merge/FilterValueField.h"

namespace sentrel::test {

// What a document says, as sorted lines, without what no merge record carries: places
// (a replay adds properties and filters at the end), the types marked deleted (a replay
// keeps an undone browser marked deleted, a compaction removes it), `i__lastupd` and the
// file's version and last update. Values are the ones each live type reads.
inline QStringList documentContent(doc::Document& document) {
    QStringList lines;
    doc::TypeObject& root = document.DefaultBrowser();
    const QStringList properties = root.Parameters();
    for (const QString& property : properties) {
        lines << QStringLiteral("property %1 %2").arg(property, root.GetPropertyType(property));
    }
    for (const QString& name : document.types()) {
        if (!mainMod::isBrowserType(name)) continue;
        doc::TypeObject& type = document.Path(name);
        if (type.Path(mainMod::kTypeParam) == mainMod::kTypeDeleted) continue;
        const doc::TypeObject* base = type.getbasetype();
        lines << QStringLiteral("type %1 below %2").arg(name, base ? base->Name() : QString());
        for (const QString& property : properties) {
            if (property == mainMod::kLastUpdateParam) continue;
            lines << QStringLiteral("value %1.%2 = %3").arg(name, property, type.Path(property));
        }
    }
    if (document.hasProperty(QStringLiteral("FiltersArray"))) {
        const doc::FiltersArray& filters = document.FiltersArray();
        for (int i = 0; i < filters.Count(); ++i) {
            const doc::FilterElement& f = filters[i];
            lines << QStringLiteral("filter %1: %2 %3 %4 %5")
                         .arg(f.text("uId"), f.text("propToSet"), f.text("matchStr"),
                              doc::FilterValueField::pack(f), f.text("priority"));
        }
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

}  // namespace sentrel::test
