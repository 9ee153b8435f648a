#include "app/InternalData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "document/FileLocation.h"

#include "shell/AppError.h"

namespace sentrel::app {

InternalData::InternalData(Binder binder) : binder_(std::move(binder)) {}

QString InternalData::pathOf(const QString& name) const {
    return baseDirectory_ + QLatin1Char('/') + name;
}

void InternalData::bind(const QString& baseDirectory) {
    baseDirectory_ = baseDirectory;
    if (QFileInfo(baseDirectory).isDir() && !doc::file_location::isWritableFolder(baseDirectory)) {
        throw AppError(kErrBaseDirectoryNotWritable,
                       QStringLiteral("Sentrel can not write to its base directory \"%1\".")
                           .arg(QDir::toNativeSeparators(baseDirectory)));
    }
    document_ = binder_(pathOf(kFileName));
}

void InternalData::releaseDocument() {
    if (!document_) return;
    document_->RevokeFromROT(true);
    document_.reset();
}

void InternalData::refresh() {
    if (!document_) return;
    const QString temporary = pathOf(kRefreshName);
    try {
        document_->save(temporary);
        releaseDocument();
        document_ = binder_(temporary);
        document_->save(pathOf(kFileName));
    } catch (...) {
        // "intdata.dtl" is still whole: every save replaces a file only once it is written.
        releaseDocument();
        QFile::remove(temporary);
        throw;
    }
    QFile::remove(temporary);
}

void InternalData::release() {
    if (!document_) return;
    try {
        document_->save();
    } catch (...) {
        releaseDocument();
        throw;
    }
    releaseDocument();
}

}  // namespace sentrel::app
