#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <array>

namespace sentrel::lifecycle {

// One line of the merge file: the record code (1 to 12) and five fields. Text fields are
// written inside double quotation marks exactly as they are (no escaping: the merge tools
// read the fields that way); the filter records 10 to 12 carry the filter's unique id as a
// bare integer in their first field. Every line ends in CR LF; the text is UTF-8.
struct MergeRecord {
    int code = 0;
    std::array<QString, 5> fields;

    QByteArray line() const;

    // Codes whose first field is the filter's unique id.
    static bool hasNumericId(int code) { return code >= 10 && code <= 12; }
    // The date stamp written into records: ISO 8601, like every date the program writes.
    static QString dateStamp(const QDateTime& stamp);
};

}  // namespace sentrel::lifecycle
