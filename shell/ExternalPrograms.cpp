#include "shell/ExternalPrograms.h"

#include <QFileInfo>

namespace sentrel {

ExternalPrograms::ExternalPrograms(Interaction& interaction, Desktop& desktop,
                                   QString baseDirectory)
    : interaction_(interaction), desktop_(desktop), baseDirectory_(std::move(baseDirectory)) {}

QString ExternalPrograms::updaterPath() const {
    return baseDirectory_ + QStringLiteral("/sentrel-update");
}

bool ExternalPrograms::updaterInstalled() const {
    const QFileInfo updater(updaterPath());
    return updater.isFile() && updater.isExecutable();
}

void ExternalPrograms::LaunchUpdater() {
    if (!updaterInstalled()) {
        showUpdaterMissing();
        return;
    }
    desktop_.startDetached(updaterPath());
}

void ExternalPrograms::showUpdaterMissing() {
    interaction_.message(
        QStringLiteral(
            "The Norvane Download Manager is not installed. The likely reason is that you did "
            "not have the sentrel-update program installed at the time you installed Sentrel "
            "(and you still may not). The Download Manager requires the sentrel-update program "
            "in the Sentrel installation folder.  If you wish to run it, please re-run the "
            "Sentrel installation program. Or if you are certain the sentrel-update program was "
            "installed at the time Sentrel was installed, your installation of Sentrel may be "
            "corrupted because the file is missing - try re-running the Sentrel installation "
            "program."),
        QStringLiteral("Download Manager not installed"), MsgIcon::Exclamation);
}

QString ExternalPrograms::helpFolder() const {
    return baseDirectory_ + QStringLiteral("/docs/help/");
}

QString ExternalPrograms::helpPagePath(int topic) const {
    return helpFolder() + QString::number(topic) + QStringLiteral(".html");
}

void ExternalPrograms::ShowHelpTopic(int topic) {
    if (QFileInfo::exists(helpPagePath(topic)))
        desktop_.openUrl(QUrl::fromLocalFile(helpPagePath(topic)));
    else
        showHelpContents();
}

void ExternalPrograms::showHelpContents() {
    openPage(QStringLiteral("index.html"));
}

void ExternalPrograms::openSupportPage() {
    openPage(QStringLiteral("support.html"));
}

void ExternalPrograms::openPage(const QString& fileName) {
    desktop_.openUrl(QUrl::fromLocalFile(helpFolder() + fileName));
}

void ExternalPrograms::showWhatsNew() {
    const QString path = baseDirectory_ + QStringLiteral("/whatsnew.txt");
    if (QFileInfo::exists(path)) {
        desktop_.openUrl(QUrl::fromLocalFile(path));
        return;
    }
    interaction_.message(QStringLiteral("Can not find whatsnew.txt file.  Downloading the "
                                        "latest Norvane BDF\r\nwill refresh this file."),
                         QStringLiteral("File not found"), MsgIcon::Exclamation);
}

}  // namespace sentrel
