#include "detect/XmlReader.h"

#include <algorithm>
#include <charconv>

#include "detect/DetectError.h"
#include "detect/Utf8.h"

namespace sentrel::detect {

namespace {

bool isNameStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' ||
           static_cast<unsigned char>(c) >= 0x80;
}

bool isNameChar(char c) {
    return isNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Decodes a numeric reference body such as "#38" or "#x26"; false when it is not one.
bool decodeNumeric(std::string_view body, std::string& out) {
    if (body.size() < 2 || body[0] != '#') return false;
    const bool hex = body[1] == 'x' || body[1] == 'X';
    const std::string_view digits = body.substr(hex ? 2 : 1);
    unsigned long value = 0;
    const auto [end, ec] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, hex ? 16 : 10);
    if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size()) return false;
    if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return false;
    appendUtf8(out, static_cast<char32_t>(value));
    return true;
}

bool decodeEntity(std::string_view body, std::string& out) {
    static constexpr std::pair<std::string_view, char> kNamed[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto& [entity, ch] : kNamed) {
        if (body == entity) {
            out.push_back(ch);
            return true;
        }
    }
    return decodeNumeric(body, out);
}

}  // namespace

std::string decodeEntities(std::string_view raw) {
    std::string out;
    out.reserve(raw.size());
    size_t pos = 0;
    while (pos < raw.size()) {
        const size_t amp = raw.find('&', pos);
        if (amp == std::string_view::npos) break;
        out.append(raw.substr(pos, amp - pos));
        const size_t semi = raw.find(';', amp + 1);
        const bool short_enough = semi != std::string_view::npos && semi - amp <= 10;
        if (short_enough && decodeEntity(raw.substr(amp + 1, semi - amp - 1), out)) {
            pos = semi + 1;
        } else {
            out.push_back('&');
            pos = amp + 1;
        }
    }
    out.append(raw.substr(std::min(pos, raw.size())));
    return out;
}

XmlReader::XmlReader(std::string_view text) : input_(text) {}

void XmlReader::fail(const std::string& what) const {
    throw DetectError(DetectError::kNotADataFile, "The data file is damaged: " + what + " (line " +
                                                      std::to_string(line_) + ").");
}

void XmlReader::advance(size_t count) {
    const size_t end = std::min(pos_ + count, input_.size());
    line_ += static_cast<int>(std::count(input_.begin() + pos_, input_.begin() + end, '\n'));
    pos_ = end;
}

bool XmlReader::startsWith(std::string_view prefix) const {
    return input_.substr(pos_, prefix.size()) == prefix;
}

void XmlReader::skipPast(std::string_view terminator, const char* what) {
    const size_t end = input_.find(terminator, pos_);
    if (end == std::string_view::npos) fail(std::string("unterminated ") + what);
    advance(end + terminator.size() - pos_);
}

void XmlReader::skipSpaces() {
    while (pos_ < input_.size() && isSpace(input_[pos_])) advance(1);
}

bool XmlReader::canStartMarkup() const {
    if (pos_ + 1 >= input_.size()) return false;
    const char c = input_[pos_ + 1];
    return isNameStart(c) || c == '/' || c == '!' || c == '?';
}

XmlReader::Event XmlReader::next() {
    if (pendingEnd_) {
        pendingEnd_ = false;
        return Event::EndElement;
    }
    while (pos_ < input_.size()) {
        if (input_[pos_] != '<' || !canStartMarkup()) {
            readText();
            return Event::Text;
        }
        if (startsWith("<!--")) {
            skipPast("-->", "comment");
        } else if (startsWith("<?")) {
            skipPast("?>", "declaration");
        } else if (startsWith("<!")) {
            fail("unsupported markup \"<!\"");
        } else if (startsWith("</")) {
            readEndTag();
            return Event::EndElement;
        } else {
            readTag();
            return Event::StartElement;
        }
    }
    return Event::EndOfText;
}

void XmlReader::readText() {
    size_t end = pos_ + 1;
    while (end < input_.size()) {
        end = input_.find('<', end);
        if (end == std::string_view::npos) {
            end = input_.size();
            break;
        }
        const char after = end + 1 < input_.size() ? input_[end + 1] : ' ';
        if (isNameStart(after) || after == '/' || after == '!' || after == '?') break;
        ++end;
    }
    text_ = decodeEntities(input_.substr(pos_, end - pos_));
    advance(end - pos_);
}

std::string XmlReader::readName() {
    const size_t start = pos_;
    while (pos_ < input_.size() && isNameChar(input_[pos_])) ++pos_;
    if (pos_ == start) fail("a name was expected");
    return std::string(input_.substr(start, pos_ - start));
}

void XmlReader::readTag() {
    advance(1);  // "<"
    name_ = readName();
    attributes_.clear();
    readAttributes();
    if (startsWith("/>")) {
        pendingEnd_ = true;
        advance(2);
    } else if (startsWith(">")) {
        advance(1);
    } else {
        fail("the tag <" + name_ + "> is not closed");
    }
}

void XmlReader::readAttributes() {
    for (skipSpaces(); pos_ < input_.size() && isNameStart(input_[pos_]); skipSpaces()) {
        std::string name = readName();
        skipSpaces();
        if (!startsWith("=")) fail("attribute " + name + " has no value");
        advance(1);
        skipSpaces();
        const char quote = pos_ < input_.size() ? input_[pos_] : '\0';
        if (quote != '"' && quote != '\'') fail("attribute " + name + " is not quoted");
        const size_t end = input_.find(quote, pos_ + 1);
        if (end == std::string_view::npos) fail("attribute " + name + " is not closed");
        attributes_.emplace_back(std::move(name),
                                 decodeEntities(input_.substr(pos_ + 1, end - pos_ - 1)));
        advance(end + 1 - pos_);
    }
}

void XmlReader::readEndTag() {
    advance(2);  // "</"
    name_ = readName();
    skipSpaces();
    if (!startsWith(">")) fail("the end tag </" + name_ + "> is not closed");
    advance(1);
}

std::string XmlReader::attribute(std::string_view name) const {
    for (const auto& [key, value] : attributes_) {
        if (key == name) return value;
    }
    return {};
}

bool XmlReader::hasAttribute(std::string_view name) const {
    return std::any_of(attributes_.begin(), attributes_.end(),
                       [name](const auto& a) { return a.first == name; });
}

std::string XmlReader::readElementText() {
    const std::string element = name_;
    std::string content;
    for (;;) {
        switch (next()) {
            case Event::Text:
                content += text_;
                break;
            case Event::EndElement:
                if (name_ != element) fail("</" + name_ + "> closes <" + element + ">");
                return content;
            case Event::StartElement:
                fail("<" + element + "> holds an unexpected <" + name_ + ">");
            case Event::EndOfText:
                fail("the text ends inside <" + element + ">");
        }
    }
}

void XmlReader::skipElement() {
    int depth = 1;
    while (depth > 0) {
        switch (next()) {
            case Event::StartElement:
                ++depth;
                break;
            case Event::EndElement:
                --depth;
                break;
            case Event::Text:
                break;
            case Event::EndOfText:
                fail("the text ends inside <" + name_ + ">");
        }
    }
}

}  // namespace sentrel::detect
