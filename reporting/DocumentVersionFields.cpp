#include "reporting/DocumentVersionFields.h"

#include <cstdlib>

namespace sentrel {

void DocumentVersionFields::show(int major, int minor) {
    enabled_ = true;
    major_ = QString::number(major);
    minor_ = twoDigits(minor);
}

void DocumentVersionFields::clear() {
    enabled_ = false;
    major_.clear();
    minor_.clear();
}

void DocumentVersionFields::recordShown() {
    shownMajor_ = major();
    shownMinor_ = minor();
}

bool DocumentVersionFields::changedSinceShown() const {
    return major() != shownMajor_ || minor() != shownMinor_;
}

QString DocumentVersionFields::statusText(int major, int minor) {
    return QStringLiteral(" BDF Version: %1.%2  ").arg(major).arg(twoDigits(minor));
}

QString DocumentVersionFields::twoDigits(int number) {
    const QString digits = QStringLiteral("%1").arg(std::abs(qint64(number)), 2, 10, QChar('0'));
    return number < 0 ? QStringLiteral("-") + digits : digits;
}

std::optional<int> DocumentVersionFields::numberIn(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return 0;
    bool ok = false;
    const int value = trimmed.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

}  // namespace sentrel
