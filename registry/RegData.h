#pragma once

#include <QByteArray>

#include "registry/RegistryConstants.h"

namespace sentrel::reg {

// A stored value as the store keeps it: its type and its bytes. A REG_SZ value's bytes are
// the UTF-8 text without terminator, except that the empty string is one NUL byte.
struct RegData {
    RegType type = REG_NONE;
    QByteArray data;

    bool operator==(const RegData&) const = default;
};

}  // namespace sentrel::reg
