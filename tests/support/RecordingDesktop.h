#pragma once

#include <QStringList>
#include <QUrl>

#include "shell/Desktop.h"

namespace sentrel::test {

// A desktop that opens and starts nothing: it records the URLs and programs it was given.
class RecordingDesktop : public Desktop {
  public:
    bool openUrl(const QUrl& url) override {
        urls.append(url.toString());
        return true;
    }
    bool startDetached(const QString& program) override {
        programs.append(program);
        return true;
    }

    QStringList urls;
    QStringList programs;
};

}  // namespace sentrel::test
