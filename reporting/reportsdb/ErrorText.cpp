#include "reporting/reportsdb/ErrorText.h"

#include <QRegularExpression>
#include <QStringList>

namespace sentrel::reportsdb {

namespace {

const QString kHidden = QStringLiteral("********");

// PostgreSQL follows its reason with the statement's line, a caret under the fault and the
// error code; the statement is the driver's internal form ("PREPARE qpsqlpstmt_1 AS ..."),
// so these lines say nothing to the user.
bool isStatementEcho(const QString& line) {
    static const QRegularExpression echo(QStringLiteral(R"(^(LINE \d+: .*|\s*\^\s*|\(\w{5}\))$)"));
    return echo.match(line).hasMatch();
}

}  // namespace

QString errorText(const QString& text, const QString& source, const QSqlError& error,
                  const QString& password) {
    QString reason = error.databaseText().trimmed();
    if (reason.isEmpty()) reason = error.driverText().trimmed();
    QString result = text;
    for (const QString& line : reason.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (isStatementEcho(line)) continue;
        result += QStringLiteral("\r[") + source + QStringLiteral("] ") + line.trimmed();
    }
    return withoutPassword(result, password);
}

QString withoutPassword(QString text, const QString& password) {
    static const QRegularExpression option(
        QStringLiteral(R"(password\s*=\s*('(?:[^'\\]|\\.)*'|[^\s;]*))"),
        QRegularExpression::CaseInsensitiveOption);
    text.replace(option, QStringLiteral("password=") + kHidden);
    if (!password.isEmpty()) text.replace(password, kHidden);
    return text;
}

}  // namespace sentrel::reportsdb
