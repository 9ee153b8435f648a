#include "reporting/PreferencesDialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

#include "reporting/PreferencesCommand.h"
#include "reporting/frmWebDirectorySelect.h"

namespace sentrel {

PreferencesDialog::PreferencesDialog(OptionStore& options, Interaction& interaction,
                                     SetupWizardFlags& wizard, QWidget* parent)
    : controller_(options, interaction, wizard), dialog_(new frmOptions(controller_, parent)) {
    OptionsHost& hooks = controller_.host();
    hooks.setBusy = [](bool busy) {
        if (busy) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        } else {
            QApplication::restoreOverrideCursor();
        }
    };
    hooks.openUrl = [](const QString& url) { QDesktopServices::openUrl(QUrl(url)); };
    hooks.showWebDirectorySelect = [this](webdirs::WebDirectorySelect& selection) {
        frmWebDirectorySelect::run(selection, dialog_);
    };
}

PreferencesDialog::~PreferencesDialog() {
    delete dialog_;
}

void PreferencesDialog::showModal() {
    dialog_->showModal();
}

void PreferencesDialog::runCommand() {
    const auto fileOpen = [this] {
        const OptionsHost& hooks = controller_.host();
        return hooks.openDocument && hooks.openDocument() != nullptr;
    };
    PreferencesCommand command{&controller_.options(), [this] { showModal(); }, fileOpen,
                               refreshSelected_};
    command();
}

}  // namespace sentrel
