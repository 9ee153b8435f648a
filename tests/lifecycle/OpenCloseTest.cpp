#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "LifecycleFixture.h"

namespace sentrel::test {
namespace {

class OpenCloseTest : public LifecycleTest {};

TEST_F(OpenCloseTest, RefusesMissingBddAndAlreadyOpenFiles) {
    const QString missing = path(QStringLiteral("gone.bdf"));
    life.recentFiles().manageLRU(missing, QStringLiteral("ADD"));
    life.OpenFile(missing);
    ASSERT_EQ(ui.messages().size(), 1);
    EXPECT_EQ(ui.messages()[0].title, QStringLiteral("Error Opening File"));
    EXPECT_EQ(ui.messages()[0].text,
              QStringLiteral("Can not find the file you have chosen to open."));
    EXPECT_TRUE(view.recent.isEmpty());
    EXPECT_FALSE(state.hasDocument());

    ui.clear();
    life.OpenFile(path(QStringLiteral("defs.BDD")));
    ASSERT_EQ(titles(), QStringList{QStringLiteral("BDD files can not be opened.")});
    EXPECT_TRUE(ui.messages()[0].text.endsWith(
        QStringLiteral("(only the Sentrel component can read these files). Instead you should "
                       "open the .BDF file associated with the BDD file you want to view/change."
                       "  For example, maindefs.bdf instead of maindefs.bdd. See the Sentrel "
                       "Help file for more information.")));

    ui.clear();
    const QString file = openNew(QStringLiteral("a.bdf"));
    life.OpenFile(file);
    ASSERT_EQ(ui.messages().size(), 1);
    EXPECT_EQ(ui.messages()[0].title, QStringLiteral("File already open"));
    EXPECT_EQ(ui.messages()[0].text,
              QStringLiteral("The file you are trying to open is already open."));
    EXPECT_TRUE(state.hasDocument());
}

// When an open ends without a new file after the previous one was closed for it, the
// previous one is open again as it stands on disk.
TEST_F(OpenCloseTest, AnOpenThatLoadsNothingReopensThePreviousFile) {
    const QString file = openNew(QStringLiteral("a.bdf"));
    edit(QStringLiteral("unsaved"));
    ui.answerMessage(MsgAnswer::No);  // Save Changes?
    ui.answerFile(std::nullopt);
    life.OpenFile(QString());
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{saveChangesQuestion()});
    ASSERT_TRUE(state.hasDocument());
    EXPECT_EQ(state.currentFile, file);
    EXPECT_EQ(state.document()->Path(QStringLiteral("ie6")).Path(QStringLiteral("i__icon")),
              QString());
    EXPECT_FALSE(state.unsavedChanges);
    EXPECT_TRUE(state.journal().isOpen());
    EXPECT_EQ(read(QStringLiteral("merge.tmp")), QByteArray());

    ui.clear();
    ui.answerFile(file);  // the same file chosen in the dialog
    life.OpenFile(QString());
    EXPECT_EQ(titles(), QStringList{QStringLiteral("File already open")});
    EXPECT_TRUE(state.hasDocument() && state.journal().isOpen());
    EXPECT_EQ(view.title, QStringLiteral(" Sentrel  - ") + file);

    // A new file saved under a name on the way is what comes back.
    life.NewFile();
    state.document()->DefaultBrowser().SetParamDefValue(QStringLiteral("i__icon"), "new");
    life.markModified();
    ui.answerMessage(MsgAnswer::Yes);  // Save Changes?
    ui.answerFile(path(QStringLiteral("named.bdf")));
    ui.answerFile(std::nullopt);  // the open dialog
    life.OpenFile(QString());
    EXPECT_EQ(state.currentFile, path(QStringLiteral("named.bdf")));
    EXPECT_EQ(state.document()->PathValue(QStringLiteral("DefaultBrowser.i__icon")), "new");
}

TEST_F(OpenCloseTest, DamagedFilesAndFailingViewsAreReportedAndLeaveNothingOpen) {
    const QString bad = dir.write(QStringLiteral("bad.bdf"), "not a definitions file\n");
    life.OpenFile(bad);
    ASSERT_EQ(ui.messages().size(), 1);
    const MessageRequest& message = ui.messages()[0];
    EXPECT_EQ(message.title, QStringLiteral("Error Opening File"));
    EXPECT_EQ(message.icon, MsgIcon::Critical);
    EXPECT_TRUE(message.text.startsWith(
        QStringLiteral("Error: Could not open ") + bad +
        QStringLiteral(".  This error\r\ncan occur for any of the following reasons:\r\n - the "
                       "file does not exist or is corrupt\r\n - the file is locked by another "
                       "process\r\n - you are low or out of disk space\r\n - Sentrel is not "
                       "properly installed\r\n\r\nError #1051, ")));
    EXPECT_EQ(view.title, QStringLiteral(" Sentrel"));

    ui.clear();
    view.failAfter = QStringLiteral("ie6");
    life.OpenFile(makeBdf(QStringLiteral("views.bdf")));
    ASSERT_EQ(titles(), QStringList{QStringLiteral("Error reading BDF")});
    EXPECT_TRUE(ui.messages()[0].text.startsWith(QStringLiteral("Error reading BDF ") +
                                                 path(QStringLiteral("views.bdf")) + "\r\n"));
    EXPECT_TRUE(ui.messages()[0].text.endsWith(
        QStringLiteral("made to it.\r\n\r\nErr # 13, Type mismatch\r\nLast entry: ie6\r\n")));
    EXPECT_FALSE(state.hasDocument());
    EXPECT_FALSE(view.menuState);
}

TEST_F(OpenCloseTest, MissingMergeFileQuestionWithBothAnswers) {
    const QString file = makeBdf(QStringLiteral("m.bdf"));
    dir.write(QStringLiteral("m.bdd"), {});
    ui.answerMessage(MsgAnswer::No);
    life.OpenFile(file);
    ASSERT_EQ(titles(),
              (QStringList{QStringLiteral("No merge file found"), QStringLiteral("Closing BDF")}));
    EXPECT_EQ(ui.messages()[0], noMergeFileQuestion(path(QStringLiteral("m.mrg"))));
    EXPECT_TRUE(ui.messages()[1].text.startsWith(
        QStringLiteral("Please please a copy of the existing merge file for\r\n")));
    EXPECT_FALSE(state.hasDocument());
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("m.mrg"))));

    ui.clear();
    ui.answerMessage(MsgAnswer::Yes);
    life.OpenFile(file);
    EXPECT_EQ(ui.messages(),
              QList<MessageRequest>{noMergeFileQuestion(path(QStringLiteral("m.mrg")))});
    EXPECT_TRUE(state.hasDocument());
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("m.mrg"))));
}

TEST_F(OpenCloseTest, MasterFileByPathIsNotAskedAboutButChosenInTheDialogIs) {
    const QString master = makeBdf(QStringLiteral("Norvane.BDF"));
    dir.write(QStringLiteral("Norvane.bdd"), {});
    life.OpenFile(master);
    EXPECT_TRUE(ui.messages().isEmpty());
    life.CloseFile();
    QFile::remove(path(QStringLiteral("Norvane.mrg")));
    ui.answerFile(master);
    ui.answerMessage(MsgAnswer::Yes);
    life.OpenFile(QString());
    EXPECT_EQ(ui.messages(),
              QList<MessageRequest>{noMergeFileQuestion(path(QStringLiteral("Norvane.mrg")))});
}

TEST_F(OpenCloseTest, ExportQuestionForAFileWithoutBdd) {
    const QString file = makeBdf(QStringLiteral("x.bdf"));
    dir.write(QStringLiteral("x.mrg"), {});
    ui.answerMessage(MsgAnswer::No);
    life.OpenFile(file);
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{exportQuestion()});
    EXPECT_TRUE(exported.isEmpty());
    life.CloseFile();
    ui.answerMessage(MsgAnswer::Yes);
    life.OpenFile(file);
    EXPECT_EQ(exported, QStringList{path(QStringLiteral("x.bdd"))});
}

TEST_F(OpenCloseTest, CloseWithYesNoAndCancel) {
    const QString file = openNew(QStringLiteral("c.bdf"));
    edit(QStringLiteral("kept"));
    ui.answerMessage(MsgAnswer::Cancel);
    EXPECT_FALSE(life.CloseFile());
    EXPECT_EQ(ui.messages().last(), saveChangesQuestion());
    EXPECT_TRUE(state.hasDocument() && state.unsavedChanges && state.journal().isOpen());
    ui.answerMessage(MsgAnswer::Cancel);
    life.OpenFile(QString());  // Cancel keeps the file and shows no open dialog
    EXPECT_EQ(ui.events().last().kind, ScriptedInteraction::Event::Kind::Message);
    EXPECT_TRUE(state.unsavedChanges);

    ui.answerMessage(MsgAnswer::Yes);
    EXPECT_TRUE(life.CloseFile());
    EXPECT_FALSE(state.hasDocument());
    EXPECT_EQ(doc::Document::load(file)->PathValue(QStringLiteral("ie6.i__icon")),
              QStringLiteral("kept"));
    EXPECT_FALSE(QFileInfo::exists(journal()));
    EXPECT_FALSE(options.version.enabled());

    life.OpenFile(file);
    edit(QStringLiteral("dropped"));
    ui.answerMessage(MsgAnswer::No);
    EXPECT_TRUE(life.CloseFile());
    EXPECT_EQ(doc::Document::load(file)->PathValue(QStringLiteral("ie6.i__icon")),
              QStringLiteral("kept"));
    EXPECT_FALSE(state.unsavedChanges || state.bddOutOfDate);
}

// Yes to "Save Changes?" with a save that fails, or a Save As that is cancelled, keeps the
// file open with its changes.
TEST_F(OpenCloseTest, CloseWithYesAndAFailingSaveKeepsTheFileOpen) {
    openNew(QStringLiteral("f.bdf"));
    edit(QStringLiteral("precious"));
    life.services().save = [](doc::Document&, const QString&) {
        throw AppError(AppError::kDiskFull, QStringLiteral("the disk is full"));
    };
    ui.answerMessage(MsgAnswer::Yes);
    EXPECT_FALSE(life.CloseFile());
    EXPECT_EQ(ui.messages().first(), saveChangesQuestion());
    EXPECT_EQ(titles().last(), QStringLiteral("Error Saving File"));
    ASSERT_TRUE(state.hasDocument());
    EXPECT_TRUE(state.unsavedChanges && state.bddOutOfDate);
    EXPECT_EQ(state.document()->PathValue(QStringLiteral("ie6.i__icon")),
              QStringLiteral("precious"));
    EXPECT_FALSE(read(QStringLiteral("merge.tmp")).isEmpty());
}

// A relative path (the command line, an option) is the file in the current folder: the
// title, the merge file and both recent lists get the absolute path.
TEST_F(OpenCloseTest, ARelativePathIsMadeAbsolute) {
    const QString file = makeBdf(QStringLiteral("Rel.bdf"));
    dir.write(QStringLiteral("Rel.mrg"), {});
    dir.write(QStringLiteral("Rel.bdd"), {});
    const QString before = QDir::currentPath();
    QDir(dir.path()).mkdir(QStringLiteral("sub"));
    ASSERT_TRUE(QDir::setCurrent(path(QStringLiteral("sub"))));
    life.OpenFile(QStringLiteral("../Rel.bdf"));
    QDir::setCurrent(before);
    EXPECT_TRUE(ui.messages().isEmpty());
    EXPECT_EQ(state.currentFile, file);
    EXPECT_EQ(state.mergeFilePath, path(QStringLiteral("Rel.mrg")));
    // The title shows the path as it is on disk: the case of a name is part of it.
    EXPECT_EQ(view.title, " Sentrel  - " + file);
    EXPECT_TRUE(view.title.endsWith(QStringLiteral("/Rel.bdf")));
    EXPECT_EQ(internal->lru().bdfName.items(), QStringList{file});
    EXPECT_TRUE(read(QStringLiteral("recently-used.xbel")).contains("file://" + file.toUtf8()));
}

TEST_F(OpenCloseTest, NewFileFromTheTemplateAndAMissingTemplate) {
    ui.answerMessage(MsgAnswer::No);
    life.NewFile();
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{exportQuestion()});  // no merge question
    ASSERT_TRUE(state.hasDocument());
    EXPECT_EQ(view.title, QStringLiteral(" Sentrel  - New definition file"));
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("intmpl.mrg"))));
    EXPECT_TRUE(view.recent.isEmpty());
    EXPECT_EQ(internal->lru().bdfName.Count(), 0);

    ui.clear();
    ui.answerFile(std::nullopt);
    life.SaveFile();  // the first save of a new file asks for a name
    ASSERT_EQ(ui.events().size(), 1);
    EXPECT_EQ(ui.events()[0].kind, ScriptedInteraction::Event::Kind::SaveFile);

    life.CloseFile();
    QFile::remove(path(QStringLiteral("intmpl.bdf")));
    ui.clear();
    life.NewFile();
    ASSERT_EQ(titles(), QStringList{QStringLiteral("Error Creating New File")});
    EXPECT_EQ(ui.messages()[0].text,
              QStringLiteral("Error: Can not find default definition file template.\r\nThis file "
                             "is called intmpl.bdf, and is expect in the folder\r\nwhere you "
                             "installed this application. This\r\ndefault location is \"") +
                  dir.path() + QStringLiteral("\"."));
}

}  // namespace
}  // namespace sentrel::test
