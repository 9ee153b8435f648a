#include "codegen/CodeCutPasteMessages.h"

#include "shell/AppError.h"
#include "shell/Product.h"

namespace sentrel::codegen {

MessageRequest warnNoLangChoiceMade() {
    return MessageRequest{
        QStringLiteral("Please choose your language first"),
        QStringLiteral(
            "You must first click on one of the language choices on this form to generate the "
            "code."),
        MsgIcon::Exclamation, MsgButtons::OK};
}

MessageRequest saveCodeFailed(const QString& fileName, const AppError& error) {
    return MessageRequest{
        product::kName,
        QStringLiteral("The following error occurred while trying to save the generated script "
                       "to file %1 - Error #: %2 Description: %3")
            .arg(fileName, QString::number(error.number()), error.description()),
        MsgIcon::None, MsgButtons::OK};
}

FileRequest saveCodeChooser() {
    FileRequest request;
    request.title = QStringLiteral("Save File As");
    // The description as the user reads it, then the patterns the chooser filters by.
    request.filters = {QStringLiteral(
        "Source code (*.asp, *.aspx, *.cfm, *.jsp, *.java) (*.asp *.aspx *.cfm *.jsp *.java)")};
    request.overwritePrompt = true;
    return request;
}

}  // namespace sentrel::codegen
