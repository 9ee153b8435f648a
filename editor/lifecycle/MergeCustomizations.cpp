#include "editor/lifecycle/MergeCustomizations.h"

#include <QFileInfo>

#include "document/DocumentReader.h"
#include "document/DocumentWriter.h"
#include "document/FileAccess.h"
#include "document/merge/MergeReplay.h"
#include "editor/lifecycle/LifecycleView.h"
#include "editor/lifecycle/MergeJournal.h"
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

// A merge changes the document and journals its applied records together, or does neither:
// a change without its record would be lost at the next merge. The records that will apply
// are found first by replaying onto a copy of the document and go into the journal in one
// write; only then is the open document changed, by the same replay. A merge file that
// cannot be read, or a journal that cannot be written, changes nothing. The whole merge is
// one step of the undo history.
void MergeCustomizations::merge(const QString& path) {
    file_.runAsStep(kTitle, [&] { replay(path); });
}

void MergeCustomizations::replay(const QString& path) {
    doc::Document& document = *file_.state().document();
    std::optional<doc::ReplayReport> report;
    try {
        const QByteArray records = doc::file_access::readAll(path);
        journalAppliedRecords(document, records);
        report = doc::MergeReplay(document).replay(records);
    } catch (const AppError& error) {
        interaction_.message(
            QStringLiteral("The customizations could not be merged:\r\n") + error.description(),
            kTitle, MsgIcon::Critical);
    }
    if (report && report->count(doc::ReplayOutcome::Applied) > 0) afterChanges();
    if (report) showReport_(*report);
}

void MergeCustomizations::journalAppliedRecords(doc::Document& document,
                                                const QByteArray& records) {
    const auto copy =
        doc::DocumentReader::parse(doc::DocumentWriter::write(document), document.filePath());
    std::vector<MergeRecord> applied;
    doc::MergeReplay(*copy, [&](const doc::ReplayEntry& entry) {
        applied.push_back({entry.code, entry.fields});
    }).replay(records);
    if (applied.empty()) return;
    file_.state().journal().write(applied);
    for (const MergeRecord& record : applied)
        file_.history().noteRecord(record.code, record.fields);
}

void MergeCustomizations::afterChanges() {
    file_.markModified();
    file_.showChangedDocument(kTitle);
}

}  // namespace sentrel::lifecycle
