#include "reporting/reportsdb/SQLConnection.h"

#include <QAtomicInteger>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

#include "reporting/reportsdb/ErrorText.h"
#include "shell/AppError.h"

namespace sentrel::reportsdb {

namespace {

const QString kSource = QStringLiteral("SQLConnection");

QString uniqueConnectionName() {
    static QAtomicInteger<quint64> counter;
    return QStringLiteral("sentrel-reportsdb-%1").arg(counter.fetchAndAddRelaxed(1));
}

// The source named in error texts: the database behind the driver.
QString driverSource(const QString& driver) {
    if (driver == QLatin1String("QPSQL")) return QStringLiteral("PostgreSQL");
    if (driver == QLatin1String("QSQLITE")) return QStringLiteral("SQLite");
    return driver.isEmpty() ? kSource : driver;
}

}  // namespace

SQLConnection::SQLConnection() : name_(uniqueConnectionName()) {}

SQLConnection::~SQLConnection() {
    Disconnect();
}

QSqlDatabase SQLConnection::database() const {
    return QSqlDatabase::database(name_, false);
}

void SQLConnection::raise(const QString& text, const QSqlError& error) const {
    throw AppError(AppError::kObjectErrorBase,
                   errorText(text, driverSource(driver_), error, password_), kSource);
}

void SQLConnection::Connect(const ConnectionTarget& target) {
    Disconnect();
    driver_ = target.driver;
    password_ = target.password;
    QString failureText = QStringLiteral("Unable to connect to database");
    QSqlError failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(target.driver, name_);
        db.setDatabaseName(target.databaseName);
        db.setHostName(target.host);
        db.setPort(target.port);
        db.setUserName(target.user);
        db.setPassword(target.password);
        db.setConnectOptions(target.connectOptions);
        if (!db.isValid())
            failureText = QStringLiteral("Unable to find the Qt SQL driver ") + target.driver;
        if (!db.open()) failure = db.lastError();
        connected_ = db.isOpen();
    }
    for (const QString& statement : target.setupStatements) {
        if (failure.isValid()) break;
        QSqlQuery query(database());
        if (!query.exec(statement)) failure = query.lastError();
    }
    if (failure.isValid()) {
        Disconnect();
        raise(failureText, failure);
    }
}

void SQLConnection::Disconnect() {
    if (!QSqlDatabase::contains(name_)) return;
    database().close();
    QSqlDatabase::removeDatabase(name_);
    connected_ = false;
}

bool SQLConnection::ExecuteSuppressErrors(const QString& sql, const QVariantList& values) {
    try {
        Execute(sql, values);
        return true;
    } catch (const AppError&) {
        return false;
    }
}

void SQLConnection::Execute(const QString& sql, const QVariantList& values) {
    Query(sql, values);
}

QStringList SQLConnection::Query(const QString& sql, const QVariantList& values) {
    const QString failureText =
        QStringLiteral("Unable to execute: ") + sql.left(25) + QStringLiteral("...");
    if (!connected_) {
        raise(failureText,
              QSqlError(QStringLiteral("Not connected"), QString(), QSqlError::ConnectionError));
    }
    QSqlQuery query(database());
    query.setForwardOnly(true);
    // Statements without values run as they are: PostgreSQL prepares only queries and
    // data changes, not table or view definitions.
    bool ok = values.isEmpty() || query.prepare(sql);
    for (const QVariant& value : values) query.addBindValue(value);
    ok = ok && (values.isEmpty() ? query.exec(sql) : query.exec());
    if (!ok) raise(failureText, query.lastError());
    QStringList rows;
    while (query.isSelect() && query.next()) rows << query.value(0).toString();
    return rows;
}

void SQLConnection::begin() {
    if (!database().transaction()) {
        raise(QStringLiteral("Unable to execute: BEGIN..."), database().lastError());
    }
}

void SQLConnection::commit() {
    if (!database().commit()) {
        raise(QStringLiteral("Unable to execute: COMMIT..."), database().lastError());
    }
}

void SQLConnection::rollback() {
    database().rollback();
}

}  // namespace sentrel::reportsdb
