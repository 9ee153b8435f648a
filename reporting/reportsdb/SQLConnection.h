#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantList>

namespace sentrel::reportsdb {

// Where and how to open one database connection.
struct ConnectionTarget {
    QString driver = {};        // "QSQLITE" or "QPSQL"
    QString databaseName = {};  // SQLite: the file (or a "file:" URI); PostgreSQL: the database
    QString host = {};          // PostgreSQL: host name, address or socket folder
    int port = -1;
    QString user = {};
    QString password = {};  // never shown: removed from every error text
    QString connectOptions = {};
    // Run right after opening, in this order (journal mode, time-outs); a failure fails
    // the connect.
    QStringList setupStatements = {};
};

// One connection to a reports database. Every failure raises an AppError numbered
// AppError::kObjectErrorBase with source "SQLConnection" and a description built by the
// error-text rule: the given text, then for each error of the driver a line
// "[" + source + "] " + reason, where source is "SQLite" or "PostgreSQL". The password of
// the connection never appears in a description.
//
// Each object owns a QSqlDatabase connection of its own under a unique name, removed again
// by Disconnect and by the destructor.
class SQLConnection {
  public:
    SQLConnection();
    ~SQLConnection();
    SQLConnection(const SQLConnection&) = delete;
    SQLConnection& operator=(const SQLConnection&) = delete;

    // Opens the connection (disconnecting first when connected) and runs the target's setup
    // statements; failure: "Unable to connect to database", or "Unable to find the Qt SQL
    // driver " + driver when Qt has no such driver.
    void Connect(const ConnectionTarget& target);
    // Closes the connection when open; never fails.
    void Disconnect();
    // Runs one statement with its values bound in order (placeholders "?"); failure:
    // "Unable to execute: " + the statement's first 25 characters + "...".
    void Execute(const QString& sql, const QVariantList& values = {});
    // The same, ignoring every failure; returns whether the statement ran.
    bool ExecuteSuppressErrors(const QString& sql, const QVariantList& values = {});
    // Runs a query and returns the first column of every row; failures as Execute.
    QStringList Query(const QString& sql, const QVariantList& values = {});

    // Runs `work` in one transaction: committed when it returns, rolled back when it
    // throws (the error goes on to the caller).
    template <typename Work>
    void InTransaction(Work&& work) {
        begin();
        try {
            work();
        } catch (...) {
            rollback();
            throw;
        }
        commit();
    }

    bool isConnected() const { return connected_; }

  private:
    QSqlDatabase database() const;
    [[noreturn]] void raise(const QString& text, const class QSqlError& error) const;
    void begin();
    void commit();
    void rollback();

    QString name_;
    QString driver_;
    QString password_;
    bool connected_ = false;
};

}  // namespace sentrel::reportsdb
