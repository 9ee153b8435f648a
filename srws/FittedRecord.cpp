#include "srws/FittedRecord.h"

#include <cmath>
#include <limits>

namespace sentrel::srws {

namespace {

using reportsdb::ColumnKind;
using reportsdb::ColumnType;
using reportsdb::ReportColumn;

const QString kDateFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss");

// The whole numbers a column can hold (the smallest range of both database kinds).
struct Range {
    double low;
    double high;
};

Range rangeOf(ColumnKind kind) {
    switch (kind) {
        case ColumnKind::Byte:
            return {-32768, 32767};
        case ColumnKind::Numeric:
            return {-999999999999999999.0, 999999999999999999.0};
        default:
            return {double(std::numeric_limits<qint32>::min()),
                    double(std::numeric_limits<qint32>::max())};
    }
}

std::optional<double> numberIn(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return 1.0;
    if (trimmed.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) return 0.0;
    bool ok = false;
    const double number = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(number)) return std::nullopt;
    return number;
}

// Fits one value to its column; a note explains a value that could not be kept.
class ColumnFitter {
  public:
    ColumnFitter(const ReportColumn& column, const QString& viewName, ColumnType type,
                 QStringList& notes)
        : column_(column), viewName_(viewName), type_(type), notes_(notes) {}

    QVariant fit(const QString& value, const QDateTime& receivedAt) const {
        switch (type_.kind) {
            case ColumnKind::Text:
            case ColumnKind::FixedText:
            case ColumnKind::Memo:
                return type_.length > 0 ? value.left(type_.length) : value;
            case ColumnKind::DateTime:
                return date(value, receivedAt);
            case ColumnKind::Double:
                return number(value, false);
            default:
                return number(value, true);
        }
    }

  private:
    void note(const QString& value, const QString& outcome) const {
        notes_ << QStringLiteral("value \"%1\" of field \"%2\" (column %3): %4")
                      .arg(value.left(100), viewName_, QString::fromLatin1(column_.name), outcome);
    }

    QVariant number(const QString& value, bool whole) const {
        if (value.trimmed().isEmpty()) return QVariant();
        const std::optional<double> parsed = numberIn(value);
        if (!parsed) {
            note(value, QStringLiteral("not a number, stored as NULL"));
            return QVariant();
        }
        if (!whole) return *parsed;
        const double rounded = std::round(*parsed);
        const Range range = rangeOf(type_.kind);
        if (rounded < range.low || rounded > range.high) {
            note(value, QStringLiteral("out of the column's range, stored as NULL"));
            return QVariant();
        }
        if (rounded != *parsed) note(value, QStringLiteral("rounded to %1").arg(qint64(rounded)));
        return qint64(rounded);
    }

    QVariant date(const QString& value, const QDateTime& receivedAt) const {
        QDateTime parsed = QDateTime::fromString(value.trimmed(), Qt::ISODate);
        if (!parsed.isValid()) {
            note(value, QStringLiteral("not an ISO 8601 date, the time of the request stored"));
            parsed = receivedAt;
        }
        return parsed.toLocalTime().toString(kDateFormat);
    }

    const ReportColumn& column_;
    const QString& viewName_;
    ColumnType type_;
    QStringList& notes_;
};

}  // namespace

FittedRecord FittedRecord::fit(const reportsdb::ReportTable& table, reportsdb::DatabaseKind kind,
                               const FormFields& fields, const QDateTime& receivedAt) {
    FittedRecord record;
    for (const ReportColumn& column : table.columns) {
        if (column.isKey()) continue;
        const QString viewName = QString::fromLatin1(column.viewNameFor(kind));
        std::optional<QString> value = fields.value(viewName);
        const bool isLastUpdate = qstrcmp(column.viewName, "lu") == 0;
        if (!value && !isLastUpdate) continue;
        const ColumnFitter fitter(column, viewName, column.typeFor(kind), record.notes);
        record.columns << viewName;
        record.values << (value ? fitter.fit(*value, receivedAt)
                                : QVariant(receivedAt.toString(kDateFormat)));
    }
    return record;
}

}  // namespace sentrel::srws
