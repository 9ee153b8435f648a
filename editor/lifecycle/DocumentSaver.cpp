#include "editor/lifecycle/DocumentSaver.h"

#include <QFile>
#include <QFileInfo>

#include "editor/lifecycle/FilterSort.h"
#include "editor/lifecycle/LifecycleContext.h"
#include "editor/lifecycle/LifecycleMessages.h"
#include "editor/lifecycle/LifecycleView.h"
#include "editor/lifecycle/MergeFile.h"
#include "editor/lifecycle/PathNames.h"
#include "editor/lifecycle/PendingMerge.h"
#include "reporting/OptionStore.h"

namespace sentrel::lifecycle {

namespace {

const QString kSave = QStringLiteral("miFileSave");
const QString kSaving = QStringLiteral("Saving browser definitions...");

template <typename Step>
std::optional<AppError> attempt(Step step) {
    try {
        step();
    } catch (const AppError& error) {
        return error;
    }
    return std::nullopt;
}

}  // namespace

bool DocumentSaver::mustSaveAs() const {
    return context_.view.windowTitle().contains(QStringLiteral("New definition file"),
                                                Qt::CaseInsensitive) ||
           isMasterFile(context_.state.currentFile);
}

bool DocumentSaver::SaveFile() {
    if (!context_.state.hasDocument()) return false;
    if (mustSaveAs()) return SaveFileAs();
    context_.view.setBusy(true);
    OpenFileState& state = context_.state;
    sortFilters(*state.document(), state.filtersUnsorted, context_.view);
    context_.setStatus(kSaving);
    if (std::optional<AppError> error = saveToOwnFile()) {
        afterFailedSave(messages::saveError());
        return false;
    }
    AppendMergeTemp(state.mergeFilePath, state.mergeFilePath);
    exportBesides(state.currentFile);
    context_.showVersion();
    finishSave();
    return true;
}

// Raises the minor version when the option asks for it, stamps the update time and saves.
// A failed save takes the version back, so that trying again does not count twice.
std::optional<AppError> DocumentSaver::saveToOwnFile() {
    doc::Document& document = *context_.state.document();
    OptionStore* options = context_.options;
    int minorBefore = 0;
    if (std::optional<AppError> error =
            attempt([&] { minorBefore = doc::internals::BDFMinorver(document); }))
        return error;
    const QString fieldBefore = options ? options->version.minorText() : QString();
    std::optional<AppError> error = stampAndSave(minorBefore);
    if (error) {
        attempt([&] { doc::internals::setBDFMinorver(document, minorBefore); });
        if (options) options->version.setMinorText(fieldBefore);
    }
    return error;
}

std::optional<AppError> DocumentSaver::stampAndSave(int minorBefore) {
    doc::Document& document = *context_.state.document();
    OptionStore* options = context_.options;
    return attempt([&] {
        if (options && options->verIncrement) {
            const int minor = options->version.minor().value_or(minorBefore) + 1;
            doc::internals::setBDFMinorver(document, minor);
            options->version.setMinorText(DocumentVersionFields::twoDigits(minor));
        }
        doc::internals::setBDFLastUpdate(document, context_.services.now());
        context_.view.processEvents();
        context_.services.save(document, context_.state.currentFile);
    });
}

void DocumentSaver::afterFailedSave(const MessageRequest& message) {
    context_.view.setBusy(false);
    context_.tell(message);
    context_.setStatus(QString());
}

void DocumentSaver::exportBesides(const QString& path) {
    if (context_.services.exportFile(withLastThree(path, QStringLiteral("bdd")), true))
        context_.state.bddOutOfDate = false;
}

void DocumentSaver::finishSave() {
    context_.view.setBusy(false);
    context_.setStatus(QString());
    context_.state.unsavedChanges = false;
    context_.view.setCommandEnabled(kSave, false);
    context_.history.markSaved();
}

// The chosen name, absolute; none when the user chose none. A name ending in "bdd" is
// refused as the open dialog refuses it: the BDD beside a file is the export's, and
// definitions written under it would be overwritten by the next export.
std::optional<QString> DocumentSaver::chooseTarget() {
    FileRequest request;
    request.title = QStringLiteral("Save BDF As");
    request.directory = context_.baseDirectory;
    request.filters = {QStringLiteral("Browser definition files (*.bdf)")};
    request.defaultSuffix = QStringLiteral("bdf");
    const QString chosen =
        absolutePath(context_.interaction.chooseSaveFile(request).value_or(QString()));
    if (chosen.isEmpty()) return std::nullopt;
    if (lastThreeLower(chosen) == QLatin1String("bdd")) {
        context_.tell(messages::bddChosen());
        return std::nullopt;
    }
    return chosen;
}

bool DocumentSaver::SaveFileAs() {
    OpenFileState& state = context_.state;
    if (!state.hasDocument()) return false;
    const std::optional<QString> chosen = chooseTarget();
    if (!chosen) return false;
    context_.view.setBusy(true);
    sortFilters(*state.document(), state.filtersUnsorted, context_.view);
    context_.setStatus(kSaving);
    if (attempt([&] { context_.services.save(*state.document(), *chosen); })) {
        afterFailedSave(messages::saveAsError());
        return false;
    }
    exportBesides(*chosen);
    state.currentFile = *chosen;
    context_.view.setWindowTitle(QStringLiteral(" Sentrel - ") + *chosen);
    context_.rememberFile(*chosen);
    const QString oldMerge = state.mergeFilePath;
    state.mergeFilePath = withLastThree(*chosen, QStringLiteral("mrg"));
    AppendMergeTemp(state.mergeFilePath, oldMerge);
    finishSave();
    return true;
}

bool DocumentSaver::AppendMergeTemp(const QString& target, const QString& source, qint64 count) {
    OpenFileState& state = context_.state;
    try {
        moveJournalInto(state.journal(), PendingMerge(context_.baseDirectory), target, source,
                        count);
        state.savedJournalBytes = 0;
        return true;
    } catch (const AppError& error) {
        keepUnmoved(error, target, count);
        return false;
    }
}

// Records that could not reach their merge file are kept in its pending file; when even that
// fails they stay in the temporary merge file, to be tried again at the next save, at the
// close and at the next open. Either way the user is told where they are, once.
void DocumentSaver::keepUnmoved(const AppError& error, const QString& target, qint64 count) {
    OpenFileState& state = context_.state;
    MergeJournal& journal = state.journal();
    const PendingMerge pending(context_.baseDirectory);
    const qint64 unmoved = count < 0 ? journal.size() : count;
    state.savedJournalBytes = unmoved;
    if (unmoved == 0 && !QFileInfo::exists(pending.pathFor(target))) {
        context_.tell(messages::mergeSaveError(error));  // no record is waiting anywhere
        return;
    }
    try {
        const QByteArray records = journal.collected().left(unmoved);
        pending.keep(target, records);
        journal.consume(records.size());
        state.savedJournalBytes = 0;
        context_.tell(messages::mergeRecordsKept(error, pending.pathFor(target), target));
    } catch (const AppError&) {
        context_.tell(messages::mergeRecordsInJournal(error, journal.path()));
    }
}

void DocumentSaver::CompactFile() {
    OpenFileState& state = context_.state;
    if (!state.hasDocument()) return;
    if (state.unsavedChanges) {
        context_.tell(messages::saveChangesRequired());
        return;
    }
    const QString scratch = context_.baseDirectory + QStringLiteral("/tmp.") +
                            FileNameOnly(state.currentFile) + QStringLiteral(".dtx");
    context_.view.setBusy(true);
    context_.setStatus(QStringLiteral("Compacting definitions..."));
    for (const QString& name : std::as_const(state.deletedTypes))
        attempt([&] { state.document()->deleteType(name); });
    state.deletedTypes.clear();
    if (std::optional<AppError> error = attempt([&] { compactThroughScratch(scratch); })) {
        recoverFromFailedCompact(scratch);
        context_.setStatus(QString());
        context_.view.setBusy(false);
        context_.tell(messages::compactError(*error));
        return;
    }
    context_.setStatus(QString());
    context_.view.setBusy(false);
    context_.tell(messages::compactCompleted());
}

// The document is written to the scratch file, read back from there and written over the
// definition file. Each write replaces its file whole, so the definition file is either the
// compacted document or the previous one.
void DocumentSaver::compactThroughScratch(const QString& scratch) {
    OpenFileState& state = context_.state;
    context_.services.save(*state.document(), scratch);
    state.releaseDocument();
    state.documentSlot() = context_.services.bind(scratch);
    context_.services.save(*state.document(), state.currentFile);
    QFile::remove(scratch);
}

// After a failed compaction the definition file on disk is the previous one: the document
// is bound from it again so that it owns its file's lock and what it shows is on disk.
void DocumentSaver::recoverFromFailedCompact(const QString& scratch) {
    OpenFileState& state = context_.state;
    const QString current = state.currentFile;
    state.releaseDocument();
    QFile::remove(scratch);
    attempt([&] { state.documentSlot() = context_.services.bind(current); });
    if (state.hasDocument()) state.collectDeletedTypes();
}

}  // namespace sentrel::lifecycle
