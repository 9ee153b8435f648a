#pragma once

#include <QString>

#include "shell/AppError.h"
#include "shell/Interaction.h"

// The messages of the definition file lifecycle, word for word, with their titles, icons
// and buttons.
namespace sentrel::lifecycle::messages {

MessageRequest fileAlreadyOpen();
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
MessageRequest saveChangesRequired();
MessageRequest compactCompleted();
MessageRequest compactError(const AppError& error);

}  // namespace sentrel::lifecycle::messages
