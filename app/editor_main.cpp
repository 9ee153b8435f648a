#include <QApplication>
#include <QFileInfo>
#include <QTextStream>
#include <cstring>

#include "app/AppHost.h"
#include "app/FileToOpen.h"
#include "app/InternalData.h"
#include "app/StartupSequence.h"
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

}  // namespace

int main(int argc, char** argv) {
    if (isRegisterCall(argc, argv)) return registerBaseDirectory(argc, argv);

    QApplication application(argc, argv);
    QtInteraction interaction;
    interaction.registerDialog(QStringLiteral("frmCacheTips"), &frmCacheTips::run);
    editing::registerPropForm(interaction);
    editing::registerBrowForm(interaction);
    editing::registerFilterForm(interaction);
    reg::mdlRegistry registry(interaction);
    app::InternalData internalData;
    app::AppHost host(interaction, registry, internalData);
    app::StartupSequence startup(host, interaction, internalData);
    const app::StartupSequence::Outcome outcome =
        startup.run(app::wholeCommandLine(QCoreApplication::arguments()));
    // Another running copy is not a failure of this one.
    if (!outcome.started) return outcome.alreadyRunning ? 0 : 1;

    interaction.setParentWidget(host.mainWindow());
    const int status = application.exec();
    host.releaseInternalDataAtExit();
    return status;
}
