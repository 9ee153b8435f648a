#pragma once

#include <QString>
#include <optional>
#include <variant>

namespace sentrel::reg {

// A value as callers see it: empty (no value), a string (REG_SZ) or a 32-bit signed
// integer (REG_DWORD).
class RegValue {
  public:
    RegValue() = default;
    RegValue(const QString& text) : value_(text) {}
    RegValue(const char* text) : value_(QString::fromUtf8(text)) {}
    RegValue(qint32 number) : value_(number) {}

    bool isEmpty() const { return std::holds_alternative<std::monostate>(value_); }
    bool isString() const { return std::holds_alternative<QString>(value_); }
    bool isDword() const { return std::holds_alternative<qint32>(value_); }

    // The text of a string, the decimal text of a number, "" when empty.
    QString toString() const;
    // The number, or a string's text read as a decimal integer; nullopt otherwise.
    std::optional<qint32> toInt() const;

    bool operator==(const RegValue&) const = default;

  private:
    std::variant<std::monostate, QString, qint32> value_;
};

}  // namespace sentrel::reg
