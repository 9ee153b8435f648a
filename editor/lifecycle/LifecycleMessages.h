#pragma once

#include <QString>

#include "shell/AppError.h"
#include "shell/Interaction.h"

// The messages of the definition file lifecycle, word for word, with their titles, icons
// and buttons.
namespace sentrel::lifecycle::messages {

MessageRequest fileAlreadyOpen();
// An undo or redo whose merge records could not be written: the document stays as it is.
MessageRequest undoJournalError(const AppError& error);
MessageRequest bddChosen();
MessageRequest exportQuestion();
MessageRequest noMergeFile(const QString& mergePath);
MessageRequest closingBdf();
MessageRequest mergeFileError(const AppError& error, const QString& mergePath);
MessageRequest tempMergeFileError(const AppError& error);
MessageRequest templateMissing(const QString& baseDirectory);
MessageRequest fileMissing();
MessageRequest openError(const QString& path, const AppError& error);
MessageRequest upgradeFailed();
MessageRequest readError(const QString& path, const AppError& error, const QString& lastEntry);
MessageRequest saveChanges();
MessageRequest saveError();
MessageRequest saveAsError();
MessageRequest mergeSaveError(const AppError& error);
// "Error during merge save", with where the records that could not be moved are kept: in
// the merge file's pending file, or (when that failed too) still in the temporary merge file.
MessageRequest mergeRecordsKept(const AppError& error, const QString& pendingFile,
                                const QString& mergeFile);
MessageRequest mergeRecordsInJournal(const AppError& error, const QString& journalFile);
// Records left in the temporary merge file, kept in a pending file before it is emptied for
// the next definition file: those of a known merge file, and those of an earlier session.
MessageRequest strandedRecordsKept(const QString& pendingFile, const QString& mergeFile);
MessageRequest leftoverRecordsKept(const QString& pendingFile);
MessageRequest saveChangesRequired();
MessageRequest compactCompleted();
MessageRequest compactError(const AppError& error);

}  // namespace sentrel::lifecycle::messages
