// Feeds arbitrary requests to the reports web service's request parser, the way a web
// server hands them to the CGI program: the first byte picks the method, content type and
// whether a length is announced; the rest is the query string, then after the first "\n"
// the body, read through the same reader the program uses. A request taken for a record
// must name a table and fit into it: no value longer than its column, the date column
// always set.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

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
    const FittedRecord record = FittedRecord::fit(*log.table, kind, log.fields, 0);
    if (record.columns.size() != record.values.size() || record.columns.empty()) std::abort();
    for (const auto& column : log.table->columns) {
        if (column.isKey()) continue;
        const auto at =
            std::find(record.columns.begin(), record.columns.end(), column.viewNameFor(kind));
        if (at == record.columns.end()) continue;
        const auto type = column.typeFor(kind);
        const FieldValue& value = record.values[std::size_t(at - record.columns.begin())];
        const bool text = type.kind == ColumnKind::Text || type.kind == ColumnKind::FixedText;
        if (!text) continue;
        const std::string& cut = std::get<std::string>(value);
        const auto characters = std::count_if(cut.begin(), cut.end(), [](char c) {
            return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        });
        if (characters > type.length) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const uint8_t choice = data[0];
    const std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t split = rest.find('\n');

    CgiRequest request;
    request.method = kMethods[choice & 3];
    request.contentType = kTypes[(choice >> 2) & 3];
    request.queryString = rest.substr(0, split);
    const std::string input = split == std::string::npos ? std::string() : rest.substr(split + 1);
    if (choice & 16)
        request.contentLength = std::to_string(std::int64_t(input.size()) - (choice >> 5));
    std::size_t offset = 0;
    request.readBody([&](char* into, std::size_t max) {
        const std::size_t n = std::min(max, input.size() - offset);
        std::memcpy(into, input.data() + offset, n);
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
        if (refused->reason.empty() || (refused->status != 400 && refused->status != 405))
            std::abort();
    }
    return 0;
}
