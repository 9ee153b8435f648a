#pragma once

#include <QDate>
#include <QDir>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace sentrel::bdf {

// The source tables of the shipped definitions (data/definitions), read as they stand:
//
//   release.tsv         key and value: "major", "minor" (the definitions' version) and
//                       "date" (their release date, yyyy-MM-dd)
//   properties.tsv      name, data type, the root's value
//   entries/*.tsv       in file-name order: name, parent, description, pattern, versions,
//                       values ("Property=value; Property=value")
//   filters.tsv         uId, kind (UA, Cookie, ENV, Cert), data field, condition,
//                       property to set, value to set, versions; they apply in the order of
//                       the rows
//
// Columns are separated by tabs; empty lines and lines that begin with "#" are skipped. An
// entry row without a pattern is a folder. A row with versions stands for one entry per
// version: "1-150" is every major version from 1 to 150, "6,7,8" a list, "5.5" one version
// with its minor part; "{v}" in its name, description and pattern is the major version.
// A filter row with versions stands for one filter per major version: "{v}" in its condition
// and value is the version, and its uId "base+{v}" is the base plus the version.
// Throws AppError naming the file and line of a row that cannot be read.
class DefinitionTables {
  public:
    struct Property {
        QString name;
        QString dataType;
        QString rootValue;
    };
    using Value = std::pair<QString, QString>;  // property, value
    struct Entry {
        QString name;
        QString parent;
        QString description;
        QString pattern;
        QString version;  // "124.0", or empty for folders and version-less entries
        std::vector<Value> values;
        QString origin;  // "file:line", for messages
    };
    struct Filter {
        int uId = 0;
        int kind = 0;
        QString dataField;
        QString condition;
        QString property;
        QString value;
        QString origin;  // "file:line", for messages
    };

    static DefinitionTables load(const QDir& folder);
    // Throws the AppError of a row that cannot be used: "origin: problem".
    [[noreturn]] static void reject(const QString& origin, const QString& problem);

    int major = 1;
    int minor = 0;
    QDate released;
    std::vector<Property> properties;
    std::vector<Entry> entries;
    std::vector<Filter> filters;

  private:
    void readRelease(const QString& path);
    void readProperties(const QString& path);
    void readEntries(const QString& path);
    void readFilters(const QString& path);
};

}  // namespace sentrel::bdf
