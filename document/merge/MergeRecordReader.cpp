#include "document/merge/MergeRecordReader.h"

#include <QList>

namespace sentrel::doc {

namespace {

const QString kSeparator = QStringLiteral("\",\"");

// Where each code keeps its free text: fields read from the left, free texts in the
// middle, fields read from the right.
struct Shape {
    int left;
    int free;
    int right;
};

bool shapeOf(int code, Shape* shape) {
    switch (code) {
        case 1:
        case 2:
        case 5:
        case 8:
            *shape = {2, 1, 2};
            return true;
        case 3:
        case 7:
        case 9:
        case 12:
        case 13:
            *shape = {5, 0, 0};
            return true;
        case 4:
            *shape = {2, 2, 1};
            return true;
        case 6:
            *shape = {3, 2, 0};
            return true;
        case 10:
        case 11:
            *shape = {2, 2, 1};
            return true;
        default:
            return false;
    }
}

bool hasNumericId(int code) {
    return code >= 10 && code <= 12;
}

// Every place `","` starts in `text`, overlapping ones included.
QList<qsizetype> separatorsIn(const QString& text) {
    QList<qsizetype> found;
    for (qsizetype at = text.indexOf(kSeparator); at >= 0; at = text.indexOf(kSeparator, at + 1)) {
        found.append(at);
    }
    return found;
}

class LineParser {
  public:
    LineParser(ReadMergeRecord& record, const Shape& shape) : record_(record), shape_(shape) {}

    // `quoted` is the text between the first and the last quotation mark of the line; the
    // first `first` fields were already read.
    bool split(QString quoted, int first) {
        int next = first;
        for (; next < shape_.left; ++next) {
            if (shape_.free == 0 && next == 4) break;
            const qsizetype at = quoted.indexOf(kSeparator);
            if (at < 0) return fail(QStringLiteral("too few fields"));
            record_.fields[next] = quoted.left(at);
            quoted = quoted.mid(at + kSeparator.size());
        }
        if (shape_.free == 0) {
            if (quoted.contains(kSeparator)) return fail(QStringLiteral("too many fields"));
            record_.fields[4] = quoted;
            return true;
        }
        for (int last = 4; last > 4 - shape_.right; --last) {
            const qsizetype at = quoted.lastIndexOf(kSeparator);
            if (at < 0) return fail(QStringLiteral("too few fields"));
            record_.fields[last] = quoted.mid(at + kSeparator.size());
            quoted = quoted.left(at);
        }
        return splitFree(quoted, next);
    }

  private:
    bool splitFree(const QString& middle, int index) {
        if (shape_.free == 1) {
            record_.fields[index] = middle;
            return true;
        }
        const QList<qsizetype> separators = separatorsIn(middle);
        if (separators.isEmpty()) return fail(QStringLiteral("too few fields"));
        if (separators.size() > 1) {
            return fail(
                QStringLiteral("its text fields hold \",\" and can be read in more than one way"));
        }
        record_.fields[index] = middle.left(separators.first());
        record_.fields[index + 1] = middle.mid(separators.first() + kSeparator.size());
        return true;
    }

    bool fail(const QString& fault) {
        record_.fault = fault;
        return false;
    }

    ReadMergeRecord& record_;
    const Shape& shape_;
};

}  // namespace

ReadMergeRecord MergeRecordReader::read(QString line) {
    ReadMergeRecord record;
    if (line.endsWith(u'\r')) line.chop(1);
    const qsizetype comma = line.indexOf(u',');
    bool number = false;
    record.code = line.left(comma).trimmed().toInt(&number);
    Shape shape{};
    if (comma < 0 || !number) {
        record.fault = QStringLiteral("the line is no merge record");
        return record;
    }
    if (!shapeOf(record.code, &shape)) {
        record.fault = QStringLiteral("unknown record code %1").arg(record.code);
        return record;
    }
    QString rest = line.mid(comma + 1);
    int first = 0;
    if (hasNumericId(record.code)) {
        const qsizetype idEnd = rest.indexOf(u',');
        bool idNumber = false;
        const qlonglong id = rest.left(idEnd).trimmed().toLongLong(&idNumber);
        if (idEnd < 0 || !idNumber) {
            record.fault = QStringLiteral("the filter's unique id is no number");
            return record;
        }
        record.fields[0] = QString::number(id);
        rest = rest.mid(idEnd + 1);
        first = 1;
    }
    if (rest.size() < 2 || !rest.startsWith(u'"') || !rest.endsWith(u'"')) {
        record.fault = QStringLiteral("its fields are not enclosed in quotation marks");
        return record;
    }
    LineParser(record, shape).split(rest.mid(1, rest.size() - 2), first);
    return record;
}

}  // namespace sentrel::doc
