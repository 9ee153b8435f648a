#include "reporting/webdirs/SrwsSnippet.h"

#include <QRegularExpression>

#include "reporting/webdirs/ServiceFileName.h"

namespace sentrel::webdirs {

namespace {

const QString kFileName = QStringLiteral("sentrel-srws.conf");

QString quoted(QString value) {
    value.replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QLatin1Char('"') + value + QLatin1Char('"');
}

}  // namespace

QString SrwsSnippet::text() const {
    const QString names = QStringLiteral("(norvanesrws|norvanesvr)\\.dll$");
    return QStringLiteral(
               "# Sentrel Reports Web Service: written at each deployment of the service.\n"
               "<LocationMatch %1>\n"
               "    Alias %2\n"
               "</LocationMatch>\n"
               "<Directory %3>\n"
               "    Options +ExecCGI\n"
               "    <FilesMatch %4>\n"
               "        SetHandler cgi-script\n"
               "    </FilesMatch>\n"
               "    SetEnv SENTREL_REGISTRY %5\n"
               "%6"
               "</Directory>\n")
        .arg(quoted(QStringLiteral("(?i)^") + QRegularExpression::escape(urlPath) + names),
             quoted(folder + QLatin1Char('/') + kServiceFileName), quoted(folder),
             quoted(QStringLiteral("(?i)^") + names), quoted(keyStoreRoot),
             postgresProgram.isEmpty() ? QString()
                                       : QStringLiteral("    SetEnv SENTREL_SRWS_POSTGRES ") +
                                             quoted(postgresProgram) + QLatin1Char('\n'));
}

QString SrwsSnippet::availablePath(const QString& configRoot) {
    return configRoot + QStringLiteral("/conf-available/") + kFileName;
}

QString SrwsSnippet::enabledPath(const QString& configRoot) {
    return configRoot + QStringLiteral("/conf-enabled/") + kFileName;
}

}  // namespace sentrel::webdirs
