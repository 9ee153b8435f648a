#include "detect/tool/ResultWriter.h"

#include <ostream>

#include "detect/BrowserObj.h"
#include "detect/tool/JsonString.h"

namespace sentrel::detect {

namespace {

// Values are printed one per line: line breaks inside a value become blanks.
std::string oneLine(std::string text) {
    for (char& c : text) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return text;
}

// A tab-separated field that keeps to its line and column, and can be read back exactly.
std::string tabField(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
    return out;
}

}  // namespace

ResultWriter::ResultWriter(Format format, std::vector<std::string> chosen)
    : format_(format), chosen_(std::move(chosen)) {}

void ResultWriter::write(const BrowserObj& browser, const std::string& agent,
                         std::ostream& out) const {
    switch (format_) {
        case Format::Text:
            writeText(browser, agent, out);
            break;
        case Format::Fields:
            writeFields(browser, out);
            break;
        case Format::Json:
            writeJson(browser, agent, out);
            break;
    }
}

std::vector<std::string> ResultWriter::namesFor(const BrowserObj& browser) const {
    return chosen_.empty() ? browser.propertyNames() : chosen_;
}

void ResultWriter::writeText(const BrowserObj& browser, const std::string& agent,
                             std::ostream& out) const {
    if (chosen_.size() == 1) {
        out << oneLine(browser.value(chosen_.front())) << "\n";
        return;
    }
    out << "# " << oneLine(agent) << "\n";
    std::vector<std::string> names = chosen_;
    if (names.empty()) {
        for (const char* name : BrowserObj::kSystemProperties) names.emplace_back(name);
        for (const auto& property : browser.definitions()->properties()) {
            names.push_back(property.name);
        }
    }
    for (const std::string& name : names) {
        out << name << ": " << oneLine(browser.value(name)) << "\n";
    }
    out << "\n";
}

void ResultWriter::writeFields(const BrowserObj& browser, std::ostream& out) const {
    out << tabField(browser.InternalName());
    for (const std::string& name : namesFor(browser)) out << '\t' << tabField(browser.value(name));
    out << "\n";
}

void ResultWriter::writeJson(const BrowserObj& browser, const std::string& agent,
                             std::ostream& out) const {
    out << "{\"agent\": " << jsonString(agent)
        << ", \"entry\": " << jsonString(browser.InternalName()) << ", \"properties\": {";
    const char* separator = "";
    for (const std::string& name : namesFor(browser)) {
        out << separator << jsonString(name) << ": " << jsonString(browser.value(name));
        separator = ", ";
    }
    out << "}}\n";
}

}  // namespace sentrel::detect
