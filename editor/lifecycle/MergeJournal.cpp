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
    moved_ = 0;
}

void MergeJournal::WriteMergeRecord(int code, const QString& field1, const QString& field2,
                                    const QString& field3, const QString& field4,
                                    const QString& field5) {
    write(MergeRecord{code, {field1, field2, field3, field4, field5}});
}

void MergeJournal::write(const MergeRecord& record) {
    writeLines(record.line());
}

void MergeJournal::write(const std::vector<MergeRecord>& records) {
    QByteArray lines;
    for (const MergeRecord& record : records) lines += record.line();
    writeLines(lines);
}

void MergeJournal::writeLines(const QByteArray& lines) {
    if (!file_.isOpen()) {
        throw AppError(AppError::kPathFileAccess,
                       QStringLiteral("No definition file is open: the temporary merge file "
                                      "takes no records."));
    }
    const qint64 before = file_.size();
    // A write cut short (the disk filled up) reports no error of its own: writing the rest
    // brings out the system's reason.
    for (qint64 written = 0; written < lines.size();) {
        const qint64 step = file_.write(lines.constData() + written, lines.size() - written);
        if (step <= 0) {
            const AppError error = fileError(file_, QStringLiteral("Could not write to"));
            file_.resize(before);  // no half record stays behind
            file_.seek(before);
            throw error;
        }
        written += step;
    }
}

namespace {

QByteArray readWhole(const QString& path) {
    QFile reader(path);
    if (!reader.open(QIODevice::ReadOnly))
        throw fileError(reader, QStringLiteral("Could not read"));
    const QByteArray bytes = reader.readAll();
    if (reader.error() != QFileDevice::NoError)
        throw fileError(reader, QStringLiteral("Could not read"));
    return bytes;
}

}  // namespace

QByteArray MergeJournal::collected() const {
    return readWhole(file_.fileName()).mid(moved_);
}

QByteArray MergeJournal::leftover() const {
    if (file_.isOpen() || file_.fileName().isEmpty() || !file_.exists()) return {};
    return readWhole(file_.fileName());
}

void MergeJournal::consume(qint64 count) {
    moved_ += count;
    if (!file_.isOpen() || moved_ < file_.size()) return;
    if (file_.resize(0)) moved_ = 0;
    // A failed resize may have moved the position: the next record goes after what stays.
    file_.seek(file_.size());
}

void MergeJournal::close() {
    if (file_.isOpen()) file_.close();
    moved_ = 0;
}

void MergeJournal::discard() {
    if (!file_.isOpen()) return;  // a file left by others is not this journal's to drop
    close();
    file_.remove();
}

}  // namespace sentrel::lifecycle
