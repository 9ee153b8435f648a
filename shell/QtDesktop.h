#pragma once

#include "shell/Desktop.h"

namespace sentrel {

// The real desktop: QDesktopServices for URLs (the browser set through xdg or $BROWSER),
// QProcess for programs.
class QtDesktop : public Desktop {
  public:
    bool openUrl(const QUrl& url) override;
    bool startDetached(const QString& program) override;
};

}  // namespace sentrel
