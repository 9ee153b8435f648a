#include "codegen/CodeCutPaste.h"

#include <QStringList>

#include "codegen/CodeCutPasteMessages.h"
#include "codegen/CodeGenerator.h"
#include "codegen/GeneralDate.h"
#include "document/FileAccess.h"
#include "shell/AppError.h"
#include "shell/Interaction.h"

namespace sentrel::codegen {

namespace {

const QStringList kInitialCode = {
    QStringLiteral("   ** After filling out the fields below and picking your language, the "
                   "generated code will appear in this window."),
    QStringLiteral("   You can then elect to copy the generated code to the clipboard or save it "
                   "to a file using the buttons at the"),
    QStringLiteral("   bottom of the form. See the instructions in this form for more "
                   "information. **"),
};

const QString kLineEnd = QStringLiteral("\r\n");

}  // namespace

CodeCutPaste::CodeCutPaste(Interaction& interaction, QString propertiesToLog, QString srwsLocation,
                           ExtendedPropertyTest isExtended)
    : interaction_(interaction),
      isExtended_(std::move(isExtended)),
      code_(kInitialCode.join(kLineEnd)),
      dateText_(&currentGeneralDate) {
    inputs_.propertiesToLog = std::move(propertiesToLog);
    inputs_.srwsLocation = std::move(srwsLocation);
    inputs_.title = QStringLiteral("Please wait...");
    inputs_.message = QStringLiteral("Please wait while your browser is checked...");
    inputs_.colour = QStringLiteral("#FFFFFF");
}

void CodeCutPaste::activate() {
    inputs_.extList = generateExtPropList(inputs_.propertiesToLog, isExtended_);
}

void CodeCutPaste::chooseLanguage(CodeLanguage language) {
    language_ = language;
    generate();
}

void CodeCutPaste::fieldLeft() {
    if (language_) generate();
}

void CodeCutPaste::generate() {
    inputs_.date = dateText_();
    code_ = generateCode(*language_, inputs_);
}

bool CodeCutPaste::requireLanguage() {
    if (!languageChosen()) interaction_.message(warnNoLangChoiceMade());
    return languageChosen();
}

void CodeCutPaste::copyCode() {
    if (requireLanguage() && copy_) copy_(code_);
}

void CodeCutPaste::saveCode() {
    if (!requireLanguage()) return;
    const std::optional<QString> fileName = interaction_.chooseSaveFile(saveCodeChooser());
    if (fileName && !fileName->isEmpty()) writeCodeFile(*fileName);
}

void CodeCutPaste::writeCodeFile(const QString& fileName) {
    try {
        doc::file_access::writeAll(fileName, (code_ + kLineEnd).toUtf8());
    } catch (const AppError& error) {
        interaction_.message(saveCodeFailed(fileName, error));
    }
}

}  // namespace sentrel::codegen
