#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sentrel::detect {

// A small pull reader for the XML of BDD files: elements with attributes, text, comments and
// the XML declaration. No DTDs, namespaces or CDATA: the BDD layout has none. The entities
// &amp; &lt; &gt; &quot; &apos; and numeric character references are decoded; an "&" that
// starts none of them is kept as it stands, and so is a "<" that cannot start markup (as in
// "a < b"), because older writers escaped only "&" in values.
// Malformed markup throws DetectError (kNotADataFile) naming the line.
class XmlReader {
  public:
    enum class Event { StartElement, EndElement, Text, EndOfText };

    explicit XmlReader(std::string_view text);

    // Moves to the next element start, element end or text run. Comments and processing
    // instructions are skipped. A self-closing element gives a start and then an end.
    Event next();

    const std::string& name() const { return name_; }  // of the current element
    const std::string& text() const { return text_; }  // of the current text run, decoded
    // The value of the current start element's attribute, decoded; empty when absent.
    std::string attribute(std::string_view name) const;
    bool hasAttribute(std::string_view name) const;
    int line() const { return line_; }

    // At a start element: reads up to its end and returns all text inside, decoded. Throws if
    // the element holds child elements.
    std::string readElementText();
    // At a start element: skips it with everything inside.
    void skipElement();

    [[noreturn]] void fail(const std::string& what) const;

  private:
    bool startsWith(std::string_view prefix) const;
    void skipPast(std::string_view terminator, const char* what);
    void readTag();
    void readEndTag();
    void readText();
    std::string readName();
    void readAttributes();
    void skipSpaces();
    bool canStartMarkup() const;
    void advance(size_t count);

    std::string_view input_;
    size_t pos_ = 0;
    int line_ = 1;
    std::string name_;
    std::string text_;
    std::vector<std::pair<std::string, std::string>> attributes_;
    bool pendingEnd_ = false;  // a self-closing element still owes its end event
};

// Decodes the five named entities and numeric references in `raw`.
std::string decodeEntities(std::string_view raw);

}  // namespace sentrel::detect
