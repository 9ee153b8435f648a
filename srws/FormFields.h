#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>
#include <utility>

namespace sentrel::srws {

// The fields of a form-encoded text ("a=1&b=two+words&c=%C3%A9"), in their order. Names
// and values are UTF-8 after percent decoding; "+" stands for a blank.
class FormFields {
  public:
    using Field = std::pair<QString, QString>;

    FormFields() = default;
    explicit FormFields(QList<Field> fields) : fields_(std::move(fields)) {}

    // Decodes `encoded`. Empty pieces ("a=1&&b=2") are skipped and a piece without "="
    // is a name with an empty value. Fails with the reason when a "%" is not followed by
    // two hexadecimal digits, when a name or value is not valid UTF-8, or when it holds a
    // NUL character.
    static std::optional<FormFields> decode(const QByteArray& encoded, QString* reason);

    void append(const FormFields& more) { fields_ += more.fields_; }
    const QList<Field>& fields() const { return fields_; }
    // Whether a field of that name is present, the name compared without regard to case.
    bool has(const QString& name) const;
    // The value of the last field of that name (without regard to case); nullopt when
    // there is none.
    std::optional<QString> value(const QString& name) const;

  private:
    QList<Field> fields_;
};

}  // namespace sentrel::srws
