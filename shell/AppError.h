#pragma once

#include <QString>
#include <stdexcept>

namespace sentrel {

// The one error type of the program: a number, a source and a description, so that
// handlers can show "Error #" + number the way the messages expect. System failures use
// the classic run-time numbers below.
class AppError : public std::runtime_error {
  public:
    AppError(int number, QString description, QString source = QStringLiteral("Sentrel"));

    int number() const { return number_; }
    const QString& source() const { return source_; }
    const QString& description() const { return description_; }

    // Base of the numbers raised by the reporting classes (hexadecimal 80040000).
    static constexpr int kObjectErrorBase = static_cast<int>(0x80040000u);

    static constexpr int kFileNotFound = 53;
    static constexpr int kPermissionDenied = 70;
    static constexpr int kPathFileAccess = 75;
    static constexpr int kDiskFull = 61;
    static constexpr int kPathNotFound = 76;
    static constexpr int kCannotReachServer = 432;  // missing file or folder on bind

  private:
    int number_;
    QString source_;
    QString description_;
};

}  // namespace sentrel
