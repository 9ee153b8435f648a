#include "export/UserAgentFileReader.h"

#include "document/FileAccess.h"

namespace sentrel::exporting {

UserAgentFileReader::UserAgentFileReader(const QString& path)
    : text_(QString::fromUtf8(doc::file_access::readAll(path))) {}

std::optional<QString> UserAgentFileReader::ReadUserAgentLine() {
    if (position_ >= text_.size()) return std::nullopt;
    qsizetype end = position_;
    while (end < text_.size() && text_[end] != u'\r' && text_[end] != u'\n') ++end;
    QString line = text_.mid(position_, end - position_);
    position_ = end;
    if (position_ < text_.size() && text_[position_] == u'\r') ++position_;
    if (position_ < text_.size() && text_[position_] == u'\n') ++position_;
    return line;
}

}  // namespace sentrel::exporting
