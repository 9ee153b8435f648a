#pragma once

#include <QHash>
#include <QLockFile>
#include <QString>
#include <algorithm>
#include <memory>
#include <vector>

#include "document/Document.h"

// The inner state of a Document, shared by the document and its file reader and writer.
namespace sentrel::doc {

inline bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A document-level property; an array-typed one holds its collection.
struct DocumentProperty {
    QString name;
    QString typeName;
    std::unique_ptr<doc::FiltersArray> array;
};

struct Document::State {
    std::vector<std::unique_ptr<TypeObject>> types;  // file order, new ones appended
    QHash<QString, TypeObject*> typeIndex;           // lower-cased name -> type
    std::vector<DocumentProperty> properties;        // in the order they were added
    std::unique_ptr<QLockFile> lock;

    DocumentProperty* findProperty(const QString& name) {
        const auto it =
            std::find_if(properties.begin(), properties.end(),
                         [&](const DocumentProperty& p) { return sameName(p.name, name); });
        return it == properties.end() ? nullptr : &*it;
    }
};

}  // namespace sentrel::doc
