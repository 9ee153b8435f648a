#include "editor/lifecycle/MergeRecord.h"

#include <QStringList>

namespace sentrel::lifecycle {

namespace {

QString quoted(const QString& text) {
    return u'"' + text + u'"';
}

// The id as a whole number; text that is no number writes as 0, as a numeric field would.
QString bareInteger(const QString& text) {
    return QString::number(text.trimmed().toLongLong());
}

}  // namespace

QByteArray MergeRecord::line() const {
    QStringList items{QString::number(code)};
    for (size_t i = 0; i < fields.size(); ++i) {
        const bool numeric = i == 0 && hasNumericId(code);
        items.append(numeric ? bareInteger(fields[i]) : quoted(fields[i]));
    }
    return items.join(u',').toUtf8() + "\r\n";
}

QString MergeRecord::dateStamp(const QDateTime& stamp) {
    return stamp.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

}  // namespace sentrel::lifecycle
