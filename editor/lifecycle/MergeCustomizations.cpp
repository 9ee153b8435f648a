#include "editor/lifecycle/MergeCustomizations.h"

#include <QFileInfo>

#include "document/merge/MergeReplay.h"
#include "editor/lifecycle/LifecycleView.h"
#include "shell/AppError.h"

namespace sentrel::lifecycle {

MergeCustomizations::MergeCustomizations(Interaction& interaction, FileLifecycle& file,
                                         LifecycleView& view, ReportSink showReport)
    : interaction_(interaction), file_(file), view_(view), showReport_(std::move(showReport)) {}

void MergeCustomizations::run() {
    if (!file_.state().hasDocument()) {
        interaction_.message(QStringLiteral("A definition file must be opened before "
                                            "customizations can be merged into it."),
                             kTitle, MsgIcon::Information);
        return;
    }
    if (const std::optional<QString> path = chooseMergeFile()) merge(*path);
}

std::optional<QString> MergeCustomizations::chooseMergeFile() {
    FileRequest request;
    request.title = QStringLiteral("Choose the merge file");
    request.directory = QFileInfo(file_.state().currentFile).absolutePath();
    request.filters = {QStringLiteral("Merge files (*.mrg)"), QStringLiteral("All files (*)")};
    request.overwritePrompt = false;
    return interaction_.chooseOpenFile(request);
}

// A merge file that cannot be read changes nothing. A journal write that fails stops the
// replay after a record the document already holds: what was applied so far is kept (and
// shown) as for any edit, and the user is told why the merge stopped.
void MergeCustomizations::merge(const QString& path) {
    file_.runAsStep(kTitle, [&] { replay(path); });
}

void MergeCustomizations::replay(const QString& path) {
    int applied = 0;
    doc::MergeReplay replayer(*file_.state().document(), [&](const doc::ReplayEntry& entry) {
        ++applied;
        journal(entry);
    });
    std::optional<doc::ReplayReport> report;
    try {
        report = replayer.replayFile(path);
    } catch (const AppError& error) {
        interaction_.message(
            QStringLiteral("The customizations could not be merged:\r\n") + error.description(),
            kTitle, MsgIcon::Critical);
    }
    if (applied > 0) afterChanges();
    if (report) showReport_(*report);
}

void MergeCustomizations::journal(const doc::ReplayEntry& applied) {
    const std::array<QString, 5>& f = applied.fields;
    file_.WriteMergeRecord(applied.code, f[0], f[1], f[2], f[3], f[4]);
}

void MergeCustomizations::afterChanges() {
    file_.markModified();
    file_.showChangedDocument(kTitle);
}

}  // namespace sentrel::lifecycle
