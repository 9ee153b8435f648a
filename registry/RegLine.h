#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "registry/RegData.h"

namespace sentrel::reg {

// One named value as it stands on a line of a values file, in REGEDIT4 value syntax:
//   "name"="text"         REG_SZ (backslash and double quote escaped with a backslash)
//   "name"=dword:0000002a REG_DWORD
//   "name"=hex:01,02      REG_BINARY
//   "name"=hex(N):..      any other type N (hexadecimal), and REG_SZ bytes that the quoted
//                         form cannot carry (line breaks, invalid UTF-8)
// "@" in place of the quoted name stands for the key's unnamed value.
struct RegLine {
    QString name;
    RegData value;

    // The line, UTF-8, without line break. Empty when the name cannot stand on one line.
    QByteArray encode() const;
    // Reads a line; nullopt when it is not a well-formed value line.
    static std::optional<RegLine> decode(const QByteArray& line);
};

}  // namespace sentrel::reg
