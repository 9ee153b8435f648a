#include "codegen/GeneralDate.h"

#include <QRegularExpression>

namespace sentrel::codegen {

QString generalDateText(const QDateTime& when, const QLocale& locale) {
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    // "t" is the time zone; the generated comment is read where it was written.
    static const QRegularExpression zone(QStringLiteral("\\s*\\bt+\\b\\s*"));
    timeFormat = timeFormat.replace(zone, QStringLiteral(" ")).trimmed();
    return locale.toString(when.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(when.time(), timeFormat);
}

QString currentGeneralDate() {
    return generalDateText(QDateTime::currentDateTime(), QLocale::system());
}

}  // namespace sentrel::codegen
