#pragma once

#include <QDateTime>
#include <QString>

namespace sentrel::lifecycle {

// The desktop's list of recently used documents (the freedesktop "recently-used.xbel" in
// the user's data folder), which file choosers and launchers show.
class RecentDocuments {
  public:
    // The list file: $XDG_DATA_HOME/recently-used.xbel, else ~/.local/share/recently-used.xbel.
    static QString defaultListPath();

    explicit RecentDocuments(QString listPath = defaultListPath());
    void setListPath(const QString& listPath) { listPath_ = listPath; }
    const QString& listPath() const { return listPath_; }

    // Adds the file to the list, or moves its entry up to date. Every failure is silent:
    // an unreadable or damaged list is left as it is, and the list is written whole or not
    // at all.
    void addToDocuementsShortcut(const QString& path,
                                 const QDateTime& now = QDateTime::currentDateTimeUtc());

  private:
    QString listPath_;
};

}  // namespace sentrel::lifecycle
