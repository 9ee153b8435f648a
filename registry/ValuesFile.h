#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "registry/RegLine.h"

namespace sentrel::reg {

// The values of one key as read from its "values.reg": one value per line. Lines that are
// not well-formed values (damaged by hand, comments, headers) are kept exactly as they
// stood and written back unchanged, so rewriting a damaged file loses nothing. Names are
// compared without regard to case; the first of two same-named values is the one read.
// Byte-order marks in front of a line are ignored when reading it (and kept when it is written
// back unchanged); a name holding a carriage return cannot be written on a value line, so a
// line naming one is kept as it stood too.
class ValuesFile {
  public:
    static ValuesFile parse(const QByteArray& content);
    QByteArray serialize() const;

    const RegData* find(const QString& name) const;
    // Replaces the value of that name (at the place of the first one) or appends it.
    void set(const QString& name, const RegData& value);
    // Removes every value of that name; false when there was none.
    bool remove(const QString& name);
    QStringList names() const;

  private:
    struct Entry {
        std::optional<RegLine> value;
        QByteArray raw;  // the line(s) as read, for entries that are not values
    };
    static bool sameName(const Entry& entry, const QString& name);

    std::vector<Entry> entries_;
};

}  // namespace sentrel::reg
