#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QStringList>
#include <memory>

#include "document/Document.h"
#include "export/BddVersion.h"

namespace sentrel::exporting::test {

inline const QDateTime kStamp(QDate(2026, 3, 4), QTime(5, 6, 7));

// A blank structure-3 definitions document (root with system and version properties,
// Internals, the filter collection).
std::unique_ptr<doc::Document> blankDocument();

// Adds a type below `base` with its kind ("0" browser, "2" folder, "-1" deleted),
// description and match string.
doc::TypeObject& addType(doc::Document& document, const QString& name, const QString& base,
                         const QString& kind, const QString& description,
                         const QString& matchString = QString());

// Appends a filter with these fields.
void addFilter(doc::Document& document, int uid, int kind, const QString& property,
               const QString& condition, const QString& value,
               const QString& dataField = QString());

// The lines of a plain BDD text, split at CR LF (the text after the last CR LF is dropped).
QStringList linesOf(const QByteArray& text);

}  // namespace sentrel::exporting::test
