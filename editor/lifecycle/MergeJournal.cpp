#include "editor/lifecycle/MergeJournal.h"

#include <QDir>

#include "editor/lifecycle/FileError.h"

namespace sentrel::lifecycle {

void MergeJournal::setBaseDirectory(const QString& baseDirectory) {
    close();
    file_.setFileName(QDir(baseDirectory).filePath(kFileName));
}

void MergeJournal::create() {
    close();
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        throw fileError(file_, QStringLiteral("Could not create"));
}

void MergeJournal::WriteMergeRecord(int code, const QString& field1, const QString& field2,
                                    const QString& field3, const QString& field4,
                                    const QString& field5) {
    write(MergeRecord{code, {field1, field2, field3, field4, field5}});
}

void MergeJournal::write(const MergeRecord& record) {
    if (!file_.isOpen()) {
        throw AppError(AppError::kPathFileAccess,
                       QStringLiteral("No definition file is open: the temporary merge file "
                                      "takes no records."));
    }
    const QByteArray line = record.line();
    const qint64 before = file_.size();
    if (file_.write(line) != line.size()) {
        const AppError error = fileError(file_, QStringLiteral("Could not write to"));
        file_.resize(before);  // no half record stays behind
        throw error;
    }
}

QByteArray MergeJournal::collected() const {
    QFile reader(file_.fileName());
    if (!reader.open(QIODevice::ReadOnly))
        throw fileError(reader, QStringLiteral("Could not read"));
    const QByteArray bytes = reader.readAll();
    if (reader.error() != QFileDevice::NoError)
        throw fileError(reader, QStringLiteral("Could not read"));
    return bytes;
}

void MergeJournal::restart(const QByteArray& rest) {
    if (!file_.isOpen()) create();
    if (!file_.resize(0) || !file_.seek(0))
        throw fileError(file_, QStringLiteral("Could not empty"));
    if (!rest.isEmpty() && file_.write(rest) != rest.size())
        throw fileError(file_, QStringLiteral("Could not write to"));
}

void MergeJournal::close() {
    if (file_.isOpen()) file_.close();
}

void MergeJournal::discard() {
    close();
    if (!file_.fileName().isEmpty() && file_.exists()) file_.remove();
}

}  // namespace sentrel::lifecycle
