#include "editor/lifecycle/FileLifecycle.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include "document/FileLocation.h"
#include "document/Vocabulary.h"
#include "editor/lifecycle/FileError.h"
#include "editor/lifecycle/FilterSort.h"
#include "editor/lifecycle/LifecycleMessages.h"
#include "editor/lifecycle/LifecycleView.h"
#include "editor/lifecycle/PathNames.h"
#include "editor/lifecycle/PendingMerge.h"
#include "reporting/OptionStore.h"

namespace sentrel::lifecycle {

namespace {

const QString kTitle = QStringLiteral(" Sentrel");
const QString kObjectUpdate = QStringLiteral("ObjectUpdate");

QString titleFor(const QString& path) {
    if (mentionsTemplate(path))
        return kTitle + QStringLiteral(" ") + QStringLiteral(" - New definition file");
    return kTitle + QStringLiteral(" ") + QStringLiteral(" - ") + path;
}

}  // namespace

FileLifecycle::FileLifecycle(Interaction& interaction, LifecycleView& view,
                             RecentFiles::ListSource recentList)
    : context_(interaction, view, std::move(recentList)),
      saver_(context_),
      upgrade_(view, context_.services) {
    joinHistory();
}

// An undo or redo shows the document it made exactly as the edit showed its own change:
// the BDD and the Hit Tester's data are out of date, the views follow.
void FileLifecycle::joinHistory() {
    EditHistory& history = context_.history;
    history.setAfterMove([this] {
        context_.state.bddOutOfDate = true;
        context_.state.testBddOutOfDate = true;
        showChangedDocument(QStringLiteral("Undo"));
    });
    history.setFailureSink(
        [this](const AppError& error) { context_.tell(messages::undoJournalError(error)); });
    QUndoStack* stack = &history.stack();
    QObject::connect(stack, &QUndoStack::cleanChanged, stack,
                     [this](bool clean) { followCleanState(clean); });
}

// The modified mark follows the history: back at the saved state, nothing is to be saved.
void FileLifecycle::followCleanState(bool clean) {
    if (!context_.state.hasDocument()) return;
    context_.state.unsavedChanges = !clean;
    context_.view.setCommandEnabled(QStringLiteral("miFileSave"), !clean);
}

void FileLifecycle::runAsStep(const QString& text, const std::function<void()>& change) {
    EditHistory& history = context_.history;
    history.begin(text);
    try {
        change();
    } catch (...) {
        history.end();
        throw;
    }
    history.end();
}

void FileLifecycle::showChangedDocument(const QString& title) {
    OpenFileState& state = context_.state;
    const QString selected = context_.view.selectedTypeName();
    state.filterDialogStale = true;
    state.collectDeletedTypes();
    context_.view.clearViews();
    QString lastEntry;
    try {
        context_.view.buildViews(*state.document(), state.deletedTypes, lastEntry);
    } catch (const AppError& error) {
        context_.tell({title,
                       QStringLiteral("The views could not be rebuilt (") + lastEntry +
                           QStringLiteral("): ") + error.description(),
                       MsgIcon::Critical});
        return;
    }
    if (!selected.isEmpty()) context_.view.showType(selected);
    context_.showVersion();
}

void FileLifecycle::setBaseDirectory(const QString& baseDirectory) {
    context_.baseDirectory = baseDirectory;
    context_.state.journal().setBaseDirectory(baseDirectory);
}

void FileLifecycle::OpenFile(const QString& requested) {
    const QString path = absolutePath(requested);
    OpenFileState& state = context_.state;
    if (!path.isEmpty() && path == state.currentFile) {
        context_.tell(messages::fileAlreadyOpen());
        return;
    }
    QString previous;
    if (state.hasDocument()) {
        bool keepDisplay = true;
        if (!CloseFile(keepDisplay, false)) return;
        previous = closedFile_;  // after a Save As on closing, the file under its new name
    }
    const QString chosen = path.isEmpty() ? chooseFile() : path;
    if (chosen.isEmpty()) return reopenFromDisk(previous);
    if (lastThreeLower(chosen) == QLatin1String("bdd")) {
        context_.tell(messages::bddChosen());
        return reopenFromDisk(previous);
    }
    if (!state.currentFile.isEmpty() && chosen == state.currentFile) {
        context_.tell(messages::fileAlreadyOpen());
        return reopenFromDisk(previous);
    }
    if (!loadChosenFile(chosen)) {
        CloseFile();
        return;
    }
    state.currentFile = chosen;
    context_.rememberFile(chosen);
    state.mergeFilePath = withLastThree(chosen, QStringLiteral("mrg"));
    offerExport();
    if (confirmMergeFile(path)) openMergeFiles();
}

QString FileLifecycle::chooseFile() {
    FileRequest request;
    request.title = QStringLiteral("Select BDF to open");
    request.directory = context_.baseDirectory;
    request.filters = {QStringLiteral("Browser definition files (*.bdf)")};
    request.overwritePrompt = false;
    request.helpContext = 880;
    return context_.interaction.chooseOpenFile(request).value_or(QString());
}

// An open that ends without a new file after the previous one was closed for it: the
// previous file is opened again from disk, so the display, the document, the marks and the
// temporary merge file agree (edits the user chose not to save are gone, as he asked).
void FileLifecycle::reopenFromDisk(const QString& path) {
    if (path.isEmpty()) return;
    if (!loadChosenFile(path)) {
        CloseFile();
        return;
    }
    context_.state.currentFile = path;
    context_.state.mergeFilePath = withLastThree(path, QStringLiteral("mrg"));
    openMergeFiles();
}

bool FileLifecycle::loadChosenFile(const QString& path) {
    if (context_.state.hasDocument()) ClearDisplay();
    context_.view.processEvents();
    context_.view.setBusy(true);
    context_.setStatus(QStringLiteral("Loading browser definitions..."));
    const bool loaded = LoadDefinitionFile(path);
    context_.setStatus(QString());
    context_.view.setBusy(false);
    return loaded;
}

bool FileLifecycle::LoadDefinitionFile(const QString& path) {
    OpenFileState& state = context_.state;
    for (const char* tool : {"miPropertiesChange", "miPropertiesRename", "miPropertiesRemove"})
        context_.view.setCommandEnabled(QLatin1String(tool), false);
    state.releaseDocument();
    if (!QFileInfo::exists(path)) {
        if (mentionsTemplate(path)) {
            context_.tell(messages::templateMissing(context_.baseDirectory));
        } else {
            context_.tell(messages::fileMissing());
            context_.recent.manageLRU(path, QStringLiteral("REMOVE"));
        }
        return false;
    }
    std::unique_ptr<doc::Document> document;
    try {
        document = context_.services.bind(path);
    } catch (const AppError& error) {
        context_.tell(messages::openError(path, error));
        return false;
    }
    if (!upgradeBDF(document, path)) {
        context_.tell(messages::upgradeFailed());
        return false;
    }
    state.documentSlot() = std::move(document);
    QString lastEntry;
    try {
        fillViews(path, lastEntry);
    } catch (const AppError& error) {
        context_.tell(messages::readError(path, error, lastEntry));
        return false;
    }
    return true;
}

void FileLifecycle::fillViews(const QString& path, QString& lastEntry) {
    OpenFileState& state = context_.state;
    state.collectDeletedTypes();
    context_.view.buildViews(*state.document(), state.deletedTypes, lastEntry);
    state.filterDialogStale = true;
    context_.history.clear();
    context_.view.setMenuState(true);
    context_.view.setWindowTitle(titleFor(path));
    context_.showVersion();
}

bool FileLifecycle::upgradeBDF(std::unique_ptr<doc::Document>& document, const QString& path) {
    return upgrade_.upgradeBDF(document, path, context_.state.filtersUnsorted);
}

void FileLifecycle::offerExport() {
    const QString bdd = withLastThree(context_.state.currentFile, QStringLiteral("bdd"));
    if (QFileInfo::exists(bdd)) return;
    if (context_.tell(messages::exportQuestion()) == MsgAnswer::Yes)
        context_.services.exportFile(bdd, true);
}

// The name tests look at the path the open was asked for, which is empty when the file was
// chosen in the dialog: a file chosen there is always asked about.
bool FileLifecycle::confirmMergeFile(const QString& pathArgument) {
    const QString& mergePath = context_.state.mergeFilePath;
    if (QFileInfo::exists(mergePath) || isMasterFile(pathArgument) ||
        pathArgument.endsWith(QStringLiteral("/") + kTemplateName) || inReadOnlyFolder())
        return true;
    if (context_.tell(messages::noMergeFile(mergePath)) == MsgAnswer::Yes) return true;
    context_.tell(messages::closingBdf());
    CloseFile();
    return false;
}

bool FileLifecycle::openMergeFiles() {
    OpenFileState& state = context_.state;
    if (!keepLeftoverRecords()) {
        CloseFile();
        return false;
    }
    QFile merge(state.mergeFilePath);
    if (!inReadOnlyFolder() && !merge.open(QIODevice::WriteOnly | QIODevice::Append)) {
        context_.tell(messages::mergeFileError(fileError(merge, QStringLiteral("Could not open")),
                                               state.mergeFilePath));
        CloseFile();
        return false;
    }
    merge.close();
    try {
        state.journal().create();
    } catch (const AppError& error) {
        context_.tell(messages::tempMergeFileError(error));
        CloseFile();
        return false;
    }
    state.savedJournalBytes = 0;
    return true;
}

// A file in a folder this account cannot write is opened to be read: nothing can be saved
// beside it, so no merge file is asked for or created there. Saving it fails as any failed
// save does; Save As carries it and its edits to a folder that can be written.
bool FileLifecycle::inReadOnlyFolder() const {
    return !doc::file_location::isWritableFolder(
        QFileInfo(context_.state.currentFile).absolutePath());
}

bool FileLifecycle::CloseFile() {
    bool keepDisplay = false;
    return CloseFile(keepDisplay, false);
}

bool FileLifecycle::CloseFile(bool& keepDisplay, bool keepTemporaryMerge) {
    OpenFileState& state = context_.state;
    bool saved = false;
    if (state.unsavedChanges) {
        const MsgAnswer answer = context_.tell(messages::saveChanges());
        if (answer == MsgAnswer::Cancel) return false;
        if (answer == MsgAnswer::Yes) {
            if (!SaveFile()) return false;
            keepDisplay = false;
            saved = true;
        }
    }
    // Records of saved edits still in the journal get one more try, unless the save just
    // made has tried (and told the user) already.
    if (state.savedJournalBytes > 0 && !saved)
        saver_.AppendMergeTemp(state.mergeFilePath, state.mergeFilePath, state.savedJournalBytes);
    closedFile_ = state.currentFile;
    const QString mergeFile = state.mergeFilePath;
    if (!keepDisplay) ClearDisplay();
    state.unsavedChanges = false;
    state.bddOutOfDate = false;
    releaseJournal(keepTemporaryMerge, mergeFile);
    if (context_.options) context_.options->version.clear();
    context_.view.setPropertyListTitle(QStringLiteral(" Browser properties:"));
    context_.view.setStatusText(kObjectUpdate, QString());
    state.detectionObject.reset();
    context_.view.unloadHitTester();
    return true;
}

// Records of saved edits that could be kept nowhere else stay on disk in the temporary
// merge file, and in memory with the merge file they belong to, until the next open keeps
// them in a pending file; the other records are discarded with the edits they describe.
void FileLifecycle::releaseJournal(bool keepTemporaryMerge, const QString& mergeFile) {
    OpenFileState& state = context_.state;
    MergeJournal& journal = state.journal();
    if (state.savedJournalBytes > 0) {
        try {
            stranded_ = {mergeFile, journal.collected().left(state.savedJournalBytes)};
        } catch (const AppError&) {
            stranded_ = {};  // unreadable: the next open keeps the whole file as unassigned
        }
    }
    if (keepTemporaryMerge || state.savedJournalBytes > 0)
        journal.close();
    else
        journal.discard();
    state.savedJournalBytes = 0;
}

// Before "merge.tmp" is emptied for the file being opened, records left in it are kept in a
// pending file: those a close could not store, under their merge file; anything else (left
// by an earlier session) as unassigned. When they cannot be kept, "merge.tmp" stays as it is
// and the file is not opened.
bool FileLifecycle::keepLeftoverRecords() {
    MergeJournal& journal = context_.state.journal();
    const PendingMerge pending(context_.baseDirectory);
    try {
        if (!stranded_.mergeFile.isEmpty()) {
            pending.keep(stranded_.mergeFile, stranded_.records);
            context_.tell(messages::strandedRecordsKept(pending.pathFor(stranded_.mergeFile),
                                                        stranded_.mergeFile));
        } else if (const QByteArray leftover = journal.leftover(); !leftover.isEmpty()) {
            context_.tell(messages::leftoverRecordsKept(pending.keepUnassigned(leftover)));
        }
    } catch (const AppError& error) {
        context_.tell(messages::tempMergeFileError(AppError(
            error.number(), error.description() + QStringLiteral(" The temporary merge file \"") +
                                journal.path() +
                                QStringLiteral("\" holds merge records that could not "
                                               "be kept elsewhere; it is left as it "
                                               "is."))));
        return false;
    }
    stranded_ = {};
    return true;
}

void FileLifecycle::ClearDisplay() {
    OpenFileState& state = context_.state;
    context_.view.clearViews();
    state.deletedTypes.clear();
    state.releaseDocument();
    context_.view.setMenuState(false);
    context_.view.setStatusText(QStringLiteral("Version"), QString());
    context_.view.setStatusText(QStringLiteral("Update"), QString());
    state.currentFile.clear();
    state.mergeFilePath.clear();
    state.filtersUnsorted = false;
    context_.history.clear();
    context_.view.setWindowTitle(kTitle);
}

void FileLifecycle::NewFile() {
    OpenFile(context_.templatePath());
}

void FileLifecycle::CompactFile() {
    saver_.CompactFile();
    // The types the compaction removed for good cannot be brought back.
    context_.history.clear();
    // A compaction that failed and could not bind the file again leaves nothing open.
    if (!context_.state.hasDocument() && !context_.state.currentFile.isEmpty()) CloseFile();
}

void FileLifecycle::markModified() {
    if (!context_.history.inStep()) context_.history.stack().resetClean();
    context_.view.setCommandEnabled(QStringLiteral("miFileSave"), true);
    context_.state.unsavedChanges = true;
    context_.state.bddOutOfDate = true;
    context_.state.testBddOutOfDate = true;
    showObjectUpdate();
}

void FileLifecycle::showObjectUpdate() {
    doc::Document* document = context_.state.document();
    const QString selected = context_.view.selectedTypeName();
    if (!document || selected.isEmpty() || !document->hasType(selected)) return;
    const doc::TypeObject& type = document->Path(selected);
    if (!type.hasParameter(mainMod::kTypeParam) || !type.hasParameter(mainMod::kLastUpdateParam))
        return;
    const bool folder = type.Path(mainMod::kTypeParam).trimmed() == mainMod::kTypeFolder;
    const QString stamp = type.Path(mainMod::kLastUpdateParam);
    QDateTime when;
    const QString shown = mainMod::toDateTime(stamp, QLocale(), &when)
                              ? QLocale().toString(when.date(), QLocale::ShortFormat)
                              : stamp;
    context_.view.setStatusText(kObjectUpdate, (folder ? QStringLiteral(" Folder updated: ")
                                                       : QStringLiteral(" Browser updated: ")) +
                                                   shown + u' ');
}

bool FileLifecycle::sortFilters() {
    doc::Document* document = context_.state.document();
    return document &&
           lifecycle::sortFilters(*document, context_.state.filtersUnsorted, context_.view);
}

void FileLifecycle::WriteMergeRecord(int code, const QString& field1, const QString& field2,
                                     const QString& field3, const QString& field4,
                                     const QString& field5) {
    context_.state.journal().WriteMergeRecord(code, field1, field2, field3, field4, field5);
    context_.history.noteRecord(code, {field1, field2, field3, field4, field5});
}

}  // namespace sentrel::lifecycle
