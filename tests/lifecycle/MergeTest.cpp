#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <QRegularExpression>

#include "LifecycleFixture.h"
#include "editor/lifecycle/MergeRecord.h"
#include "editor/lifecycle/PendingMerge.h"

namespace sentrel::test {
namespace {

using lifecycle::MergeRecord;

class MergeTest : public LifecycleTest {};

// Sets or clears the append-only attribute of a file; false where the file system or the
// account does not allow it.
bool setAppendOnly(const QString& path, bool on) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0) return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? flags | FS_APPEND_FL : flags & ~FS_APPEND_FL;
    done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    ::close(fd);
    return done;
}

TEST(MergeRecordTest, LayoutOfTextAndFilterRecords) {
    EXPECT_EQ(MergeRecord({10, {"12345", "isMobile", "*Mobi*", "True|1|c", "2"}}).line(),
              QByteArray("10,12345,\"isMobile\",\"*Mobi*\",\"True|1|c\",\"2\"\r\n"));
    EXPECT_EQ(MergeRecord({12, {"077", "", "", "", ""}}).line(),
              QByteArray("12,77,\"\",\"\",\"\",\"\"\r\n"));
    EXPECT_EQ(MergeRecord({2, {"ie6", "", "The \"new\" IE", "", "2026-12-06T10:00:00"}}).line(),
              QByteArray("2,\"ie6\",\"\",\"The \"new\" IE\",\"\",\"2026-12-06T10:00:00\"\r\n"));
    EXPECT_EQ(MergeRecord({8, {"b", "p", QStringLiteral("Zürich"), "", ""}}).line(),
              QByteArray("8,\"b\",\"p\",\"Z\xc3\xbcrich\",\"\",\"\"\r\n"));
}

TEST_F(MergeTest, CloseWithoutSavingLeavesTheMergeFileAndDropsTheJournal) {
    openNew(QStringLiteral("a.bdf"));
    dir.write(QStringLiteral("a.mrg"), "1,\"x\",\"\",\"\",\"\",\"\"\r\n");
    edit(QStringLiteral("v"));
    ui.answerMessage(MsgAnswer::No);
    life.CloseFile();
    EXPECT_EQ(read(QStringLiteral("a.mrg")), QByteArray("1,\"x\",\"\",\"\",\"\",\"\"\r\n"));
    EXPECT_FALSE(QFileInfo::exists(journal()));
    EXPECT_THROW(life.WriteMergeRecord(3, "ie6", "", "", "", ""), AppError);
}

TEST_F(MergeTest, SaveAppendsExactlyTheRecordsMadeInOrder) {
    openNew(QStringLiteral("b.bdf"));
    edit(QStringLiteral("first"));
    life.WriteMergeRecord(2, "ie6", "", "Say \"hi\"", "", "2026-12-06T10:00:00");
    life.SaveFile();
    EXPECT_EQ(read(QStringLiteral("b.mrg")),
              QByteArray("8,\"ie6\",\"i__icon\",\"first\",\"\",\"2026-12-06T10:00:00\"\r\n"
                         "2,\"ie6\",\"\",\"Say \"hi\"\",\"\",\"2026-12-06T10:00:00\"\r\n"));
    EXPECT_EQ(read(QStringLiteral("merge.tmp")), QByteArray());
}

QByteArray record(const char* value) {
    return QByteArray("8,\"ie6\",\"i__icon\",\"") + value + "\",\"\",\"2026-12-06T10:00:00\"\r\n";
}

// The one pending file in base directory + "/pending-merge"; empty when there is none.
QString onlyPendingFile(const TempDir& dir) {
    const QStringList names =
        QDir(dir.file(QStringLiteral("pending-merge"))).entryList(QDir::Files);
    return names.size() == 1 ? dir.file(QStringLiteral("pending-merge/") + names[0]) : QString();
}

QByteArray pendingHeader(const QString& mergeFile) {
    return "# merge file: " + QFileInfo(mergeFile).canonicalFilePath().toUtf8() + "\r\n";
}

QString keptInPending(const QString& pendingFile, const QString& mergeFile) {
    return "\r\n\r\nThe merge records are kept in \"" + pendingFile +
           "\". They will be added to the merge file \"" + mergeFile +
           "\" the next time its definition file is saved.";
}

// Records that cannot reach their merge file (here a folder stands where it should be) wait
// in a pending file in the base directory, named for the merge file; the user is told once
// per failure where they are; opening other files leaves them alone, and the next save of
// their file that succeeds moves them in, in order.
TEST_F(MergeTest, RecordsThatCannotReachTheMergeFileWaitInAPendingFile) {
    const QString file = openNew(QStringLiteral("c.bdf"));
    const QString mergeFile = path(QStringLiteral("c.mrg"));
    edit(QStringLiteral("one"));
    QFile::remove(mergeFile);
    QDir(dir.path()).mkdir(QStringLiteral("c.mrg"));
    EXPECT_TRUE(life.SaveFile());  // the definition file itself is saved
    const QString pending = onlyPendingFile(dir);
    ASSERT_FALSE(pending.isEmpty());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^c\\.mrg-[0-9a-f]{16}\\.pending$"))
                    .match(QFileInfo(pending).fileName())
                    .hasMatch())
        << pending.toStdString();
    ASSERT_EQ(titles(), QStringList{QStringLiteral("Error during merge save")});
    EXPECT_EQ(ui.messages()[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(ui.messages()[0].text.startsWith(
        QStringLiteral("Error #75 occured while saving your merge data.\r\n")));
    EXPECT_TRUE(ui.messages()[0].text.endsWith(keptInPending(pending, mergeFile)));
    EXPECT_EQ(read(QStringLiteral("merge.tmp")), QByteArray());
    EXPECT_EQ(TempDir::read(pending), pendingHeader(mergeFile) + record("one"));

    // Close with Yes: the save fails again and says so once.
    edit(QStringLiteral("two"));
    ui.answerMessage(MsgAnswer::Yes);
    EXPECT_TRUE(life.CloseFile());
    EXPECT_EQ(titles(), (QStringList{QStringLiteral("Error during merge save"),
                                     QStringLiteral("Save Changes?"),
                                     QStringLiteral("Error during merge save")}));
    EXPECT_EQ(ui.messages()[1], saveChangesQuestion());
    EXPECT_TRUE(ui.messages()[2].text.endsWith(keptInPending(pending, mergeFile)));
    EXPECT_EQ(TempDir::read(pending), pendingHeader(mergeFile) + record("one") + record("two"));

    // Another file comes and goes; the records keep waiting.
    ui.clear();
    openNew(QStringLiteral("d.bdf"));
    life.CloseFile();
    EXPECT_TRUE(ui.messages().isEmpty());
    EXPECT_EQ(TempDir::read(pending), pendingHeader(mergeFile) + record("one") + record("two"));

    QDir(dir.path()).rmdir(QStringLiteral("c.mrg"));
    dir.write(QStringLiteral("c.mrg"), "1,\"x\",\"\",\"\",\"\",\"\"\r\n");
    life.OpenFile(file);
    edit(QStringLiteral("three"));
    EXPECT_TRUE(life.SaveFile());
    EXPECT_TRUE(ui.messages().isEmpty());
    EXPECT_EQ(read(QStringLiteral("c.mrg")),
              "1,\"x\",\"\",\"\",\"\",\"\"\r\n" + record("one") + record("two") + record("three"));
    EXPECT_FALSE(QFileInfo::exists(pending));
}

// A failure with no record to keep says so plainly and makes no pending file.
TEST_F(MergeTest, AFailureWithNoRecordsMakesNoPendingFile) {
    openNew(QStringLiteral("n.bdf"));
    life.markModified();  // a change that writes no record (the options' version fields)
    QFile::remove(path(QStringLiteral("n.mrg")));
    ASSERT_TRUE(QFile::link(path(QStringLiteral("gone/n.mrg")), path(QStringLiteral("n.mrg"))));
    EXPECT_TRUE(life.SaveFile());
    ASSERT_EQ(titles(), QStringList{QStringLiteral("Error during merge save")});
    EXPECT_TRUE(ui.messages()[0].text.startsWith(
        QStringLiteral("Error #75 occured while saving your merge data.\r\n")));
    EXPECT_FALSE(ui.messages()[0].text.contains(QStringLiteral("\r\n\r\n")));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("pending-merge"))));
}

// Same-named merge files in different folders wait in different pending files.
TEST_F(MergeTest, PendingFilesOfSameNamedMergeFilesDoNotMeet) {
    const lifecycle::PendingMerge pending(dir.path());
    QDir(dir.path()).mkpath(QStringLiteral("x/y"));
    const QString first = path(QStringLiteral("x/defs.mrg"));
    const QString second = path(QStringLiteral("x/y/defs.mrg"));
    EXPECT_NE(pending.pathFor(first), pending.pathFor(second));
    EXPECT_EQ(pending.pathFor(first), pending.pathFor(path(QStringLiteral("x/y/../defs.mrg"))));
    pending.keep(first, record("first"));
    pending.keep(second, record("second"));
    EXPECT_EQ(pending.recordsFor(first), record("first"));
    EXPECT_EQ(pending.recordsFor(second), record("second"));
}

// When neither the merge file nor the pending file can be written, the records stay in
// "merge.tmp", also past the close; the next open keeps them in the pending file before it
// empties "merge.tmp", or, when it cannot, leaves "merge.tmp" alone and opens nothing.
TEST_F(MergeTest, RecordsNoPlaceTakesStayInTheJournalUntilTheNextOpenKeepsThem) {
    openNew(QStringLiteral("e.bdf"));
    const QString mergeFile = path(QStringLiteral("e.mrg"));
    edit(QStringLiteral("one"));
    QFile::remove(mergeFile);
    QDir(dir.path()).mkdir(QStringLiteral("e.mrg"));
    dir.write(QStringLiteral("pending-merge"), "a file where the folder should be");
    EXPECT_TRUE(life.SaveFile());
    const QString stay = QStringLiteral(
                             "\r\n\r\nThe merge records could not be kept elsewhere either: they "
                             "stay in the temporary merge file \"") +
                         journal() +
                         "\". Sentrel tries again to store them each time you save, close or "
                         "open a definition file.";
    ASSERT_EQ(titles(), QStringList{QStringLiteral("Error during merge save")});
    EXPECT_TRUE(ui.messages()[0].text.endsWith(stay));
    EXPECT_EQ(read(QStringLiteral("merge.tmp")), record("one"));

    edit(QStringLiteral("two"));
    ui.clear();
    ui.answerMessage(MsgAnswer::No);  // the second edit is dropped, the saved one is not
    EXPECT_TRUE(life.CloseFile());
    ASSERT_EQ(titles(), (QStringList{QStringLiteral("Save Changes?"),
                                     QStringLiteral("Error during merge save")}));
    EXPECT_EQ(ui.messages()[0], saveChangesQuestion());
    EXPECT_TRUE(ui.messages()[1].text.endsWith(stay));
    EXPECT_EQ(read(QStringLiteral("merge.tmp")), record("one") + record("two"));

    ui.clear();
    const QString other = makeBdf(QStringLiteral("f.bdf"));
    dir.write(QStringLiteral("f.mrg"), {});
    dir.write(QStringLiteral("f.bdd"), {});
    life.OpenFile(other);
    ASSERT_EQ(titles(), QStringList{QStringLiteral("Error creating temp merge file")});
    EXPECT_TRUE(ui.messages()[0].text.endsWith(
        "The temporary merge file \"" + journal() +
        "\" holds merge records that could not be kept elsewhere; it is left as it "
        "is.\r\nThe open BDF will now be closed."));
    EXPECT_FALSE(state.hasDocument());
    EXPECT_EQ(read(QStringLiteral("merge.tmp")), record("one") + record("two"));

    ui.clear();
    QFile::remove(path(QStringLiteral("pending-merge")));
    life.OpenFile(other);
    const QString pending = onlyPendingFile(dir);
    EXPECT_EQ(ui.messages(),
              QList<MessageRequest>(
                  {{"Merge records kept",
                    "The merge records that could not be added to the merge file \"" + mergeFile +
                        "\" are now kept in \"" + pending +
                        "\". They will be added to that merge file the next time its definition "
                        "file is saved.",
                    MsgIcon::Information}}));
    EXPECT_EQ(TempDir::read(pending), pendingHeader(mergeFile) + record("one"));
    EXPECT_TRUE(state.hasDocument());
    EXPECT_EQ(read(QStringLiteral("merge.tmp")), QByteArray());
}

// Records an earlier session left in "merge.tmp" (a crash, or records that could be kept
// nowhere else) are not emptied away unseen: they are kept aside and the user is told.
TEST_F(MergeTest, ALeftoverJournalOfAnEarlierSessionIsKeptAside) {
    dir.write(QStringLiteral("merge.tmp"), record("earlier"));
    openNew(QStringLiteral("g.bdf"));
    const QString kept = onlyPendingFile(dir);
    EXPECT_TRUE(QFileInfo(kept).fileName().startsWith(QStringLiteral("unassigned-")));
    EXPECT_EQ(ui.messages(),
              QList<MessageRequest>({{"Merge records kept",
                                      "The temporary merge file held merge records left by an "
                                      "earlier session. They are kept in \"" +
                                          kept +
                                          "\"; Sentrel can not tell which merge file they "
                                          "belong to.",
                                      MsgIcon::Information}}));
    EXPECT_EQ(TempDir::read(kept),
              "# merge file: unknown (records left in merge.tmp by an earlier session)\r\n" +
                  record("earlier"));
    EXPECT_EQ(read(QStringLiteral("merge.tmp")), QByteArray());
}

// Records moved into the merge file are never moved again, even when "merge.tmp" cannot be
// emptied afterwards (an append-only file: appending works, emptying does not).
TEST_F(MergeTest, RecordsAreMovedOnceWhenTheJournalCannotBeEmptied) {
    openNew(QStringLiteral("h.bdf"));
    edit(QStringLiteral("one"));
    if (!setAppendOnly(journal(), true)) GTEST_SKIP() << "no append-only files here";
    EXPECT_TRUE(life.SaveFile());
    edit(QStringLiteral("two"));
    EXPECT_TRUE(life.SaveFile());
    setAppendOnly(journal(), false);
    EXPECT_TRUE(ui.messages().isEmpty());
    EXPECT_EQ(read(QStringLiteral("h.mrg")), record("one") + record("two"));
}

}  // namespace
}  // namespace sentrel::test
