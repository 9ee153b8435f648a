#include <gtest/gtest.h>

#include <QFile>

#include "codegen/CodeCutPaste.h"
#include "shell/ScriptedInteraction.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

namespace sentrel::codegen {
namespace {

const MessageRequest kChooseLanguageFirst{
    QStringLiteral("Please choose your language first"),
    QStringLiteral(
        "You must first click on one of the language choices on this form to generate the code."),
    MsgIcon::Exclamation, MsgButtons::OK, 1};

class CodeCutPasteTest : public ::testing::Test {
  protected:
    CodeCutPasteTest() {
        form.setDateText([] { return QStringLiteral("6 Dec 2026 23:34"); });
        form.setClipboard([this](const QString& text) { clipboard.append(text); });
        form.activate();
    }

    FileRequest expectedChooser() const {
        FileRequest request;
        request.title = QStringLiteral("Save File As");
        request.filters = {QStringLiteral(
            "Source code (*.asp, *.aspx, *.cfm, *.jsp, *.java) (*.asp *.aspx *.cfm *.jsp *.java)")};
        request.overwritePrompt = true;
        return request;
    }

    ScriptedInteraction ui;
    CodeCutPaste form{ui, QStringLiteral("Browser,Width,Country"),
                      QStringLiteral("http://srv/reports/"), &isExtProperty};
    QStringList clipboard;
    test::TempDir dir;
};

TEST_F(CodeCutPasteTest, StartsWithTheInstructionsInTheCodeWindow) {
    EXPECT_EQ(form.code(),
              "   ** After filling out the fields below and picking your language, the generated "
              "code will appear in this window.\r\n"
              "   You can then elect to copy the generated code to the clipboard or save it to a "
              "file using the buttons at the\r\n"
              "   bottom of the form. See the instructions in this form for more information. **");
    EXPECT_EQ(form.extList(), "Width");
    EXPECT_FALSE(form.languageChosen());
}

// Before a language is chosen copy and save only tell the user to choose one.
TEST_F(CodeCutPasteTest, CopyAndSaveBeforeALanguageOnlyWarn) {
    const QString before = form.code();
    form.copyCode();
    form.saveCode();
    form.fieldLeft();
    EXPECT_EQ(ui.messages(), QList<MessageRequest>({kChooseLanguageFirst, kChooseLanguageFirst}));
    EXPECT_EQ(ui.events().size(), 2);  // no file chooser
    EXPECT_TRUE(clipboard.isEmpty());
    EXPECT_EQ(form.code(), before);
}

// Leaving a text box writes the chosen language's code again with the box's new text.
TEST_F(CodeCutPasteTest, LeavingAFieldRegeneratesWithItsText) {
    form.chooseLanguage(CodeLanguage::ClassicASP);
    form.setTitle(QString());
    form.setColour(QStringLiteral("#000000"));
    EXPECT_TRUE(form.code().contains(
        R"( snObj.GetExtPropertiesEx 0, "#FFFFFF", "Please wait...", "Please wait)"));
    form.fieldLeft();
    EXPECT_TRUE(form.code().contains(
        " snObj.GetExtPropertiesEx 0, \"#000000\", \"\", \"Please wait while your browser is "
        "checked...\"\r\n"));

    form.chooseLanguage(CodeLanguage::CFMX);
    EXPECT_TRUE(form.code().contains("  options.setBodyTag(\"##000000\");\r\n"));
    form.copyCode();
    EXPECT_EQ(clipboard, QStringList{form.code()});
    EXPECT_TRUE(ui.events().isEmpty());
}

// The file gets the code window's text and one more CR LF, in UTF-8, replacing what was there.
TEST_F(CodeCutPasteTest, SaveWritesTheCodeAsUtf8WithCrLf) {
    form.setTitle(QStringLiteral("Bitte warten…"));
    form.chooseLanguage(CodeLanguage::JSP);
    const QString target = dir.write(QStringLiteral("page.jsp"), "old content");
    ui.answerFile(target);
    form.saveCode();
    ASSERT_EQ(ui.events().size(), 1);
    EXPECT_EQ(ui.events().front().kind, ScriptedInteraction::Event::Kind::SaveFile);
    const FileRequest& asked = ui.events().front().file;
    EXPECT_EQ(asked.title, expectedChooser().title);
    EXPECT_EQ(asked.fileName, QString());
    EXPECT_EQ(asked.filters, expectedChooser().filters);
    EXPECT_TRUE(asked.overwritePrompt);
    const QByteArray saved = test::TempDir::read(target);
    EXPECT_EQ(saved, (form.code() + QStringLiteral("\r\n")).toUtf8());
    EXPECT_TRUE(saved.contains("options.setPageTitle(\"Bitte warten\xE2\x80\xA6\");\r\n"));
    EXPECT_TRUE(saved.endsWith("%>\r\n</BODY></HTML>\r\n\r\n"));
}

TEST_F(CodeCutPasteTest, CancelledSaveWritesNothing) {
    form.chooseLanguage(CodeLanguage::Servlets);
    ui.answerFile(std::nullopt);
    form.saveCode();
    EXPECT_TRUE(ui.messages().isEmpty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

// A failed save names the file and the error; the dialog's code and any previous file stay.
TEST_F(CodeCutPasteTest, SaveFailuresAreReportedAndLoseNothing) {
    form.chooseLanguage(CodeLanguage::VBNet);
    const QString missing = dir.file(QStringLiteral("gone/page.aspx"));
    ui.answerFile(missing);
    form.saveCode();
    const QString previous = dir.write(QStringLiteral("page.aspx"), "previous page");
    ui.answerFile(previous);
    {
        test::FileSizeLimit limit(100);
        form.saveCode();
    }
    const QList<MessageRequest> expected = {
        {QStringLiteral("Sentrel"),
         QStringLiteral("The following error occurred while trying to save the generated script "
                        "to file %1 - Error #: 76 Description: The folder \"%2\" does not exist.")
             .arg(missing, dir.file(QStringLiteral("gone"))),
         MsgIcon::None, MsgButtons::OK, 1},
        {QStringLiteral("Sentrel"),
         QStringLiteral("The following error occurred while trying to save the generated script "
                        "to file %1 - Error #: 61 Description: Could not save \"%1\": the disk is "
                        "full. The previous file is unchanged.")
             .arg(previous),
         MsgIcon::None, MsgButtons::OK, 1},
    };
    EXPECT_EQ(ui.messages(), expected);
    EXPECT_EQ(test::TempDir::read(previous), "previous page");
    EXPECT_TRUE(form.code().contains("Generated language: ASP.NET (VB.NET)"));
}

}  // namespace
}  // namespace sentrel::codegen
