#include "app/UsedLibraries.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtGlobal>

namespace sentrel::app {

namespace {

// SQLite as Qt's driver links it: asked of an in-memory database.
QString sqliteVersion() {
    const QString connection = QStringLiteral("sentrel-about");
    QString version;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(QStringLiteral(":memory:"));
        if (db.open()) {
            QSqlQuery query(QStringLiteral("select sqlite_version()"), db);
            if (query.next()) version = query.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return version;
}

QString named(const QString& name, const QString& version) {
    return version.isEmpty() ? name : name + QLatin1Char(' ') + version;
}

}  // namespace

QStringList usedLibraries() {
    return {named(QStringLiteral("Qt"), QString::fromLatin1(qVersion())),
            named(QStringLiteral("SQLite"), sqliteVersion()),
            QStringLiteral("PostgreSQL client (Qt SQL driver QPSQL)")};
}

}  // namespace sentrel::app
