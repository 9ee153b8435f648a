#pragma once

#include <QString>
#include <QUrl>

namespace sentrel {

// How the program hands pages, documents and programs to the desktop: the user's browser
// or the file's default program for a URL, a program started on its own. The program uses
// the real desktop (QtDesktop); tests record what would have been opened or started.
class Desktop {
  public:
    virtual ~Desktop() = default;

    // Opens a URL (a page, a local file) with the desktop's default program; false when
    // the desktop could not.
    virtual bool openUrl(const QUrl& url) = 0;
    // Starts a program and returns at once without waiting for it; false when it could
    // not be started.
    virtual bool startDetached(const QString& program) = 0;
};

}  // namespace sentrel
