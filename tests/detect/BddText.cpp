#include "BddText.h"

#include <fstream>
#include <stdexcept>

#include "detect/Scramble.h"

namespace sentrel::detect::test {

namespace {

std::string element(const std::string& name, const std::string& value) {
    return "<" + name + ">" + BddText::escape(value) + "</" + name + ">\r\n";
}

}  // namespace

std::string BddText::escape(const std::string& value) {
    std::string out;
    for (char c : value) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

BddText& BddText::property(const std::string& name, int typeCode) {
    properties_ += "<Property name=\"" + escape(name) + "\">\r\n<type>" + std::to_string(typeCode) +
                   "</type>\r\n</Property>\r\n";
    return *this;
}

BddText& BddText::entry(const std::string& name, const std::string& matchString,
                        const std::string& parent, const Values& values,
                        const std::string& description) {
    entries_ += "<BrowserTemplate name=\"" + escape(name) + "\">\r\n";
    entries_ += element("matchString", matchString) + element("parentID", parent) +
                element("desc", description);
    for (const auto& [field, value] : values) entries_ += element(field, value);
    entries_ += "</BrowserTemplate>\r\n";
    return *this;
}

BddText& BddText::filter(const std::string& kind, const std::string& dataField,
                         const std::string& property, const std::string& condition,
                         const std::string& value, int priority) {
    filters_ += "<filter id=\"K" + std::to_string(nextFilterId_++) + "\">\r\n";
    filters_ += "  " + element("priority", std::to_string(priority));
    filters_ += "  " + element("property", property) + "  " + element("condition", condition);
    filters_ += "  " + element("valueToSet", value) + "  " + element("type", kind);
    filters_ += "  " + element("dataField", dataField) + "</filter>\r\n";
    return *this;
}

BddText& BddText::info(const std::string& version, const std::string& date) {
    info_ = "<BDDInfo>\r\n" + element("BDDVersion", version) + element("BDDDate", date) +
            "</BDDInfo>\r\n";
    return *this;
}

std::string BddText::text() const {
    std::string text = "<?xml version=\"1.0\"?>\r\n\r\n<!--\r\n";
    for (int i = 0; i < 5; ++i) text += "Test definitions, line " + std::to_string(i) + "\r\n";
    text += "\r\nNot for production use\r\n\r\n-->\r\n\r\n<!-- q7Zp!x9 -->\r\n\r\n";
    text += "<BrowserInfo>\r\n" + properties_ + entries_ + filters_ + info_ + "</BrowserInfo>\r\n";
    return text;
}

std::string BddText::scrambled() const {
    std::string bytes;
    if (ScrambleBytes(text(), bytes, true) != 0) throw std::runtime_error("scramble failed");
    return bytes;
}

void BddText::writeTo(const std::string& path, bool scramble) const {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << (scramble ? scrambled() : text());
    if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

}  // namespace sentrel::detect::test
