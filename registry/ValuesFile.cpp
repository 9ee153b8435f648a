#include "registry/ValuesFile.h"

#include <algorithm>

#include "registry/Utf8Text.h"
#include "registry/reader/ValuesFileLines.h"

namespace sentrel::reg {

ValuesFile ValuesFile::parse(const QByteArray& content) {
    ValuesFile file;
    forEachValuesFileLine(bytesView(content), [&](std::string_view raw, std::string_view joined) {
        file.entries_.push_back({RegLine::decode(byteArrayOf(joined)), byteArrayOf(raw)});
    });
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
