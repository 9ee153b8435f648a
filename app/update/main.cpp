// sentrel-update: the download manager. See UpdateCommandLine::usage() and docs/updates.md.
#include <QApplication>
#include <QTextStream>
#include <QTimer>
#include <memory>

#include "app/UnattendedInteraction.h"
#include "app/update/DefinitionUpdate.h"
#include "app/update/Downloader.h"
#include "app/update/UpdateCommandLine.h"
#include "app/update/UpdateKeys.h"
#include "app/update/UpdateSource.h"
#include "app/update/frmUpdate.h"
#include "registry/mdlRegistry.h"
#include "shell/AppError.h"
#include "shell/QtInteraction.h"

namespace {

using namespace sentrel;
using update::UpdateCommandLine;

constexpr int kExitError = 2;

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// Records the update source given with --source; false (the user told why) when it is no
// source or cannot be recorded.
bool recordSource(update::UpdateKeys& keys, const QString& address, Interaction& interaction) {
    try {
        update::UpdateSource{address};
    } catch (const AppError& error) {
        interaction.message(error.description(), update::frmUpdate::kTitle, MsgIcon::Critical);
        return false;
    }
    return keys.setUpdateSource(address);
}

int runWindow(update::UpdateKeys& keys) {
    update::Downloader downloader;
    update::frmUpdate window(keys.updateSource());
    downloader.setProgress([&](qint64 got, qint64 total) { window.showProgress(got, total); });
    update::DefinitionUpdate updater(keys, downloader,
                                     [&](const QString& step) { window.showStep(step); });
    int status = kExitError;
    QTimer::singleShot(0, &window, [&] {
        const update::UpdateOutcome outcome = updater.run();
        status = outcome.updateExitCode();
        window.showOutcome(outcome);
    });
    window.exec();
    return status;
}

int runWithoutWindow(update::UpdateKeys& keys, UpdateCommandLine::Mode mode) {
    update::Downloader downloader;
    update::DefinitionUpdate updater(keys, downloader);
    const bool check = mode == UpdateCommandLine::Mode::Check;
    const update::UpdateOutcome outcome = check ? updater.check() : updater.run();
    QTextStream(stdout) << outcome.summaryLine() << Qt::endl;
    return check ? outcome.checkExitCode() : outcome.updateExitCode();
}

int run(const UpdateCommandLine& line, Interaction& interaction) {
    reg::mdlRegistry registry(interaction);
    update::UpdateKeys keys(registry, QStringLiteral(SENTREL_DEFAULT_UPDATE_SOURCE));
    if (line.source && !recordSource(keys, *line.source, interaction)) return kExitError;
    if (line.mode == UpdateCommandLine::Mode::Window) return runWindow(keys);
    return runWithoutWindow(keys, line.mode);
}

}  // namespace

int main(int argc, char** argv) {
    const UpdateCommandLine line = UpdateCommandLine::parse(argumentsOf(argc, argv));
    if (line.mode == UpdateCommandLine::Mode::Help) {
        QTextStream(stdout) << UpdateCommandLine::usage();
        return 0;
    }
    if (!line.error.isEmpty()) {
        QTextStream(stderr) << line.error << "\n\n" << UpdateCommandLine::usage();
        return kExitError;
    }
    if (line.mode == UpdateCommandLine::Mode::Window) {
        QApplication app(argc, argv);
        QtInteraction interaction;
        return run(line, interaction);
    }
    QCoreApplication app(argc, argv);
    app::UnattendedInteraction interaction(stderr);
    return run(line, interaction);
}
