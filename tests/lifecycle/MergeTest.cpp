#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "LifecycleFixture.h"
#include "editor/lifecycle/MergeRecord.h"

namespace sentrel::test {
namespace {

using lifecycle::MergeRecord;

class MergeTest : public LifecycleTest {};

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

// The merge file is written whole; when that fails the records stay in the journal and
// reach the merge file with the next save or at the close.
TEST_F(MergeTest, RecordsSurviveAMergeFileThatCannotBeWritten) {
    openNew(QStringLiteral("c.bdf"));
    edit(QStringLiteral("one"));
    QFile::remove(path(QStringLiteral("c.mrg")));
    QDir(dir.path()).mkdir(QStringLiteral("c.mrg"));  // a folder where the file should be
    EXPECT_TRUE(life.SaveFile());                     // the definition file itself is saved
    ASSERT_EQ(titles(), QStringList{QStringLiteral("Error during merge save")});
    EXPECT_TRUE(ui.messages()[0].text.startsWith(
        QStringLiteral("Error #75 occured while saving your merge data.\r\n")));
    EXPECT_FALSE(state.unsavedChanges);
    const QByteArray first = read(QStringLiteral("merge.tmp"));
    EXPECT_FALSE(first.isEmpty());

    edit(QStringLiteral("two"));
    QDir(dir.path()).rmdir(QStringLiteral("c.mrg"));
    ui.answerMessage(MsgAnswer::No);  // the second edit is dropped
    life.CloseFile();
    EXPECT_EQ(read(QStringLiteral("c.mrg")), first);
    EXPECT_FALSE(QFileInfo::exists(journal()));
}

}  // namespace
}  // namespace sentrel::test
