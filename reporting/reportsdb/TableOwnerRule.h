#pragma once

#include <QString>

namespace sentrel::reportsdb {

// PostgreSQL cuts longer names to this many bytes (UTF-8) without a word.
constexpr int kMaxOwnerBytes = 63;

// Whether a table owner (schema name) is longer than the server keeps it; such an owner is
// refused rather than cut short.
inline bool isTableOwnerTooLong(const QString& owner) {
    return owner.toUtf8().size() > kMaxOwnerBytes;
}

}  // namespace sentrel::reportsdb
