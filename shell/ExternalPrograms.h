#pragma once

#include <QString>

#include "shell/Desktop.h"
#include "shell/Interaction.h"

namespace sentrel {

// The pages and programs outside the editor: the download manager, the help pages, the
// what's-new file and the support page, all found in the installation folder (the base
// directory). The editor never downloads anything itself; it starts the download manager.
class ExternalPrograms {
  public:
    ExternalPrograms(Interaction& interaction, Desktop& desktop, QString baseDirectory = {});

    void setBaseDirectory(const QString& baseDirectory) { baseDirectory_ = baseDirectory; }
    const QString& baseDirectory() const { return baseDirectory_; }

    // The download manager: base directory + "/sentrel-update".
    QString updaterPath() const;
    // Whether the download manager is there and can be started.
    bool updaterInstalled() const;
    // Starts the download manager without waiting for it; tells the user when it is missing.
    void LaunchUpdater();
    // "Download Manager not installed".
    void showUpdaterMissing();

    // The help page of a topic: base directory + "/docs/help/" + topic + ".html".
    QString helpPagePath(int topic) const;
    // Opens the page of a topic in the user's browser; a topic without a page opens the
    // contents page instead, so the user still finds the help.
    void ShowHelpTopic(int topic);
    // Opens the contents page, base directory + "/docs/help/index.html".
    void showHelpContents();
    // Opens base directory + "/whatsnew.txt" with the desktop's default program, or tells
    // the user it is missing.
    void showWhatsNew();
    // Opens the support page of the help (where to report a problem, what to attach).
    void openSupportPage();

    static constexpr int kWelcomeTopic = 1172;

  private:
    void openPage(const QString& fileName);
    QString helpFolder() const;

    Interaction& interaction_;
    Desktop& desktop_;
    QString baseDirectory_;
};

}  // namespace sentrel
