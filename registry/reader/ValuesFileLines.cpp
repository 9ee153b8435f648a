#include "registry/reader/ValuesFileLines.h"

#include <string>

#include "registry/reader/PlainText.h"

namespace sentrel::reg {

namespace {

std::string_view withoutLeadingSpace(std::string_view text) {
    while (!text.empty() && isAsciiSpace(text.front())) text.remove_prefix(1);
    return text;
}

// After a quoted name: the position past its closing quote, or npos when it has none.
std::size_t endOfQuotedName(std::string_view line) {
    for (std::size_t pos = 1; pos < line.size(); ++pos) {
        if (line[pos] == '"') return pos + 1;
        if (line[pos] == '\\') ++pos;
    }
    return std::string_view::npos;
}

// A hex value that regedit wrapped: `"name"` or `@`, "=", "hex" (any case) and then no
// quote up to a backslash that ends the line (blanks around each part allowed).
bool continuesBelow(std::string_view line) {
    line = withoutLeadingSpace(line);
    const std::size_t nameEnd = line.starts_with('@')    ? 1
                                : line.starts_with('"') ? endOfQuotedName(line)
                                                        : std::string_view::npos;
    if (nameEnd == std::string_view::npos) return false;
    line = withoutLeadingSpace(line.substr(nameEnd));
    if (!line.starts_with('=')) return false;
    line = withoutLeadingSpace(line.substr(1));
    if (line.size() < 3 || !equalIgnoringAsciiCase(line.substr(0, 3), "hex")) return false;
    line = trimmed(line.substr(3));
    return line.find('"') == std::string_view::npos && line.ends_with('\\');
}

std::string_view withoutContinuation(std::string_view line) {
    line = trimmed(line);
    line.remove_suffix(1);
    return line;
}

std::string_view withoutByteOrderMarks(std::string_view line) {
    while (line.starts_with(kByteOrderMark)) line.remove_prefix(kByteOrderMark.size());
    return line;
}

}  // namespace

void forEachValuesFileLine(
    std::string_view content,
    const std::function<void(std::string_view raw, std::string_view joined)>& visit) {
    std::string joinedLines;
    std::size_t start = 0;
    auto nextLine = [&](std::size_t& end) {
        end = content.find('\n', start);
        if (end == std::string_view::npos) end = content.size();
        const std::string_view line = content.substr(start, end - start);
        start = end + 1;
        return line;
    };
    while (start < content.size()) {
        const std::size_t first = start;
        std::size_t end = 0;
        std::string_view joined = withoutByteOrderMarks(nextLine(end));
        if (continuesBelow(joined) && start < content.size()) {
            joinedLines.assign(joined);
            while (continuesBelow(joinedLines) && start < content.size()) {
                std::string longer(withoutContinuation(joinedLines));
                longer += trimmed(nextLine(end));
                joinedLines = std::move(longer);
            }
            joined = joinedLines;
        }
        visit(content.substr(first, end - first), joined);
    }
}

}  // namespace sentrel::reg
