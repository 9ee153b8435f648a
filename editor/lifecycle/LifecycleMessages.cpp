#include "editor/lifecycle/LifecycleMessages.h"

#include <QStringList>

#include "shell/Product.h"

namespace sentrel::lifecycle::messages {

namespace {

const QString kBreak = QStringLiteral("\r\n");

MessageRequest request(const QString& title, const QString& text, MsgIcon icon,
                       MsgButtons buttons = MsgButtons::OK, int defaultButton = 1) {
    MessageRequest message;
    message.title = title;
    message.text = text;
    message.icon = icon;
    message.buttons = buttons;
    message.defaultButton = defaultButton;
    return message;
}

QString lines(const QStringList& parts) {
    return parts.join(kBreak);
}

QString numberAndDescription(const AppError& error) {
    return QString::number(error.number()) + QStringLiteral(", ") + error.description();
}

QString quoted(const QString& path) {
    return u'"' + path + u'"';
}

// "Error during merge save", followed by where the records are kept.
MessageRequest mergeSaveErrorKept(const AppError& error, const QString& whereKept) {
    MessageRequest message = mergeSaveError(error);
    message.text += kBreak + kBreak + whereKept;
    return message;
}

}  // namespace

MessageRequest mergeSaveError(const AppError& error) {
    return request(QStringLiteral("Error during merge save"),
                   QStringLiteral("Error #") + QString::number(error.number()) +
                       QStringLiteral(" occured while saving your merge data.") + kBreak +
                       error.description(),
                   MsgIcon::Critical);
}

MessageRequest undoJournalError(const AppError& error) {
    return request(QStringLiteral("Error during merge save"),
                   lines({QStringLiteral("Error #") + QString::number(error.number()) +
                              QStringLiteral(" occured while saving your merge data."),
                          error.description(),
                          QStringLiteral("The file was left as it was: nothing was undone or "
                                         "redone.")}),
                   MsgIcon::Critical);
}

MessageRequest fileAlreadyOpen() {
    return request(QStringLiteral("File already open"),
                   QStringLiteral("The file you are trying to open is already open."),
                   MsgIcon::Exclamation);
}

MessageRequest bddChosen() {
    return request(
        QStringLiteral("BDD files can not be opened."),
        QStringLiteral("You are attempting to open a .BDD file.  BDD files can not be read by the "
                       "Sentrel Editor (only the Sentrel component can read these files). "
                       "Instead you should open the .BDF file associated with the BDD file you "
                       "want to view/change.  For example, maindefs.bdf instead of maindefs.bdd. "
                       "See the Sentrel Help file for more information."),
        MsgIcon::Exclamation);
}

MessageRequest exportQuestion() {
    return request(
        QStringLiteral("Export BDF to BDD?"),
        QStringLiteral("There is no BDD file associated with this BDF.  Without a BDD file these "
                       "browser definitions are not available to the Sentrel component.") +
            kBreak + kBreak +
            QStringLiteral("I can automatically create this BDD for you.  Would you like me to "
                           "do so now?"),
        MsgIcon::Question, MsgButtons::YesNo);
}

MessageRequest noMergeFile(const QString& mergePath) {
    return request(
        QStringLiteral("No merge file found"),
        lines({QStringLiteral("The merge file ") + mergePath + QStringLiteral(" for the opened"),
               QStringLiteral("definition file can not be located. Would you like to create a new"),
               QStringLiteral("merge file for it?"), QString(),
               QStringLiteral("Note: You should choose No if you have an existing merge file"),
               QStringLiteral("and want to make sure that previous customizations to the open BDF"),
               QStringLiteral("can be merged with Norvane's definition file at a later time.")}),
        MsgIcon::Exclamation, MsgButtons::YesNo, 2);
}

MessageRequest closingBdf() {
    return request(
        QStringLiteral("Closing BDF"),
        lines({QStringLiteral("Please please a copy of the existing merge file for"),
               QStringLiteral("this BDF into the same directory where this BDF resides. This "
                              "file should be"),
               QStringLiteral("named the same as the BDF, except with a .mrg extension."),
               QStringLiteral("The opened BDF will now be closed.  Please re-open it"),
               QStringLiteral("when you have copied this merge file as directed.")}),
        MsgIcon::Information);
}

MessageRequest mergeFileError(const AppError& error, const QString& mergePath) {
    return request(QStringLiteral("Error opening/creating merge file"),
                   lines({QStringLiteral("Error #") + QString::number(error.number()) +
                              QStringLiteral(" attempting to open or create the"),
                          QStringLiteral("merge file ") + mergePath + QStringLiteral("."),
                          error.description(), QStringLiteral("The open BDF will now be closed.")}),
                   MsgIcon::Critical);
}

MessageRequest tempMergeFileError(const AppError& error) {
    return request(QStringLiteral("Error creating temp merge file"),
                   lines({QStringLiteral("Error #") + QString::number(error.number()) +
                              QStringLiteral(" attempting to create temp merge file."),
                          error.description(), QStringLiteral("The open BDF will now be closed.")}),
                   MsgIcon::Critical);
}

MessageRequest templateMissing(const QString& baseDirectory) {
    return request(
        QStringLiteral("Error Creating New File"),
        lines({QStringLiteral("Error: Can not find default definition file template."),
               QStringLiteral("This file is called intmpl.bdf, and is expect in the folder"),
               QStringLiteral("where you installed this application. This"),
               QStringLiteral("default location is \"") + baseDirectory + QStringLiteral("\".")}),
        MsgIcon::Critical);
}

MessageRequest fileMissing() {
    return request(QStringLiteral("Error Opening File"),
                   QStringLiteral("Can not find the file you have chosen to open."),
                   MsgIcon::Exclamation);
}

MessageRequest openError(const QString& path, const AppError& error) {
    return request(
        QStringLiteral("Error Opening File"),
        lines({QStringLiteral("Error: Could not open ") + path + QStringLiteral(".  This error"),
               QStringLiteral("can occur for any of the following reasons:"),
               QStringLiteral(" - the file does not exist or is corrupt"),
               QStringLiteral(" - the file is locked by another process"),
               QStringLiteral(" - you are low or out of disk space"),
               QStringLiteral(" - Sentrel is not properly installed"), QString(),
               QStringLiteral("Error #") + numberAndDescription(error)}),
        MsgIcon::Critical);
}

MessageRequest upgradeFailed() {
    return request(QStringLiteral("BDF structure updated failed"),
                   QStringLiteral("Unable to update internal structure of BDF"),
                   MsgIcon::Exclamation);
}

MessageRequest readError(const QString& path, const AppError& error, const QString& lastEntry) {
    QString text =
        lines({QStringLiteral("Error reading BDF ") + path,
               QStringLiteral("If this error is occuring when attempting to open"),
               QStringLiteral("alls BDFs, then this indicates an internal problem"),
               QStringLiteral("with Sentrel's system DLLs or a bad installation. "), QString(),
               QStringLiteral("If this error is occuring just when attempting to"),
               QStringLiteral("open this BDF in particular, this indicates that this"),
               QStringLiteral("BDF is corrupt.  Use of this BDF in a web script will "
                              "cause"),
               QStringLiteral("the script to fail.  Please zip up this BDF file and"),
               QStringLiteral("email it to ") + product::kSupportEmail +
                   QStringLiteral(", along with an"),
               QStringLiteral("explanation of any customizations you have recently"),
               QStringLiteral("made to it."), QString(),
               QStringLiteral("Err # ") + numberAndDescription(error)}) +
        kBreak;
    if (!lastEntry.isEmpty()) text += QStringLiteral("Last entry: ") + lastEntry + kBreak;
    return request(QStringLiteral("Error reading BDF"), text, MsgIcon::Critical);
}

MessageRequest saveChanges() {
    return request(QStringLiteral("Save Changes?"),
                   QStringLiteral("Do you wish to save the changes you have made?"),
                   MsgIcon::Exclamation, MsgButtons::YesNoCancel);
}

MessageRequest saveError() {
    return request(
        QStringLiteral("Error Saving File"),
        lines({QStringLiteral("Error: Unable to save browser definition file. This error"),
               QStringLiteral("likely means that your disk is full.  It could also mean that "
                              "another"),
               QStringLiteral("process has the file open or there has been an error while "
                              "attempting to write"),
               QStringLiteral("to your disk drive. Try saving the file under a different"),
               QStringLiteral("file name using File->Save As to see if that helps.")}),
        MsgIcon::Critical);
}

MessageRequest saveAsError() {
    return request(
        QStringLiteral("Error Saving File"),
        lines({QStringLiteral("Error: Unable to save browser definition file. This error"),
               QStringLiteral("likely means that another process has the file open"),
               QStringLiteral("or there has been an error while attempting to write"),
               QStringLiteral("to your disk drive.")}),
        MsgIcon::Critical);
}

MessageRequest mergeRecordsKept(const AppError& error, const QString& pendingFile,
                                const QString& mergeFile) {
    return mergeSaveErrorKept(
        error, QStringLiteral("The merge records are kept in ") + quoted(pendingFile) +
                   QStringLiteral(". They will be added to the merge file ") + quoted(mergeFile) +
                   QStringLiteral(" the next time its definition file is "
                                  "saved."));
}

MessageRequest mergeRecordsInJournal(const AppError& error, const QString& journalFile) {
    return mergeSaveErrorKept(
        error, QStringLiteral("The merge records could not be kept elsewhere either: they stay "
                              "in the temporary merge file ") +
                   quoted(journalFile) +
                   QStringLiteral(". Sentrel tries again to store them each time you save, "
                                  "close or open a definition file."));
}

MessageRequest strandedRecordsKept(const QString& pendingFile, const QString& mergeFile) {
    return request(QStringLiteral("Merge records kept"),
                   QStringLiteral("The merge records that could not be added to the merge file ") +
                       quoted(mergeFile) + QStringLiteral(" are now kept in ") +
                       quoted(pendingFile) +
                       QStringLiteral(". They will be added to that merge file the next time its "
                                      "definition file is saved."),
                   MsgIcon::Information);
}

MessageRequest leftoverRecordsKept(const QString& pendingFile) {
    return request(QStringLiteral("Merge records kept"),
                   QStringLiteral("The temporary merge file held merge records left by an "
                                  "earlier session. They are kept in ") +
                       quoted(pendingFile) +
                       QStringLiteral("; Sentrel can not tell which merge file they belong to."),
                   MsgIcon::Information);
}

MessageRequest saveChangesRequired() {
    return request(QStringLiteral("Save Changes Required"),
                   lines({QStringLiteral("Please save the changes you have made to"),
                          QStringLiteral("this file before performing this operation.")}),
                   MsgIcon::Exclamation);
}

MessageRequest compactCompleted() {
    return request(QStringLiteral("Compact completed"),
                   QStringLiteral("Definition file successfully compacted."), MsgIcon::Information);
}

MessageRequest compactError(const AppError& error) {
    return request(
        QStringLiteral("Error Compacting File"),
        lines({QStringLiteral("Error #") + QString::number(error.number()) +
                   QStringLiteral(" attempting to compact the definition file."),
               error.description(), QStringLiteral("The definition file on disk is unchanged.")}),
        MsgIcon::Critical);
}

}  // namespace sentrel::lifecycle::messages
