#include "editor/views/NodeCaptions.h"

#include <QDateTime>

#include "document/TypeObject.h"
#include "document/Vocabulary.h"

namespace sentrel::views::captions {

bool isFolder(const doc::TypeObject& type) {
    return type.Path(mainMod::kTypeParam) == mainMod::kTypeFolder;
}

QString title(const doc::TypeObject& type, const QString& nodeText) {
    if (isFolder(type)) return QStringLiteral(" Folder: ") + nodeText;
    QString agent = type.Path(mainMod::kUserAgentParam);
    if (agent.isEmpty()) agent = QStringLiteral("none");
    return QStringLiteral(" Browser: ") + nodeText + QStringLiteral("  (") + agent +
           QLatin1Char(')');
}

QString objectUpdate(const doc::TypeObject& type, const QLocale& locale) {
    const QString stamp = type.Path(mainMod::kLastUpdateParam);
    QDateTime when;
    // A stamp that is no date is shown as it stands.
    const QString date = mainMod::toDateTime(stamp, locale, &when)
                             ? locale.toString(when.date(), QLocale::ShortFormat)
                             : stamp;
    return (isFolder(type) ? QStringLiteral(" Folder updated: ")
                           : QStringLiteral(" Browser updated: ")) +
           date + QLatin1Char(' ');
}

}  // namespace sentrel::views::captions
