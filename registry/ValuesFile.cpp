#include "registry/ValuesFile.h"

#include <QRegularExpression>
#include <algorithm>

namespace sentrel::reg {

namespace {

// A hex value that regedit wrapped: the line ends with a backslash and goes on below.
bool continuesBelow(const QByteArray& line) {
    static const QRegularExpression wrapped(
        QStringLiteral(R"(^\s*("([^"\\]|\\.)*"|@)\s*=\s*hex[^"]*\\\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    return wrapped.match(QString::fromUtf8(line)).hasMatch();
}

QByteArray withoutContinuation(const QByteArray& line) {
    QByteArray text = line.trimmed();
    text.chop(1);
    return text;
}

// Byte-order marks in front of a line (a text editor put one before the file, or files were
// joined) would hide its value, and a rewrite that moves the line to the top or away from it
// would change what the file reads.
QByteArray withoutByteOrderMarks(QByteArray line) {
    while (line.startsWith("\xEF\xBB\xBF")) line.remove(0, 3);
    return line;
}

}  // namespace

ValuesFile ValuesFile::parse(const QByteArray& content) {
    ValuesFile file;
    if (content.isEmpty()) return file;
    QList<QByteArray> lines = content.split('\n');
    if (content.endsWith('\n')) lines.removeLast();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray raw = lines[i];
        QByteArray joined = withoutByteOrderMarks(raw);
        while (continuesBelow(joined) && i + 1 < lines.size()) {
            raw += '\n' + lines[++i];
            joined = withoutContinuation(joined) + lines[i].trimmed();
        }
        file.entries_.push_back({RegLine::decode(joined), raw});
    }
    return file;
}

QByteArray ValuesFile::serialize() const {
    QByteArray out;
    for (const Entry& entry : entries_) {
        out += entry.value ? entry.value->encode() : entry.raw;
        out += '\n';
    }
    return out;
}

bool ValuesFile::sameName(const Entry& entry, const QString& name) {
    return entry.value && entry.value->name.compare(name, Qt::CaseInsensitive) == 0;
}

const RegData* ValuesFile::find(const QString& name) const {
    const auto it = std::find_if(entries_.begin(), entries_.end(),
                                 [&](const Entry& entry) { return sameName(entry, name); });
    return it == entries_.end() ? nullptr : &it->value->value;
}

void ValuesFile::set(const QString& name, const RegData& value) {
    const auto first = std::find_if(entries_.begin(), entries_.end(),
                                    [&](const Entry& entry) { return sameName(entry, name); });
    if (first == entries_.end()) {
        entries_.push_back({RegLine{name, value}, {}});
        return;
    }
    // The first spelling of the name stays.
    first->value->value = value;
    entries_.erase(std::remove_if(std::next(first), entries_.end(),
                                  [&](const Entry& entry) { return sameName(entry, name); }),
                   entries_.end());
}

bool ValuesFile::remove(const QString& name) {
    const auto end = std::remove_if(entries_.begin(), entries_.end(),
                                    [&](const Entry& entry) { return sameName(entry, name); });
    const bool found = end != entries_.end();
    entries_.erase(end, entries_.end());
    return found;
}

QStringList ValuesFile::names() const {
    QStringList names;
    for (const Entry& entry : entries_) {
        if (entry.value && !names.contains(entry.value->name, Qt::CaseInsensitive)) {
            names << entry.value->name;
        }
    }
    return names;
}

}  // namespace sentrel::reg
