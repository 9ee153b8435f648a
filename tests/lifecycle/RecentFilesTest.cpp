#include <QFile>

#include "LifecycleFixture.h"

namespace sentrel::test {
namespace {

class RecentFilesTest : public LifecycleTest {
  protected:
    void add(const QString& p) { life.recentFiles().manageLRU(p, QStringLiteral("ADD")); }
    static QString file(int n) { return QStringLiteral("/defs/f%1.bdf").arg(n); }
    QStringList paths() const { return internal->lru().bdfName.items(); }
};

TEST_F(RecentFilesTest, NineEntriesNewestFirst) {
    for (int n = 1; n <= 10; ++n) add(file(n));
    ASSERT_EQ(view.recent.size(), 9);
    EXPECT_EQ(view.recent.first(), QStringLiteral("&1 ") + file(10));
    EXPECT_EQ(view.recent.last(), QStringLiteral("&9 ") + file(2));
    EXPECT_EQ(life.recentFiles().posInLRU(file(1)), 0);
}

// Paths that differ only in case name different files on this file system.
TEST_F(RecentFilesTest, ReopeningMovesAnEntryToTheTopAndCaseOnlyDifferencesAreOtherFiles) {
    for (int n = 1; n <= 5; ++n) add(file(n));  // entries: 5 4 3 2 1
    add(file(3));
    EXPECT_EQ(paths(), (QStringList{file(1), file(2), file(4), file(5), file(3)}));
    add(QStringLiteral("/DEFS/F1.bdf"));
    EXPECT_EQ(paths(), (QStringList{file(1), file(2), file(4), file(5), file(3), "/DEFS/F1.bdf"}));
    EXPECT_EQ(life.recentFiles().posInLRU(file(1)), 1);
    EXPECT_EQ(life.recentFiles().posInLRU(QStringLiteral("/defs/F1.bdf")), 0);
    life.recentFiles().manageLRU(QStringLiteral("/DEFS/F1.BDF"), QStringLiteral("REMOVE"));
    EXPECT_EQ(paths().size(), 6);
    life.recentFiles().manageLRU(QStringLiteral("/DEFS/F1.bdf"), QStringLiteral("REMOVE"));
    EXPECT_EQ(paths(), (QStringList{file(1), file(2), file(4), file(5), file(3)}));
}

TEST_F(RecentFilesTest, PositionNineAndTheTemplateLeaveTheListAlone) {
    for (int n = 1; n <= 9; ++n) add(file(n));
    const QStringList full = paths();
    add(file(9));  // already the newest of a full list
    EXPECT_EQ(paths(), full);
    add(QStringLiteral("/opt/sentrel/INTMPL.BDF"));
    EXPECT_EQ(paths(), full);
}

TEST_F(RecentFilesTest, OpeningAFileAddsItToTheDesktopList) {
    const QString a = openNew(QStringLiteral("a.bdf"));
    life.CloseFile();
    life.OpenFile(a);
    const QByteArray list = read(QStringLiteral("recently-used.xbel"));
    EXPECT_EQ(list.count("<bookmark "), 1);
    EXPECT_TRUE(list.contains("href=\"file://" + a.toUtf8() + "\""));
    // The desktop starts the editor with a path (%f), which is what it takes; not a URI (%u).
    EXPECT_TRUE(list.contains("exec=\"'sentrel-editor %f'\"")) << list.constData();
    life.NewFile();
    EXPECT_EQ(read(QStringLiteral("recently-used.xbel")).count("<bookmark "), 1);

    // A damaged list is left as it is.
    dir.write(QStringLiteral("recently-used.xbel"), "<xbel><bookmark");
    life.recentDocuments().addToDocuementsShortcut(a);
    EXPECT_EQ(read(QStringLiteral("recently-used.xbel")), QByteArray("<xbel><bookmark"));
}

}  // namespace
}  // namespace sentrel::test
