#include <QDateTime>

#include "document/Document.h"
#include "document/DocumentError.h"

namespace sentrel::doc::internals {

namespace {

const QString kDateFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss");

// An integer member as stored: an unset or empty value reads as 0, a fraction rounds.
int readInteger(Document& document, const char* member) {
    const QString text = document.Internals().Path(QLatin1String(member)).trimmed();
    if (text.isEmpty()) return 0;
    bool ok = false;
    const int whole = text.toInt(&ok);
    if (ok) return whole;
    const double number = text.toDouble(&ok);
    if (!ok || number < -2147483648.0 || number > 2147483647.0) {
        raiseDocumentError(kErrTypeMismatch,
                           QStringLiteral("Internals.%1 holds \"%2\", which is not a whole number.")
                               .arg(QLatin1String(member), text));
    }
    return qRound(number);
}

void writeInteger(Document& document, const char* member, int value) {
    document.Internals().SetParamDefValue(QLatin1String(member), QString::number(value));
}

}  // namespace

int BDFStructure(Document& document) {
    return readInteger(document, "BDFStructure");
}
int BDFMajorVer(Document& document) {
    return readInteger(document, "BDFMajorVer");
}
int BDFMinorver(Document& document) {
    return readInteger(document, "BDFMinorver");
}

QDateTime BDFLastUpdate(Document& document) {
    const QString text = document.Internals().Path(QStringLiteral("BDFLastUpdate")).trimmed();
    if (text.isEmpty()) return QDateTime();
    const QDateTime value = QDateTime::fromString(text, Qt::ISODate);
    if (!value.isValid()) {
        raiseDocumentError(kErrTypeMismatch,
                           QStringLiteral("Internals.BDFLastUpdate holds \"%1\", which is not a "
                                          "date and time.")
                               .arg(text));
    }
    return value;
}

void setBDFStructure(Document& document, int value) {
    writeInteger(document, "BDFStructure", value);
}
void setBDFMajorVer(Document& document, int value) {
    writeInteger(document, "BDFMajorVer", value);
}
void setBDFMinorver(Document& document, int value) {
    writeInteger(document, "BDFMinorver", value);
}

void setBDFLastUpdate(Document& document, const QDateTime& value) {
    document.Internals().SetParamDefValue(
        QStringLiteral("BDFLastUpdate"), value.isValid() ? value.toString(kDateFormat) : QString());
}

}  // namespace sentrel::doc::internals
