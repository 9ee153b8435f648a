#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QTextStream>
#include <cstring>
#include <functional>

#include "app/AppHost.h"
#include "app/FileToOpen.h"
#include "app/InternalData.h"
#include "app/StartupSequence.h"
#include "app/UnattendedInteraction.h"
#include "editing/FilterForm.h"
#include "editing/PropForm.h"
#include "editing/browForm.h"
#include "registry/KeyPaths.h"
#include "registry/mdlRegistry.h"
#include "reporting/frmCacheTips.h"
#include "shell/QtInteraction.h"
#include "shell/ScriptedInteraction.h"

namespace {

using namespace sentrel;

// `sentrel-editor --register-basedir DIR`: records DIR as the installation folder
// ("basedir") in the key store, as an installer does, and ends.
int registerBaseDirectory(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ScriptedInteraction messages;
    reg::mdlRegistry registry(messages);
    const bool written = registry.SetKeyValue(
        reg::HKEY_LOCAL_MACHINE, reg::kProductKey, reg::kBaseDirValue,
        QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath(), reg::REG_SZ, true);
    QTextStream err(stderr);
    for (const QString& text : messages.messageTexts()) err << text << Qt::endl;
    return written ? 0 : 1;
}

bool isRegisterCall(int argc, char** argv) {
    return argc == 3 && std::strcmp(argv[1], "--register-basedir") == 0;
}

// Starts the editor; `prepare` joins the host to the interaction before the start-up runs.
// Once started, `run` works with its main window and answers the exit status. A start-up
// that ends the program answers its own status.
int runEditor(Interaction& interaction, const std::function<void(app::AppHost&)>& prepare,
              const std::function<int(editor::frmMain&)>& run) {
    reg::mdlRegistry registry(interaction);
    app::InternalData internalData;
    app::AppHost host(interaction, registry, internalData);
    prepare(host);
    app::StartupSequence startup(host, interaction, internalData);
    const app::StartupSequence::Outcome outcome =
        startup.run(app::wholeCommandLine(QCoreApplication::arguments()));
    if (!outcome.started) return outcome.exitStatus();
    const int status = run(*host.mainWindow());
    host.releaseInternalDataAtExit();
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    if (isRegisterCall(argc, argv)) return registerBaseDirectory(argc, argv);

    QApplication application(argc, argv);
    // The window icon from the desktop's theme (the installed one), else the program's own.
    QApplication::setWindowIcon(QIcon::fromTheme(
        QStringLiteral("sentrel-editor"), QIcon(QStringLiteral(":/icons/sentrel-editor.svg"))));
    QGuiApplication::setDesktopFileName(QStringLiteral("sentrel-editor"));
    // Nobody at the screen: the start-up runs without the Setup Wizard, its messages go to
    // standard output, and the editor closes again at once.
    if (qEnvironmentVariableIntValue("SENTREL_UNATTENDED") == 1) {
        app::UnattendedInteraction interaction;
        return runEditor(
            interaction, [](app::AppHost& host) { host.setWizardEnabled(false); },
            [](editor::frmMain& window) {
                window.close();
                return 0;
            });
    }
    QtInteraction interaction;
    interaction.registerDialog(QStringLiteral("frmCacheTips"), &frmCacheTips::run);
    const auto prepare = [&interaction](app::AppHost& host) {
        const auto showHelp = [&host](int topic) { host.programs().ShowHelpTopic(topic); };
        interaction.setShowHelp(showHelp);
        editing::registerPropForm(interaction, showHelp);
        editing::registerBrowForm(interaction, showHelp);
        editing::registerFilterForm(interaction, showHelp);
    };
    return runEditor(interaction, prepare, [&interaction](editor::frmMain& window) {
        interaction.setParentWidget(&window);
        return QApplication::exec();
    });
}
