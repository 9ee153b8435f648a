#include "app/InternalData.h"

#include <QFile>

#include "shell/AppError.h"

namespace sentrel::app {

InternalData::InternalData(Binder binder) : binder_(std::move(binder)) {}

QString InternalData::pathOf(const QString& name) const {
    return baseDirectory_ + QLatin1Char('/') + name;
}

void InternalData::bind(const QString& baseDirectory) {
    baseDirectory_ = baseDirectory;
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
