#include "reporting/webdirs/ApacheEnvVars.h"

#include <QRegularExpression>
#include <QStringList>

namespace sentrel::webdirs {

namespace {

QString unquoted(QString value) {
    value = value.trimmed();
    if (value.size() >= 2 &&
        (value.startsWith(QLatin1Char('"')) || value.startsWith(QLatin1Char('\''))) &&
        value.endsWith(value.front())) {
        return value.mid(1, value.size() - 2);
    }
    return value;
}

QString expanded(const QString& value, const QHash<QString, QString>& known) {
    static const QRegularExpression reference(
        QStringLiteral(R"(\$\{([A-Za-z_][A-Za-z0-9_]*)\}|\$([A-Za-z_][A-Za-z0-9_]*))"));
    QString result;
    qsizetype from = 0;
    for (auto it = reference.globalMatch(value); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        result += value.mid(from, match.capturedStart() - from);
        const QString name = match.captured(1).isEmpty() ? match.captured(2) : match.captured(1);
        result += known.value(name);
        from = match.capturedEnd();
    }
    return result + value.mid(from);
}

}  // namespace

QHash<QString, QString> ApacheEnvVars::parse(const QByteArray& text) {
    static const QRegularExpression assignment(
        QStringLiteral(R"(^\s*(?:export\s+)?([A-Za-z_][A-Za-z0-9_]*)=(.*)$)"));
    QHash<QString, QString> variables;
    for (const QString& line : QString::fromUtf8(text).split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = assignment.match(line);
        if (!match.hasMatch()) continue;
        const QString raw = match.captured(2);
        // A single-quoted value is taken as it stands, as the shell does.
        const bool literal = raw.trimmed().startsWith(QLatin1Char('\''));
        const QString value = unquoted(raw);
        variables.insert(match.captured(1), literal ? value : expanded(value, variables));
    }
    return variables;
}

}  // namespace sentrel::webdirs
