#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

#include "export/BddVersion.h"

namespace sentrel::doc {
class Document;
class TypeObject;
class FilterElement;
}  // namespace sentrel::doc

namespace sentrel::exporting {

class ExportBuffer;

// Writes the browser definition data (BDD) of a definitions document: the XML text the
// detection library reads, one line per element with CR LF endings, scrambled byte by byte
// with the key of detect/Scramble.h.
//
// The text: the XML declaration, a notice comment, a comment of 10 to 250 random characters
// (so that two exports of the same definitions never scramble alike), then <BrowserInfo>
// with a <Property> block per user property of the root (name and type code), a
// <BrowserTemplate> block per browser entry (folders, deleted types and data types are left
// out), a <filter> block per filter in the order they apply (doc::filter_order: by priority,
// equal priorities in stored order, whether or not the editor has sorted them yet) and the
// <BDDInfo> version block.
// Text is UTF-8; every name and value is XML-escaped.
class BddWriter {
  public:
    explicit BddWriter(BddVersion version) : version_(std::move(version)) {}

    // Draws the random comment from `seed`, so that the same definitions give the same bytes
    // (for data files kept under version control).
    void setFillerSeed(quint32 seed) { fillerSeed_ = seed; }

    // The plain XML text. Throws AppError when the document cannot be read or holds a
    // property name that cannot be an element name.
    QByteArray text(doc::Document& document) const;

    // Scrambles `text` into `scrambled`; answers 0 or the number of the error that stopped it.
    static int scramble(const QByteArray& text, QByteArray& scrambled);

    // The BDD file's content: the text, scrambled. Throws AppError.
    QByteArray scrambledText(doc::Document& document) const;

    // Builds, scrambles and writes the BDD to `path`, replacing any file there whole (a
    // failure leaves the previous file as it was). Throws AppError.
    void writeFile(doc::Document& document, const QString& path) const;

    // Throws AppError when `path` is the document's own definition file, which a BDD written
    // there would destroy.
    static void requireTargetBesideSource(const doc::Document& document, const QString& path);

    // The properties written as template fields, in the root's order: every parameter of
    // the root whose name does not begin with "i__" (compared with case, so "I__x" is one).
    static QStringList userProperties(doc::Document& document);
    // The type code of a property: 1 integer, 2 boolean, 3 single, 4 everything else.
    static int typeCode(const QString& dataType);

  private:
    void writeHeader(ExportBuffer& out) const;
    void writeProperties(doc::Document& document, const QStringList& properties,
                         ExportBuffer& out) const;
    void writeEntries(doc::Document& document, const QStringList& properties,
                      ExportBuffer& out) const;
    void writeEntry(const doc::TypeObject& entry, const QStringList& properties,
                    ExportBuffer& out) const;
    void writeFilters(doc::Document& document, ExportBuffer& out) const;
    void writeFilter(const doc::FilterElement& filter, bool withKinds, ExportBuffer& out) const;
    void writeVersion(ExportBuffer& out) const;

    BddVersion version_;
    std::optional<quint32> fillerSeed_;
};

}  // namespace sentrel::exporting
