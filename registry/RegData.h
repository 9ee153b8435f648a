#pragma once

#include <QByteArray>
#include <QString>

#include "registry/RegistryConstants.h"

namespace sentrel::reg {

// A stored value as the store keeps it: its type and its bytes. A REG_SZ value's bytes are
// the UTF-8 text without terminator, except that the empty string is one NUL byte.
struct RegData {
    RegType type = REG_NONE;
    QByteArray data;

    bool operator==(const RegData&) const = default;
};

// The REG_SZ bytes of a text.
inline QByteArray stringBytes(const QString& text) {
    return text.isEmpty() ? QByteArray(1, '\0') : text.toUtf8();
}

}  // namespace sentrel::reg
