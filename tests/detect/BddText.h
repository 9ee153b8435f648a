#pragma once

#include <string>
#include <utility>
#include <vector>

namespace sentrel::detect::test {

// Writes BDD text in the layout the editor's export produces (CR LF line ends, notice
// comment, filler comment, property, template and filter blocks, version block), escaping
// "&", "<", ">" and the quotation mark, and scrambles it. Lets tests and benchmarks make data
// files without the editor.
class BddText {
  public:
    using Values = std::vector<std::pair<std::string, std::string>>;

    BddText& property(const std::string& name, int typeCode = 4);
    // `values` may leave properties out (the entry then inherits them from its parent).
    BddText& entry(const std::string& name, const std::string& matchString,
                   const std::string& parent = "DefaultBrowser", const Values& values = {},
                   const std::string& description = "");
    BddText& filter(const std::string& kind, const std::string& dataField,
                    const std::string& property, const std::string& condition,
                    const std::string& value, int priority = 1);
    BddText& info(const std::string& version, const std::string& date);

    std::string text() const;
    std::string scrambled() const;
    // Writes the scrambled bytes (or the plain text) to `path`.
    void writeTo(const std::string& path, bool scramble = true) const;

    static std::string escape(const std::string& value);

  private:
    std::string properties_;
    std::string entries_;
    std::string filters_;
    std::string info_ =
        "<BDDInfo>\r\n<BDDVersion>1.00</BDDVersion>\r\n"
        "<BDDDate>2026-01-01T00:00:00</BDDDate>\r\n</BDDInfo>\r\n";
    int nextFilterId_ = 1;
};

}  // namespace sentrel::detect::test
