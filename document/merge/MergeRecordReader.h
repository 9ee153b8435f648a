#pragma once

#include <QString>
#include <array>

namespace sentrel::doc {

// One record of a merge file as read back: its code (1 to 12) and five fields, or the
// reason it could not be read.
struct ReadMergeRecord {
    int code = 0;
    std::array<QString, 5> fields;
    QString fault;  // empty when the record was read

    bool ok() const { return fault.isEmpty(); }
};

// Reads the lines of a merge file. Text fields are written inside double quotation marks
// without any escaping, so a description, pattern or value may itself hold `","`. Each code
// has a known shape: names, dates, ids and flags never hold a quotation mark and are read
// from the ends of the line; what remains is the free text. A record with two free texts
// side by side (codes 4, 6, 10 and 11) whose remainder holds `","` more than once can be
// read in more than one way and is refused, never guessed.
class MergeRecordReader {
  public:
    // `line` without its line ending (a trailing CR is ignored).
    static ReadMergeRecord read(QString line);
};

}  // namespace sentrel::doc
