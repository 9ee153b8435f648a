#include "editor/lifecycle/ExternalCommands.h"

#include <QApplication>

#include "editor/frmMain.h"
#include "shell/RunAndWait.h"

namespace sentrel::lifecycle {

ExternalCommands::ExternalCommands(Interaction& interaction, editor::frmMain& window,
                                   FileLifecycle& file, ExternalPrograms& programs)
    : interaction_(interaction), window_(window), file_(file), programs_(programs) {
    registerCommands();
}

ExternalCommands::~ExternalCommands() {
    delete standBy_;
}

void ExternalCommands::registerCommands() {
    editor::CommandDispatcher& commands = window_.dispatcher();
    commands.registerOperation(QStringLiteral("miSpecialDownload"), [this] { download(); });
    commands.registerOperation(QStringLiteral("miSpecialWhatsNew"),
                               [this] { programs_.showWhatsNew(); });
    commands.registerOperation(QStringLiteral("miHelpContents"),
                               [this] { programs_.showHelpContents(); });
    commands.registerOperation(QStringLiteral("miHelpWelcome"), [this] {
        programs_.ShowHelpTopic(ExternalPrograms::kWelcomeTopic);
    });
    commands.registerOperation(QStringLiteral("miHelpTechnicalSupport"),
                               [this] { programs_.openSupportPage(); });
}

void ExternalCommands::download() {
    if (file_.state().hasDocument()) {
        const MsgAnswer answer = interaction_.message(
            QStringLiteral("The open BDF ") + file_.state().currentFile +
                QStringLiteral(" must be closed\r\nbefore proceeding.  Close this file now?"),
            QStringLiteral("Close BDF?"), MsgIcon::Information, MsgButtons::YesNo);
        if (answer != MsgAnswer::Yes || !window_.CloseFile(false, false)) return;
    }
    programs_.LaunchUpdater();
}

void ExternalCommands::runAndWait(const QString& program, const QString& message) {
    WaitView view;
    view.setWaiting = [this](bool waiting) { window_.setLaunchWaitInProgress(waiting); };
    view.showWait = [this](const QString& text) { showWaitWindow(text); };
    view.hideWait = [this] { hideWaitWindow(); };
    view.processEvents = [] { QApplication::processEvents(); };
    RunAndWait(program, message, view);
}

void ExternalCommands::showWaitWindow(const QString& message) {
    if (!standBy_) standBy_ = new frmStandBy(&window_);
    standBy_->setMessage(message);
    standBy_->show();
    standBy_->raise();
    window_.setCursor(Qt::WaitCursor);
}

void ExternalCommands::hideWaitWindow() {
    window_.unsetCursor();
    delete standBy_;
}

}  // namespace sentrel::lifecycle
