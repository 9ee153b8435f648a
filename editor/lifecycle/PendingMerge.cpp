#include "editor/lifecycle/PendingMerge.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "document/FileAccess.h"
#include "document/FileLocation.h"
#include "shell/AppError.h"

namespace sentrel::lifecycle {

namespace {

const QByteArray kHeaderStart = QByteArrayLiteral("# merge file: ");
const QByteArray kLineEnd = QByteArrayLiteral("\r\n");
const QString kSuffix = QStringLiteral(".pending");

}  // namespace

QString PendingMerge::folder() const {
    return baseDirectory_ + QStringLiteral("/pending-merge");
}

QString PendingMerge::pathFor(const QString& mergeFile) const {
    return folder() + u'/' + doc::file_location::keyedName(mergeFile) + kSuffix;
}

QByteArray PendingMerge::headerFor(const QString& mergeFile) {
    return kHeaderStart + doc::file_location::canonicalPath(mergeFile).toUtf8() + kLineEnd;
}

QByteArray PendingMerge::recordsFor(const QString& mergeFile) const {
    const QString path = pathFor(mergeFile);
    if (!QFileInfo::exists(path)) return {};
    const QByteArray content = doc::file_access::readAll(path);
    const QByteArray header = headerFor(mergeFile);
    // A file that names another merge file (a clash of the short hash) is not this one's.
    return content.startsWith(header) ? content.mid(header.size()) : QByteArray();
}

void PendingMerge::keep(const QString& mergeFile, const QByteArray& records) const {
    const QString path = pathFor(mergeFile);
    const QByteArray before =
        QFileInfo::exists(path) ? doc::file_access::readAll(path) : headerFor(mergeFile);
    write(path, before + records);
}

void PendingMerge::release(const QString& mergeFile) const {
    const QString path = pathFor(mergeFile);
    if (QFileInfo::exists(path)) QFile::remove(path);
}

QString PendingMerge::keepUnassigned(const QByteArray& records) const {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString path = folder() + QStringLiteral("/unassigned-") + stamp + kSuffix;
    for (int n = 2; QFileInfo::exists(path); ++n)
        path =
            folder() + QStringLiteral("/unassigned-") + stamp + u'-' + QString::number(n) + kSuffix;
    write(path, kHeaderStart +
                    QByteArrayLiteral("unknown (records left in merge.tmp by an earlier session)") +
                    kLineEnd + records);
    return path;
}

void PendingMerge::write(const QString& path, const QByteArray& content) const {
    if (!QDir().mkpath(folder())) {
        throw AppError(AppError::kPathFileAccess,
                       QStringLiteral("Could not create the folder \"%1\".")
                           .arg(QDir::toNativeSeparators(folder())));
    }
    doc::file_access::writeAll(path, content);
}

}  // namespace sentrel::lifecycle
