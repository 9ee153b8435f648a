#include "editor/lifecycle/RecentDocuments.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace sentrel::lifecycle {

namespace {

const QString kBookmarkNs =
    QStringLiteral("http://www.freedesktop.org/standards/desktop-bookmarks");
const QString kMimeNs = QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info");

void writeBookmark(QXmlStreamWriter& out, const QString& href, const QString& stamp) {
    out.writeStartElement(QStringLiteral("bookmark"));
    out.writeAttribute(QStringLiteral("href"), href);
    out.writeAttribute(QStringLiteral("added"), stamp);
    out.writeAttribute(QStringLiteral("modified"), stamp);
    out.writeAttribute(QStringLiteral("visited"), stamp);
    out.writeStartElement(QStringLiteral("info"));
    out.writeStartElement(QStringLiteral("metadata"));
    out.writeAttribute(QStringLiteral("owner"), QStringLiteral("http://freedesktop.org"));
    out.writeEmptyElement(kMimeNs, QStringLiteral("mime-type"));
    out.writeAttribute(QStringLiteral("type"), QStringLiteral("text/plain"));
    out.writeStartElement(kBookmarkNs, QStringLiteral("applications"));
    out.writeEmptyElement(kBookmarkNs, QStringLiteral("application"));
    out.writeAttribute(QStringLiteral("name"), QStringLiteral("Sentrel"));
    out.writeAttribute(QStringLiteral("exec"), QStringLiteral("'sentrel-editor %f'"));
    out.writeAttribute(QStringLiteral("modified"), stamp);
    out.writeAttribute(QStringLiteral("count"), QStringLiteral("1"));
    out.writeEndElement();  // applications
    out.writeEndElement();  // metadata
    out.writeEndElement();  // info
    out.writeEndElement();  // bookmark
}

void skipElement(QXmlStreamReader& in) {
    for (int depth = 1; depth > 0 && !in.atEnd();) {
        in.readNext();
        if (in.isStartElement()) ++depth;
        if (in.isEndElement()) --depth;
    }
}

// Copies the existing list, leaving out the file's old entry and adding the new one at the
// end. Answers false when the list cannot be read as XBEL.
bool copyWithBookmark(QXmlStreamReader& in, QXmlStreamWriter& out, const QString& href,
                      const QString& stamp) {
    bool sawList = false;
    while (!in.atEnd()) {
        in.readNext();
        if (in.hasError()) return false;
        if (in.isWhitespace()) continue;  // the writer lays the list out afresh
        if (in.isStartElement() && in.name() == QLatin1String("xbel")) sawList = true;
        if (in.isStartElement() && in.name() == QLatin1String("bookmark") &&
            in.attributes().value(QLatin1String("href")) == href) {
            skipElement(in);
            continue;
        }
        if (in.isEndElement() && in.name() == QLatin1String("xbel"))
            writeBookmark(out, href, stamp);
        if (!in.isStartDocument() && !in.isEndDocument()) out.writeCurrentToken(in);
    }
    return sawList && !in.hasError();
}

void writeNewList(QXmlStreamWriter& out, const QString& href, const QString& stamp) {
    out.writeStartElement(QStringLiteral("xbel"));
    out.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
    out.writeNamespace(kBookmarkNs, QStringLiteral("bookmark"));
    out.writeNamespace(kMimeNs, QStringLiteral("mime"));
    writeBookmark(out, href, stamp);
    out.writeEndElement();
}

}  // namespace

QString RecentDocuments::defaultListPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("recently-used.xbel"));
}

RecentDocuments::RecentDocuments(QString listPath) : listPath_(std::move(listPath)) {}

void RecentDocuments::addToDocuementsShortcut(const QString& path, const QDateTime& now) {
    const QString href =
        QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded);
    const QString stamp = now.toUTC().toString(Qt::ISODateWithMs);
    QByteArray existing;
    QFile current(listPath_);
    if (current.exists()) {
        if (!current.open(QIODevice::ReadOnly)) return;
        existing = current.readAll();
    }
    QByteArray bytes;
    QXmlStreamWriter out(&bytes);
    out.setAutoFormatting(true);
    out.writeStartDocument();
    if (existing.isEmpty()) {
        writeNewList(out, href, stamp);
    } else {
        QXmlStreamReader in(existing);
        if (!copyWithBookmark(in, out, href, stamp)) return;
    }
    out.writeEndDocument();
    QDir().mkpath(QFileInfo(listPath_).absolutePath());
    QSaveFile file(listPath_);
    if (!file.open(QIODevice::WriteOnly)) return;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return;
    }
    file.commit();
}

}  // namespace sentrel::lifecycle
