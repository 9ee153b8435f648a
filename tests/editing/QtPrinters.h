#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <ostream>

// Readable Qt values in test failure messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QVariant& value, std::ostream* out) {
    *out << "QVariant(" << value.toString().toStdString() << ')';
}
inline void PrintTo(const QStringList& list, std::ostream* out) {
    *out << '{' << list.join(QStringLiteral(", ")).toStdString() << '}';
}
QT_END_NAMESPACE
