#include "srws/SqliteRecordWriter.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <QFile>
#include <memory>

#include "reporting/reportsdb/ConnectionTargets.h"
#include "reporting/reportsdb/ErrorText.h"
#include "reporting/reportsdb/SqliteDialect.h"
#include "shell/AppError.h"
#include "srws/FittedRecord.h"

namespace sentrel::srws {

namespace {

const QString kConnectFailure = QStringLiteral("Unable to connect to database");

struct StatementFinalizer {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

int bind(sqlite3_stmt* statement, int index, const QVariant& value) {
    if (value.isNull()) return sqlite3_bind_null(statement, index);
    switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::Bool:
            return sqlite3_bind_int64(statement, index, value.toLongLong());
        case QMetaType::Double:
            return sqlite3_bind_double(statement, index, value.toDouble());
        default: {
            const QByteArray text = value.toString().toUtf8();
            return sqlite3_bind_text(statement, index, text.constData(), int(text.size()),
                                     SQLITE_TRANSIENT);
        }
    }
}

// Every request is its own process and so the last connection to close. By default that
// connection copies the write-ahead journal into the file, syncs both and deletes the
// journal, and the next request creates and syncs a new one: three disk syncs per record.
// Instead the journal stays, and the commit that finds it at kJournalPages pages or more
// copies it into the file and empties it. The bound is low because each process rebuilds
// the journal's index by reading all of it, and because SQLite's own automatic copy would
// never empty the journal here: a process that rebuilds the index forgets what an earlier
// one copied, so the journal would only grow and every copy would rewrite all of it.
constexpr int kJournalPages = 100;

int copyBackLongJournal(void*, sqlite3* database, const char* schema, int pages) {
    if (pages < kJournalPages) return SQLITE_OK;
    // Never wait for another process here: the record is committed already, and a later
    // request copies the journal back when this one cannot.
    sqlite3_busy_timeout(database, 0);
    sqlite3_wal_checkpoint_v2(database, schema, SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr);
    return SQLITE_OK;
}

void keepJournalOpen(sqlite3* database) {
    sqlite3_db_config(database, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    sqlite3_wal_hook(database, copyBackLongJournal, nullptr);
}

}  // namespace

SqliteRecordWriter::SqliteRecordWriter(const QString& path) {
    // Opened for writing only: a missing file is reported, never created empty.
    const QByteArray file = QFile::encodeName(path);
    struct stat status {};
    if (::stat(file.constData(), &status) != 0)
        raise(kConnectFailure, QStringLiteral("the file does not exist: ") + path);
    sqlite3* opened = nullptr;
    const int result = sqlite3_open_v2(file.constData(), &opened, SQLITE_OPEN_READWRITE, nullptr);
    database_.reset(opened);
    if (result != SQLITE_OK) raise(kConnectFailure, QString::fromUtf8(sqlite3_errmsg(opened)));
    sqlite3_busy_timeout(opened, reportsdb::kTimeoutSeconds * 1000);
    execute(QStringLiteral("PRAGMA journal_mode=WAL"));
    execute(QStringLiteral("PRAGMA synchronous=NORMAL"));
    keepJournalOpen(opened);
}

void SqliteRecordWriter::Closer::operator()(sqlite3* database) const {
    sqlite3_close_v2(database);
}

void SqliteRecordWriter::raise(const QString& text, const QString& reason) const {
    throw AppError(
        AppError::kObjectErrorBase,
        reportsdb::errorText(text, QStringLiteral("SQLite"),
                             QSqlError(QString(), reason, QSqlError::UnknownError), QString()),
        QStringLiteral("SQLConnection"));
}

void SqliteRecordWriter::raiseUnexecuted(const QString& sql) const {
    raise(QStringLiteral("Unable to execute: ") + sql.left(25) + QStringLiteral("..."),
          QString::fromUtf8(sqlite3_errmsg(database_.get())));
}

void SqliteRecordWriter::execute(const QString& sql) {
    if (sqlite3_exec(database_.get(), sql.toUtf8().constData(), nullptr, nullptr, nullptr) !=
        SQLITE_OK)
        raiseUnexecuted(sql);
}

void SqliteRecordWriter::insert(const reportsdb::ReportTable& table, const FittedRecord& record) {
    const QString sql = insertStatement(reportsdb::SqliteDialect(), table, record);
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt* prepared = nullptr;
    if (sqlite3_prepare_v2(database_.get(), utf8.constData(), int(utf8.size()), &prepared,
                           nullptr) != SQLITE_OK)
        raiseUnexecuted(sql);
    const Statement statement(prepared);
    for (int i = 0; i < int(record.values.size()); ++i) {
        if (bind(prepared, i + 1, record.values[i]) != SQLITE_OK) raiseUnexecuted(sql);
    }
    if (sqlite3_step(prepared) != SQLITE_DONE) raiseUnexecuted(sql);
}

}  // namespace sentrel::srws
