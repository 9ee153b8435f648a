// Feeds arbitrary requests to the reports web service's request parser, the way a web
// server hands them to the CGI program: the first byte picks the method, content type and
// whether a length is announced; the rest is the query string, then after the first "\n"
// the body, read through the same reader the program uses. A request taken for a record
// must name a table and fit into it: no value longer than its column, the date column
// always set.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "srws/CgiRequest.h"
#include "srws/FittedRecord.h"
#include "srws/ServiceRequest.h"

using namespace sentrel::srws;
using sentrel::reportsdb::ColumnKind;
using sentrel::reportsdb::DatabaseKind;

namespace {

const char* const kMethods[] = {"GET", "POST", "OPTIONS", "PUT"};
const char* const kTypes[] = {"application/x-www-form-urlencoded", "",
                              "application/x-www-form-urlencoded; charset=UTF-8", "text/plain"};

void checkFits(const LogRequest& log, DatabaseKind kind) {
    const FittedRecord record = FittedRecord::fit(*log.table, kind, log.fields, QDateTime());
    if (record.columns.size() != record.values.size() || record.columns.isEmpty()) std::abort();
    for (const auto& column : log.table->columns) {
        const qsizetype at = record.columns.indexOf(QString::fromLatin1(column.viewNameFor(kind)));
        if (at < 0) continue;
        const auto type = column.typeFor(kind);
        const bool text = type.kind == ColumnKind::Text || type.kind == ColumnKind::FixedText;
        if (text && record.values[at].toString().size() > type.length) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const uint8_t choice = data[0];
    const QByteArray rest(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const qsizetype split = rest.indexOf('\n');

    CgiRequest request;
    request.method = QString::fromLatin1(kMethods[choice & 3]);
    request.contentType = QString::fromLatin1(kTypes[(choice >> 2) & 3]);
    request.queryString = split < 0 ? rest : rest.left(split);
    const QByteArray input = split < 0 ? QByteArray() : rest.mid(split + 1);
    if (choice & 16) request.contentLength = QByteArray::number(input.size() - (choice >> 5));
    qsizetype offset = 0;
    request.readBody([&](char* into, qsizetype max) {
        const qsizetype n = std::min(max, input.size() - offset);
        std::memcpy(into, input.constData() + offset, size_t(n));
        offset += n;
        return n;
    });
    if (request.body.size() > kMaxRequestBytes + 1) std::abort();

    const ServiceRequest parsed = parseRequest(request);
    if (const auto* log = std::get_if<LogRequest>(&parsed)) {
        if (!log->table) std::abort();
        checkFits(*log, DatabaseKind::File);
        checkFits(*log, DatabaseKind::Server);
    } else if (const auto* refused = std::get_if<RefusedRequest>(&parsed)) {
        if (refused->reason.isEmpty() || (refused->status != 400 && refused->status != 405))
            std::abort();
    }
    return 0;
}
