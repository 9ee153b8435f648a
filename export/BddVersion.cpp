#include "export/BddVersion.h"

#include "document/Document.h"

namespace sentrel::exporting {

QString BddVersion::versionText() const {
    const QString digits = QStringLiteral("%1").arg(qAbs(qint64(minor)), 2, 10, QChar(u'0'));
    return QStringLiteral("%1.%2%3").arg(major).arg(minor < 0 ? "-" : "", digits);
}

QString BddVersion::dateText() const {
    return lastUpdate.isValid() ? lastUpdate.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss"))
                                : QString();
}

BddVersion BddVersion::of(doc::Document& document) {
    if (!document.hasType(QStringLiteral("Internals"))) return {};
    return {doc::internals::BDFMajorVer(document), doc::internals::BDFMinorver(document),
            doc::internals::BDFLastUpdate(document)};
}

}  // namespace sentrel::exporting
