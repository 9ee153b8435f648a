#pragma once

#include <QString>
#include <QUrl>

namespace sentrel::update {

// Where new definitions come from: a folder, or the http or https address of a folder, that
// holds "maindefs.bdf" and may hold "whatsnew.txt".
class UpdateSource {
  public:
    // Throws AppError for an address that is neither a folder nor an http, https or file
    // address.
    explicit UpdateSource(const QString& address);

    // The address of a file in the source.
    QUrl fileUrl(const QString& fileName) const;
    // The address as the user gave it, for messages.
    const QString& address() const { return address_; }

  private:
    QString address_;
    QUrl folder_;  // always ends in "/"
};

}  // namespace sentrel::update
