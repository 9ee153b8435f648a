#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "LifecycleFixture.h"

namespace sentrel::test {
namespace {

class SaveTest : public LifecycleTest {
  protected:
    int savedMinor(const QString& file) {
        return doc::internals::BDFMinorver(*doc::Document::load(file));
    }
};

const QByteArray kRecord = "8,\"ie6\",\"i__icon\",\"%1\",\"\",\"2026-12-06T10:00:00\"\r\n";

QByteArray record(const char* value) {
    return QByteArray(kRecord).replace("%1", value);
}

TEST_F(SaveTest, SaveWritesTheFileTheMergeRecordsAndTheBdd) {
    const QString file = openNew(QStringLiteral("s.bdf"));
    dir.write(QStringLiteral("s.mrg"), record("old"));
    edit(QStringLiteral("new"));
    const QDateTime stamp(QDate(2026, 12, 6), QTime(11, 30));
    life.services().now = [stamp] { return stamp; };
    EXPECT_TRUE(life.SaveFile());
    EXPECT_TRUE(ui.messages().isEmpty());
    auto saved = doc::Document::load(file);
    EXPECT_EQ(saved->PathValue(QStringLiteral("ie6.i__icon")), QStringLiteral("new"));
    EXPECT_EQ(doc::internals::BDFLastUpdate(*saved), stamp);
    EXPECT_EQ(read(QStringLiteral("s.mrg")), record("old") + record("new"));
    EXPECT_EQ(exported, QStringList{path(QStringLiteral("s.bdd"))});
    EXPECT_FALSE(state.unsavedChanges || state.bddOutOfDate);
    EXPECT_FALSE(view.commands[QStringLiteral("miFileSave")]);
}

TEST_F(SaveTest, SaveAsCarriesTheOldMergeFileAndTheUnsavedRecords) {
    const QString file = openNew(QStringLiteral("old.bdf"));
    dir.write(QStringLiteral("old.mrg"), record("saved before"));
    edit(QStringLiteral("unsaved"));
    const QString target = path(QStringLiteral("New.bdf"));
    ui.answerFile(target);
    EXPECT_TRUE(life.SaveFileAs());
    EXPECT_EQ(read(QStringLiteral("New.mrg")), record("saved before") + record("unsaved"));
    EXPECT_EQ(read(QStringLiteral("old.mrg")), record("saved before"));
    EXPECT_EQ(doc::Document::load(file)->PathValue(QStringLiteral("ie6.i__icon")), QString());
    EXPECT_EQ(state.currentFile, target);
    EXPECT_EQ(view.title, QStringLiteral(" Sentrel - ") + target);
    EXPECT_TRUE(view.title.endsWith(QStringLiteral("/New.bdf")));
    EXPECT_EQ(view.recent.first(), QStringLiteral("&1 ") + target);
    EXPECT_EQ(exported, QStringList{path(QStringLiteral("New.bdd"))});
    EXPECT_FALSE(state.unsavedChanges);
}

// The BDD beside a file is the export's: a name ending in "bdd" is refused with the open
// dialog's message, and nothing is written.
TEST_F(SaveTest, SaveAsRefusesABddName) {
    const QString file = openNew(QStringLiteral("v.bdf"));
    edit(QStringLiteral("unsaved"));
    ui.answerFile(path(QStringLiteral("copy.BDD")));
    EXPECT_FALSE(life.SaveFileAs());
    EXPECT_EQ(ui.messages(),
              QList<MessageRequest>(
                  {{"BDD files can not be opened.",
                    "You are attempting to open a .BDD file.  BDD files can not be read by the "
                    "Sentrel Editor (only the Sentrel component can read these files). Instead "
                    "you should open the .BDF file associated with the BDD file you want to "
                    "view/change.  For example, maindefs.bdf instead of maindefs.bdd. See the "
                    "Sentrel Help file for more information.",
                    MsgIcon::Exclamation}}));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("copy.BDD"))));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("copy.mrg"))));
    EXPECT_EQ(state.currentFile, file);
    EXPECT_TRUE(state.unsavedChanges);
    EXPECT_EQ(read(QStringLiteral("merge.tmp")), record("unsaved"));
}

TEST_F(SaveTest, TheMasterFileInAnyCaseIsSavedUnderANewName) {
    for (const char* name : {"norvane.bdf", "NORVANE.BDF", "NorVane.bdf"}) {
        openNew(QLatin1String(name));
        edit(QStringLiteral("x"));
        ui.clear();
        ui.answerFile(std::nullopt);
        EXPECT_FALSE(life.SaveFile());
        ASSERT_EQ(ui.events().size(), 1) << name;
        EXPECT_EQ(ui.events()[0].file.title, QStringLiteral("Save BDF As"));
        ui.answerMessage(MsgAnswer::No);
        life.CloseFile();
    }
}

TEST_F(SaveTest, MinorVersionRisesOnlyWithTheOption) {
    const QString file = makeBdf(QStringLiteral("v.bdf"));
    {
        auto document = doc::Document::load(file);
        doc::internals::setBDFMinorver(*document, 9);
        document->save();
    }
    dir.write(QStringLiteral("v.mrg"), {});
    dir.write(QStringLiteral("v.bdd"), {});
    life.OpenFile(file);
    EXPECT_EQ(options.version.minorText(), QStringLiteral("09"));
    options.verIncrement = true;
    edit(QStringLiteral("a"));
    life.SaveFile();
    EXPECT_EQ(savedMinor(file), 10);
    EXPECT_EQ(options.version.minorText(), QStringLiteral("10"));
    EXPECT_EQ(view.status[QStringLiteral("Version")], QStringLiteral(" BDF Version: 1.10  "));

    options.verIncrement = false;
    edit(QStringLiteral("b"));
    life.SaveFile();
    EXPECT_EQ(savedMinor(file), 10);
}

// A save that fails leaves everything as it was before the save: the marks, Save enabled,
// the records in the temporary merge file, the merge file, the BDD and the version.
TEST_F(SaveTest, AFailedSaveKeepsTheMarksAndTheRecords) {
    const QString file = openNew(QStringLiteral("d.bdf"));
    options.verIncrement = true;
    edit(QStringLiteral("lost?"));
    life.services().save = [](doc::Document&, const QString&) {
        throw AppError(AppError::kDiskFull, QStringLiteral("the disk is full"));
    };
    EXPECT_FALSE(life.SaveFile());
    ASSERT_EQ(titles(), QStringList{QStringLiteral("Error Saving File")});
    EXPECT_EQ(ui.messages()[0].text,
              QStringLiteral("Error: Unable to save browser definition file. This error\r\n"
                             "likely means that your disk is full.  It could also mean that "
                             "another\r\nprocess has the file open or there has been an error "
                             "while attempting to write\r\nto your disk drive. Try saving the file "
                             "under a different\r\nfile name using File->Save As to see if that "
                             "helps."));
    EXPECT_TRUE(state.unsavedChanges && state.bddOutOfDate);
    EXPECT_TRUE(view.commands[QStringLiteral("miFileSave")]);
    EXPECT_EQ(read(QStringLiteral("merge.tmp")), record("lost?"));
    EXPECT_EQ(read(QStringLiteral("d.mrg")), QByteArray());
    EXPECT_TRUE(exported.isEmpty());
    EXPECT_EQ(options.version.minorText(), QStringLiteral("00"));
    EXPECT_FALSE(view.busy);

    // A real failure: Save As into a folder that does not exist.
    life.services().save = [](doc::Document& d, const QString& p) { d.save(p); };
    ui.clear();
    ui.answerFile(path(QStringLiteral("no/such/folder/e.bdf")));
    EXPECT_FALSE(life.SaveFileAs());
    ASSERT_EQ(titles(), QStringList{QStringLiteral("Error Saving File")});
    EXPECT_TRUE(ui.messages()[0].text.startsWith(
        QStringLiteral("Error: Unable to save browser definition file. This error\r\nlikely "
                       "means that another process has the file open\r\n")));
    EXPECT_EQ(state.currentFile, file);
    EXPECT_TRUE(state.unsavedChanges);
    EXPECT_TRUE(state.document()->isLocked());
}

// A compaction that fails part-way leaves the file on disk as it was and the document bound.
TEST_F(SaveTest, AFailedCompactionKeepsTheFile) {
    const QString file = openNew(QStringLiteral("k.bdf"));
    const QByteArray before = read(QStringLiteral("k.bdf"));
    life.services().save = [file](doc::Document& d, const QString& p) {
        if (p == file) throw AppError(AppError::kDiskFull, QStringLiteral("the disk is full"));
        d.save(p);
    };
    life.CompactFile();
    ASSERT_EQ(titles(), QStringList{QStringLiteral("Error Compacting File")});
    EXPECT_EQ(read(QStringLiteral("k.bdf")), before);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("tmp.k.bdf.dtx"))));
    ASSERT_TRUE(state.hasDocument());
    EXPECT_EQ(state.document()->filePath(), file);
    EXPECT_TRUE(state.document()->isLocked());
    EXPECT_EQ(state.deletedTypes, QStringList{QStringLiteral("oldie")});
}

TEST_F(SaveTest, CompactRefusesUnsavedChangesAndDropsDeletedTypes) {
    const QString file = openNew(QStringLiteral("k.bdf"));
    edit(QStringLiteral("x"));
    life.CompactFile();
    ASSERT_EQ(titles(), QStringList{QStringLiteral("Save Changes Required")});
    EXPECT_EQ(ui.messages()[0].text, QStringLiteral("Please save the changes you have made to\r\n"
                                                    "this file before performing this operation."));
    EXPECT_TRUE(doc::Document::load(file)->hasType(QStringLiteral("oldie")));

    life.SaveFile();
    ui.clear();
    life.CompactFile();
    ASSERT_EQ(titles(), QStringList{QStringLiteral("Compact completed")});
    EXPECT_EQ(ui.messages()[0].text, QStringLiteral("Definition file successfully compacted."));
    EXPECT_FALSE(doc::Document::load(file)->hasType(QStringLiteral("oldie")));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("tmp.k.bdf.dtx"))));
    ASSERT_TRUE(state.hasDocument());
    EXPECT_EQ(state.document()->filePath(), file);
    EXPECT_TRUE(state.document()->isLocked());
}

}  // namespace
}  // namespace sentrel::test
