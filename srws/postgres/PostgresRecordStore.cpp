#include "srws/postgres/PostgresRecordStore.h"

#include <QVariantList>

#include "reporting/reportsdb/SqlDialect.h"
#include "shell/AppError.h"
#include "srws/FittedRecord.h"
#include "srws/ServiceError.h"
#include "srws/SqliteRecordStore.h"

namespace sentrel::srws {

namespace {

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

reportsdb::ReportsDbSettings layerSettings(const DatabaseSettings& settings) {
    reportsdb::ReportsDbSettings layer;
    layer.kind = settings.kind;
    layer.filePath = text(settings.filePath);
    layer.server = text(settings.server);
    layer.useOsAuthentication = settings.useOsAuthentication;
    layer.user = text(settings.user);
    layer.password = text(settings.password);
    layer.database = text(settings.database);
    layer.tableOwner = text(settings.tableOwner);
    return layer;
}

QVariant bound(const FieldValue& value) {
    if (const auto* whole = std::get_if<std::int64_t>(&value)) return qint64(*whole);
    if (const auto* number = std::get_if<double>(&value)) return *number;
    if (const auto* string = std::get_if<std::string>(&value)) return text(*string);
    return QVariant();
}

}  // namespace

template <class Work>
auto PostgresRecordStore::translated(Work&& work) {
    try {
        return work();
    } catch (const AppError& error) {
        throw ServiceError(error.source().toStdString(), error.description().toStdString());
    }
}

PostgresRecordStore::PostgresRecordStore(const DatabaseSettings& settings)
    : database_(layerSettings(settings)), dialect_(database_.dialect()) {
    translated([&] { database_.OpenExisting(connection_); });
}

PostgresRecordStore::~PostgresRecordStore() = default;

std::unique_ptr<RecordStore> PostgresRecordStore::open(const DatabaseSettings& settings) {
    if (settings.kind == reportsdb::DatabaseKind::File) return SqliteRecordStore::open(settings);
    return std::make_unique<PostgresRecordStore>(settings);
}

std::string PostgresRecordStore::qualified(const char* name) const {
    return dialect_->qualified(QString::fromLatin1(name)).toStdString();
}

void PostgresRecordStore::insert(const reportsdb::ReportTable& table, const FittedRecord& record) {
    QVariantList values;
    for (const FieldValue& value : record.values) values << bound(value);
    translated(
        [&] { connection_.Execute(text(insertStatement(qualified(table.view), record)), values); });
}

int PostgresRecordStore::countRows(const reportsdb::ReportTable& table, const char* column,
                                   const std::string& value) {
    const QStringList rows = translated([&] {
        return connection_.Query(
            text("SELECT COUNT(*) FROM " + whereClause(qualified(table.name), column)),
            {text(value)});
    });
    return rows.isEmpty() ? 0 : rows.first().toInt();
}

void PostgresRecordStore::deleteRows(const reportsdb::ReportTable& table, const char* column,
                                     const std::string& value) {
    translated([&] {
        connection_.Execute(text("DELETE FROM " + whereClause(qualified(table.name), column)),
                            {text(value)});
    });
}

void PostgresRecordStore::inTransaction(const std::function<void()>& work) {
    translated([&] { connection_.InTransaction(work); });
}

}  // namespace sentrel::srws
