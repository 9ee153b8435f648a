#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace sentrel::detect {

class BrowserObj;

// Prints the result of one detection in one of the formats of `sentrel-detect`:
//   Text    "# " + user agent, then "name: value" lines (the system properties and every
//           property, or the chosen ones), then an empty line; with exactly one chosen
//           property, its value alone. Line breaks in values become blanks.
//   Fields  one line: the matched entry, then the chosen properties, separated by tabs;
//           backslash, tab, line feed and carriage return in them are written \\ \t \n \r.
//   Json    one line: {"agent": ..., "entry": ..., "properties": {name: value, ...}} with
//           every property (BrowserObj::propertyNames()), or the chosen ones under the names
//           as given.
// Chosen names must exist in the definitions (BrowserObj::hasProperty).
class ResultWriter {
  public:
    enum class Format { Text, Fields, Json };

    ResultWriter(Format format, std::vector<std::string> chosen);

    void write(const BrowserObj& browser, const std::string& agent, std::ostream& out) const;

  private:
    std::vector<std::string> namesFor(const BrowserObj& browser) const;
    void writeText(const BrowserObj& browser, const std::string& agent, std::ostream& out) const;
    void writeFields(const BrowserObj& browser, std::ostream& out) const;
    void writeJson(const BrowserObj& browser, const std::string& agent, std::ostream& out) const;

    Format format_;
    std::vector<std::string> chosen_;
};

}  // namespace sentrel::detect
