#include "UapCoreCases.h"

#include <QFile>

namespace sentrel::test {

namespace {

// A YAML scalar as these files write it: '...' (with '' for a quote), "..." or bare.
QString scalar(QString text) {
    text = text.trimmed();
    if (text.size() >= 2 && text.startsWith(u'\'') && text.endsWith(u'\'')) {
        return text.mid(1, text.size() - 2).replace(QLatin1String("''"), QLatin1String("'"));
    }
    if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"')) {
        return text.mid(1, text.size() - 2).replace(QLatin1String("\\\""), QLatin1String("\""));
    }
    return text;
}

// The value of "key:" on this line, if the line holds that key.
bool valueOf(const QString& line, const QString& key, QString* value) {
    QString text = line.trimmed();
    if (text.startsWith(QLatin1String("- "))) text = text.mid(2);
    if (!text.startsWith(key + u':')) return false;
    *value = scalar(text.mid(key.size() + 1));
    return true;
}

}  // namespace

std::vector<UapCase> readUapCases(const QString& path) {
    std::vector<UapCase> cases;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return cases;
    QString value;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine());
        if (valueOf(line, QStringLiteral("user_agent_string"), &value)) {
            cases.push_back({value, {}, {}});
        } else if (!cases.empty() && valueOf(line, QStringLiteral("family"), &value)) {
            cases.back().family = value;
        } else if (!cases.empty() && valueOf(line, QStringLiteral("major"), &value)) {
            cases.back().major = value;
        }
    }
    return cases;
}

}  // namespace sentrel::test
