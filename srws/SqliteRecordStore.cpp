#include "srws/SqliteRecordStore.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include "srws/FittedRecord.h"
#include "srws/ServiceError.h"

namespace sentrel::srws {

namespace {

const char* const kConnectFailure = "Unable to connect to database";

int bindValue(sqlite3_stmt* statement, int index, const FieldValue& value) {
    if (const auto* whole = std::get_if<std::int64_t>(&value))
        return sqlite3_bind_int64(statement, index, *whole);
    if (const auto* number = std::get_if<double>(&value))
        return sqlite3_bind_double(statement, index, *number);
    if (const auto* text = std::get_if<std::string>(&value))
        return sqlite3_bind_text(statement, index, text->data(), int(text->size()), SQLITE_STATIC);
    return sqlite3_bind_null(statement, index);
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

void SqliteRecordStore::StatementFinalizer::operator()(sqlite3_stmt* statement) const {
    sqlite3_finalize(statement);
}

void SqliteRecordStore::Closer::operator()(sqlite3* database) const {
    sqlite3_close_v2(database);
}

SqliteRecordStore::SqliteRecordStore(const std::string& path) {
    // Opened for writing only: a missing file is reported, never created empty.
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        raise(kConnectFailure, "the file does not exist: " + path);
    sqlite3* opened = nullptr;
    const int result = sqlite3_open_v2(path.c_str(), &opened, SQLITE_OPEN_READWRITE, nullptr);
    database_.reset(opened);
    if (result != SQLITE_OK) raise(kConnectFailure, sqlite3_errmsg(opened));
    sqlite3_busy_timeout(opened, reportsdb::kTimeoutSeconds * 1000);
    execute("PRAGMA journal_mode=WAL");
    execute("PRAGMA synchronous=NORMAL");
    keepJournalOpen(opened);
}

std::unique_ptr<RecordStore> SqliteRecordStore::open(const DatabaseSettings& settings) {
    if (settings.kind != reportsdb::DatabaseKind::File)
        throw ServiceError("SRWS", "this program serves SQLite reports files only");
    return std::make_unique<SqliteRecordStore>(settings.filePath);
}

void SqliteRecordStore::raise(const std::string& text, const std::string& reason) const {
    // Each line of the reason after a CR and the driver's name, as the editor shows them.
    std::string description = text;
    std::size_t start = 0;
    while (start < reason.size()) {
        const std::size_t end = std::min(reason.find('\n', start), reason.size());
        if (end > start) description += "\r[SQLite] " + reason.substr(start, end - start);
        start = end + 1;
    }
    throw ServiceError("SQLConnection", description);
}

void SqliteRecordStore::raiseUnexecuted(const std::string& sql) const {
    raise("Unable to execute: " + sql.substr(0, 25) + "...", sqlite3_errmsg(database_.get()));
}

void SqliteRecordStore::execute(const std::string& sql) {
    if (sqlite3_exec(database_.get(), sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        raiseUnexecuted(sql);
}

SqliteRecordStore::Statement SqliteRecordStore::prepare(const std::string& sql) {
    sqlite3_stmt* prepared = nullptr;
    if (sqlite3_prepare_v2(database_.get(), sql.c_str(), int(sql.size()), &prepared, nullptr) !=
        SQLITE_OK)
        raiseUnexecuted(sql);
    return Statement(prepared);
}

void SqliteRecordStore::insert(const reportsdb::ReportTable& table, const FittedRecord& record) {
    const std::string sql = insertStatement(quoted(table.view), record);
    const Statement statement = prepare(sql);
    for (std::size_t i = 0; i < record.values.size(); ++i) {
        if (bindValue(statement.get(), int(i + 1), record.values[i]) != SQLITE_OK)
            raiseUnexecuted(sql);
    }
    if (sqlite3_step(statement.get()) != SQLITE_DONE) raiseUnexecuted(sql);
}

int SqliteRecordStore::runWithText(const std::string& sql, const std::string& value) {
    const Statement statement = prepare(sql);
    // Bound without a copy: the value outlives the statement's run.
    const FieldValue parameter(value);
    if (bindValue(statement.get(), 1, parameter) != SQLITE_OK) raiseUnexecuted(sql);
    const int result = sqlite3_step(statement.get());
    if (result == SQLITE_ROW) return sqlite3_column_int(statement.get(), 0);
    if (result != SQLITE_DONE) raiseUnexecuted(sql);
    return 0;
}

int SqliteRecordStore::countRows(const reportsdb::ReportTable& table, const char* column,
                                 const std::string& value) {
    return runWithText("SELECT COUNT(*) FROM " + whereClause(quoted(table.name), column), value);
}

void SqliteRecordStore::deleteRows(const reportsdb::ReportTable& table, const char* column,
                                   const std::string& value) {
    runWithText("DELETE FROM " + whereClause(quoted(table.name), column), value);
}

void SqliteRecordStore::inTransaction(const std::function<void()>& work) {
    execute("BEGIN IMMEDIATE");
    try {
        work();
    } catch (...) {
        sqlite3_exec(database_.get(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    execute("COMMIT");
}

}  // namespace sentrel::srws
