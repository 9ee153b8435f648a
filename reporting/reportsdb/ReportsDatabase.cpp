#include "reporting/reportsdb/ReportsDatabase.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>

#include "reporting/reportsdb/ConnectionTargets.h"
#include "reporting/reportsdb/ErrorText.h"
#include "reporting/reportsdb/PostgresDialect.h"
#include "reporting/reportsdb/SQLConnection.h"
#include "reporting/reportsdb/SqliteDialect.h"
#include "shell/AppError.h"

namespace sentrel::reportsdb {

namespace {

void runAll(SQLConnection& connection, const QList<Statement>& statements) {
    for (const Statement& statement : statements)
        connection.Execute(statement.sql, statement.values);
}

[[noreturn]] void raiseFileFailure(const QString& reason) {
    throw AppError(
        AppError::kObjectErrorBase,
        errorText(QStringLiteral("Unable to connect to database"), QStringLiteral("SQLite"),
                  QSqlError(QString(), reason, QSqlError::ConnectionError), QString()),
        QStringLiteral("SQLConnection"));
}

}  // namespace

ReportsDatabase::ReportsDatabase(ReportsDbSettings settings) : settings_(std::move(settings)) {}

ReportsDatabase::~ReportsDatabase() = default;

std::unique_ptr<SqlDialect> ReportsDatabase::dialect() const {
    if (settings_.kind == DatabaseKind::File) return std::make_unique<SqliteDialect>();
    return std::make_unique<PostgresDialect>(settings_.tableOwner);
}

void ReportsDatabase::open(SQLConnection& connection, bool create) const {
    if (settings_.kind == DatabaseKind::Server) {
        connection.Connect(serverTarget(settings_, settings_.database));
        return;
    }
    const QString& path = settings_.filePath;
    if (create) {
        const QString folder = QFileInfo(path).absolutePath();
        if (!QDir().mkpath(folder)) {
            raiseFileFailure(QStringLiteral("unable to create the folder: ") + folder);
        }
    } else if (!QFileInfo::exists(path)) {
        raiseFileFailure(QStringLiteral("the file does not exist: ") + path);
    }
    connection.Connect(
        fileTarget(path, create ? FileOpening::CreateWhenMissing : FileOpening::ExistingOnly));
}

void ReportsDatabase::ConnectTest() const {
    SQLConnection connection;
    open(connection, false);
    connection.Disconnect();
}

void ReportsDatabase::TableTest() const {
    SQLConnection connection;
    open(connection, false);
    connection.InTransaction([&] { runAll(connection, dialect()->tableTest()); });
}

void ReportsDatabase::CreateTables() const {
    SQLConnection connection;
    open(connection, true);
    const auto sql = dialect();
    connection.InTransaction([&] { runAll(connection, sql->initialisation(connection)); });
}

}  // namespace sentrel::reportsdb
