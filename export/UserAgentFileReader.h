#pragma once

#include <QString>
#include <optional>

namespace sentrel::exporting {

// Reads a user agent list file, one user agent per line. A line ends with CR LF, CR alone or
// LF alone, so lists written on any system read alike; an empty line gives an empty user
// agent; the last line needs no line end, and a line end at the very end of the file starts
// no further line. The file is read whole when opened, as UTF-8.
class UserAgentFileReader {
  public:
    // Opens and reads the file. Throws AppError when it cannot be read.
    explicit UserAgentFileReader(const QString& path);

    // The next line, or nothing at the end of the file.
    std::optional<QString> ReadUserAgentLine();

  private:
    QString text_;
    qsizetype position_ = 0;
};

}  // namespace sentrel::exporting
