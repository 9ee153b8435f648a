#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sentrel::srws {

// The fields of a form-encoded text ("a=1&b=two+words&c=%C3%A9"), in their order. Names
// and values are UTF-8 after percent decoding; "+" stands for a blank.
class FormFields {
  public:
    using Field = std::pair<std::string, std::string>;

    FormFields() = default;
    explicit FormFields(std::vector<Field> fields) : fields_(std::move(fields)) {}

    // Decodes `encoded`. Empty pieces ("a=1&&b=2") are skipped and a piece without "="
    // is a name with an empty value. Fails with the reason when a "%" is not followed by
    // two hexadecimal digits, when a name or value is not valid UTF-8, or when it holds a
    // NUL character.
    static std::optional<FormFields> decode(std::string_view encoded, std::string* reason);

    void append(const FormFields& more) {
        fields_.insert(fields_.end(), more.fields_.begin(), more.fields_.end());
    }
    const std::vector<Field>& fields() const { return fields_; }
    // Whether a field of that name is present, the name compared without regard to case.
    bool has(std::string_view name) const { return find(name) != nullptr; }
    // The value of the last field of that name (without regard to case); nullptr when there
    // is none.
    const std::string* find(std::string_view name) const;

  private:
    std::vector<Field> fields_;
};

}  // namespace sentrel::srws
