#include "app/bdf/sampledata/DefinitionTables.h"

#include <QFile>
#include <QFileInfo>
#include <functional>

#include "document/Vocabulary.h"
#include "shell/AppError.h"

namespace sentrel::bdf {

namespace {

using Row = std::function<void(const QStringList& cells, const QString& origin)>;

// Calls `row` for every line that is neither empty nor a comment, with at least `columns`
// cells (missing trailing cells are empty).
void forEachRow(const QString& path, int columns, const Row& row) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        throw AppError(AppError::kFileNotFound, path + QStringLiteral(": ") + file.errorString());
    }
    int number = 0;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).remove(u'\n').remove(u'\r');
        ++number;
        if (line.trimmed().isEmpty() || line.startsWith(u'#')) continue;
        QStringList cells = line.split(u'\t');
        while (cells.size() < columns) cells << QString();
        row(cells, QStringLiteral("%1:%2").arg(QFileInfo(path).fileName()).arg(number));
    }
}

int wholeNumber(const QString& text, const QString& origin) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        DefinitionTables::reject(origin, QStringLiteral("\"%1\" is not a whole number").arg(text));
    return value;
}

// "1-150", "6,7,8", "5.5" or "" as version texts with a minor part ("1.0", ..., "5.5").
QStringList expandVersions(const QString& text, const QString& origin) {
    QStringList versions;
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts)) {
        const QStringList range = part.trimmed().split(u'-');
        if (range.size() == 2) {
            const int last = wholeNumber(range.at(1), origin);
            for (int major = wholeNumber(range.at(0), origin); major <= last; ++major) {
                versions << QStringLiteral("%1.0").arg(major);
            }
        } else if (part.contains(u'.')) {
            versions << part.trimmed();
        } else {
            versions << QStringLiteral("%1.0").arg(wholeNumber(part, origin));
        }
    }
    return versions;
}

// `text` with "{v}" replaced by the major version of `version` ("143" of "143.0").
QString withMajor(QString text, const QString& version) {
    return text.replace(QLatin1String("{v}"), version.section(u'.', 0, 0));
}

// A filter's uId: a number, or "base+{v}" for the filters of a version row (base plus the
// major version, so each version keeps its number from one release to the next).
int filterUId(const QString& text, const QString& version, const QString& origin) {
    if (!text.endsWith(QLatin1String("+{v}"))) return wholeNumber(text, origin);
    return wholeNumber(text.chopped(4), origin) + version.section(u'.', 0, 0).toInt();
}

std::vector<DefinitionTables::Value> parseValues(const QString& text, const QString& origin) {
    std::vector<DefinitionTables::Value> values;
    for (const QString& item : text.split(u';', Qt::SkipEmptyParts)) {
        const qsizetype equals = item.indexOf(u'=');
        if (equals <= 0)
            DefinitionTables::reject(origin,
                                     QStringLiteral("\"%1\" is not Property=value").arg(item));
        values.emplace_back(item.left(equals).trimmed(), item.mid(equals + 1).trimmed());
    }
    return values;
}

}  // namespace

void DefinitionTables::reject(const QString& origin, const QString& problem) {
    throw AppError(AppError::kPathFileAccess, origin + QStringLiteral(": ") + problem);
}

DefinitionTables DefinitionTables::load(const QDir& folder) {
    DefinitionTables tables;
    tables.readRelease(folder.filePath(QStringLiteral("release.tsv")));
    tables.readProperties(folder.filePath(QStringLiteral("properties.tsv")));
    const QDir entries(folder.filePath(QStringLiteral("entries")));
    for (const QString& file :
         entries.entryList({QStringLiteral("*.tsv")}, QDir::Files, QDir::Name)) {
        tables.readEntries(entries.filePath(file));
    }
    tables.readFilters(folder.filePath(QStringLiteral("filters.tsv")));
    return tables;
}

void DefinitionTables::readRelease(const QString& path) {
    forEachRow(path, 2, [this](const QStringList& cells, const QString& origin) {
        if (cells.at(0) == QLatin1String("major")) {
            major = wholeNumber(cells.at(1), origin);
        } else if (cells.at(0) == QLatin1String("minor")) {
            minor = wholeNumber(cells.at(1), origin);
        } else if (cells.at(0) == QLatin1String("date")) {
            released = QDate::fromString(cells.at(1), Qt::ISODate);
            if (!released.isValid())
                DefinitionTables::reject(origin, QStringLiteral("the date is not yyyy-MM-dd"));
        } else {
            DefinitionTables::reject(origin, QStringLiteral("unknown key \"%1\"").arg(cells.at(0)));
        }
    });
    if (!released.isValid()) DefinitionTables::reject(path, QStringLiteral("no release date"));
}

void DefinitionTables::readProperties(const QString& path) {
    forEachRow(path, 3, [this](const QStringList& cells, const QString&) {
        properties.push_back({cells.at(0), cells.at(1), cells.at(2)});
    });
}

void DefinitionTables::readEntries(const QString& path) {
    forEachRow(path, 6, [this](const QStringList& cells, const QString& origin) {
        Entry entry{cells.at(0), cells.at(1), cells.at(2),
                    cells.at(3), QString(),   parseValues(cells.at(5), origin),
                    origin};
        const QStringList versions = expandVersions(cells.at(4), origin);
        if (versions.isEmpty()) {
            entries.push_back(entry);
            return;
        }
        for (const QString& version : versions) {
            entries.push_back({withMajor(entry.name, version), entry.parent,
                               withMajor(entry.description, version),
                               withMajor(entry.pattern, version), version, entry.values, origin});
        }
    });
}

void DefinitionTables::readFilters(const QString& path) {
    forEachRow(path, 7, [this](const QStringList& cells, const QString& origin) {
        const QString display = mainMod::filterDisplayFromShortCode(cells.at(1));
        if (display.isEmpty())
            DefinitionTables::reject(origin,
                                     QStringLiteral("unknown kind \"%1\"").arg(cells.at(1)));
        const int kind = mainMod::filterKindFromDisplay(display);
        QStringList versions = expandVersions(cells.at(6), origin);
        if (versions.isEmpty()) versions << QString();
        for (const QString& version : versions) {
            filters.push_back({filterUId(cells.at(0), version, origin), kind, cells.at(2),
                               withMajor(cells.at(3), version), cells.at(4),
                               withMajor(cells.at(5), version), origin});
        }
    });
}

}  // namespace sentrel::bdf
