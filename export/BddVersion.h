#pragma once

#include <QDateTime>
#include <QString>

namespace sentrel::doc {
class Document;
}

namespace sentrel::exporting {

// The version block of a BDD: the definitions' major and minor version and their last
// update. The editor takes the numbers from the version fields of its options and the date
// from the open document; the command line takes all three from the document's Internals.
struct BddVersion {
    int major = 0;
    int minor = 0;
    QDateTime lastUpdate;

    // Major, ".", minor with two digits at least: 2 and 5 give "2.05".
    QString versionText() const;
    // ISO 8601 ("2026-12-01T09:30:00"); empty when no date is known.
    QString dateText() const;

    // The version fields of the document's Internals; zeros and no date when it has none.
    static BddVersion of(doc::Document& document);
};

}  // namespace sentrel::exporting
