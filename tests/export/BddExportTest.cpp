#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>

#include "ExportFixture.h"
#include "detect/BddReader.h"
#include "document/FilterOrder.h"
#include "export/BddExport.h"
#include "shell/ScriptedInteraction.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

namespace sentrel::exporting {
namespace {

using sentrel::test::FileSizeLimit;

// Records what the export shows, in order.
class RecordingStatus : public ExportStatus {
  public:
    void setBusy(bool busy) override { log << (busy ? "busy" : "idle"); }
    void setStatusText(const QString& text) override { log << "status:" + text; }
    void letEventsRun() override { log << "events"; }
    QStringList log;
};

class BddExportTest : public ::testing::Test {
  protected:
    bool exportTo(const QString& target, bool progress = true) {
        return exporter.ExportFile(*document, version, target, progress);
    }

    int entriesIn(const QString& path) {
        return static_cast<int>(detect::BddReader::readFile(path.toStdString()).entries.size());
    }

    sentrel::test::TempDir dir;
    std::unique_ptr<doc::Document> document = test::blankDocument();
    BddVersion version{1, 3, test::kStamp};
    ScriptedInteraction ui;
    RecordingStatus status;
    BddExport exporter{ui, status};
};

TEST_F(BddExportTest, FileExportAsksForTheTargetAndConfirms) {
    ui.answerFile(dir.file("chosen.bdd"));
    EXPECT_TRUE(exportTo(QString()));

    ASSERT_EQ(ui.events().size(), 2);
    const FileRequest& chooser = ui.events()[0].file;
    EXPECT_EQ(ui.events()[0].kind, ScriptedInteraction::Event::Kind::SaveFile);
    EXPECT_EQ(chooser.title, "Export BDF To");
    EXPECT_EQ(chooser.filters, QStringList{"Browser definition data (*.bdd)"});
    EXPECT_EQ(chooser.directory, QString());
    EXPECT_EQ(ui.messages(),
              (QList<MessageRequest>{{"Export completed", "The export has completed successfully.",
                                      MsgIcon::Information}}));
    EXPECT_EQ(status.log,
              (QStringList{"busy", "events", "status:Exporting to BDD...", "status:", "idle"}));
    EXPECT_EQ(entriesIn(dir.file("chosen.bdd")), 1);
}

// The chooser starts in the folder of the open definition file, not in the last folder used.
TEST_F(BddExportTest, ChooserStartsInTheDefinitionFilesFolder) {
    QDir().mkpath(dir.file("sites/shop"));
    document->save(dir.file("sites/shop/shop.bdf"));
    ui.answerFile(std::nullopt);
    EXPECT_FALSE(exportTo(QString()));
    ASSERT_EQ(ui.events().size(), 1);
    EXPECT_EQ(ui.events()[0].file.directory, dir.file("sites/shop"));
}

TEST_F(BddExportTest, CancelledChooserDoesNothing) {
    ui.answerFile(std::nullopt);
    EXPECT_FALSE(exportTo(QString()));
    ui.answerFile(QString());
    EXPECT_FALSE(exportTo(QString()));
    EXPECT_TRUE(ui.messages().isEmpty());
    EXPECT_TRUE(status.log.isEmpty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(BddExportTest, GivenTargetIsWrittenSilentlyAfterTheFilterSort) {
    QStringList order;
    exporter.setFilterSort([&] {
        order << "sort";
        test::addFilter(*document, 4, 0, "Crawler", "*bot*", "True");
    });
    const QString target = dir.file("defs.bdd");
    EXPECT_TRUE(exportTo(target, false));
    EXPECT_TRUE(ui.events().isEmpty());
    EXPECT_EQ(status.log, (QStringList{"busy", "idle"}));
    EXPECT_EQ(order, QStringList{"sort"});
    EXPECT_EQ(detect::BddReader::readFile(target.toStdString()).filters.size(), 1u);
}

// The plain text of a BDD file without its line of random filler.
QStringList textWithoutFiller(const QString& bdd) {
    const QByteArray bytes = sentrel::test::TempDir::read(bdd);
    const std::string text =
        detect::BddReader::plainText(std::string_view(bytes.constData(), bytes.size()));
    QStringList lines = QString::fromStdString(text).split(QStringLiteral("\r\n"));
    EXPECT_TRUE(lines.value(13).startsWith("<!-- ")) << bdd.toStdString();
    lines.removeAt(13);
    return lines;
}

// The command line and the editor, before and after it sorted the filters, write one BDD.
TEST_F(BddExportTest, FiltersOutOfPriorityOrderExportAlikeEverywhere) {
    doc::FiltersArray& filters = document->FiltersArray();
    const int priorities[] = {5, 1, 3, 1};
    for (int i = 0; i < 4; ++i) {
        doc::FilterElement& filter = filters[filters.Add()];
        filter.set("propToSet", "Crawler");
        filter.set("matchStr", QStringLiteral("*bot%1*").arg(i));
        filter.set("valToSet", "True");
        filter.set("priority", priorities[i]);
        filter.set("uId", 101 + i);
    }
    const QString definitions = dir.file("defs.bdf");
    document->save(definitions);

    QProcess bdf;
    bdf.start(SENTREL_BDF_BINARY, {"export", definitions, dir.file("command-line.bdd")});
    ASSERT_TRUE(bdf.waitForFinished());
    ASSERT_EQ(bdf.exitCode(), 0) << bdf.readAllStandardError().toStdString();

    const auto opened = doc::Document::bind(definitions);
    const BddVersion fileVersion = BddVersion::of(*opened);
    ASSERT_TRUE(exporter.ExportFile(*opened, fileVersion, dir.file("as-opened.bdd"), true));
    exporter.setFilterSort([&] { doc::filter_order::sortByPriority(*opened); });
    ASSERT_TRUE(exporter.ExportFile(*opened, fileVersion, dir.file("sorted.bdd"), true));

    const QStringList expected = textWithoutFiller(dir.file("command-line.bdd"));
    EXPECT_EQ(textWithoutFiller(dir.file("as-opened.bdd")), expected);
    EXPECT_EQ(textWithoutFiller(dir.file("sorted.bdd")), expected);
    EXPECT_EQ(expected.filter("<filter id="),
              QStringList({"<filter id=\"K102\">", "<filter id=\"K104\">", "<filter id=\"K103\">",
                           "<filter id=\"K101\">"}));
}

TEST_F(BddExportTest, ShorterExportReplacesALongerFileWhole) {
    const QString target = dir.write("defs.bdd", QByteArray(2'000'000, 'x'));
    ASSERT_TRUE(exportTo(target));
    EXPECT_LT(QFileInfo(target).size(), 10'000);
    EXPECT_EQ(entriesIn(target), 1);
    EXPECT_FALSE(QDir(dir.path()).entryList(QDir::Files).size() > 1) << "no temporary file left";
}

TEST_F(BddExportTest, FailedWriteKeepsThePreviousFileAndSaysWhy) {
    const QString target = dir.file("defs.bdd");
    ASSERT_TRUE(exportTo(target));
    const QByteArray before = sentrel::test::TempDir::read(target);
    for (int i = 0; i < 200; ++i) {
        test::addType(*document, QStringLiteral("b%1").arg(i), "DefaultBrowser", "0", "B");
    }
    status.log.clear();
    {
        FileSizeLimit limit(before.size() + 100);
        EXPECT_FALSE(exportTo(target));
    }
    EXPECT_EQ(sentrel::test::TempDir::read(target), before);
    EXPECT_EQ(status.log.mid(status.log.size() - 2), (QStringList{"status:", "idle"}));
    ASSERT_EQ(ui.messages().size(), 1);
    const MessageRequest message = ui.messages().first();
    EXPECT_EQ(message.title, "Export failed");
    EXPECT_EQ(message.icon, MsgIcon::Exclamation);
    EXPECT_TRUE(message.text.startsWith("Error 61: ")) << message.text.toStdString();
    EXPECT_TRUE(message.text.endsWith("\r\nUnable to export file"));

    ui.clear();
    EXPECT_FALSE(exportTo(dir.file("missing/defs.bdd")));
    ASSERT_EQ(ui.messages().size(), 1);
    EXPECT_TRUE(ui.messages().first().text.startsWith("Error 76: "));
}

TEST_F(BddExportTest, DocumentErrorIsReportedAndWritesNothing) {
    document->DefaultBrowser().AddParameter("bad name", "String");
    EXPECT_FALSE(exportTo(dir.file("defs.bdd")));
    EXPECT_FALSE(QFile::exists(dir.file("defs.bdd")));
    ASSERT_EQ(ui.messages().size(), 1);
    EXPECT_EQ(ui.messages().first().title, "Export failed");
}

TEST_F(BddExportTest, TargetThatIsTheDefinitionFileItselfIsRefused) {
    const QString definitions = dir.file("defs.bdf");
    document->save(definitions);
    const QByteArray before = sentrel::test::TempDir::read(definitions);
    ui.answerFile(definitions);
    EXPECT_FALSE(exportTo(QString()));
    EXPECT_EQ(sentrel::test::TempDir::read(definitions), before);
    ASSERT_EQ(ui.messages().size(), 1);
    EXPECT_TRUE(ui.messages().first().text.contains("definition file itself"));
}

TEST(BddExportPath, ReplacesTheLastThreeCharacters) {
    EXPECT_EQ(BddExport::bddPathFor("/defs/main.bdf"), "/defs/main.bdd");
    EXPECT_EQ(BddExport::bddPathFor("/defs/MAIN.BDF"), "/defs/MAIN.bdd");
}

}  // namespace
}  // namespace sentrel::exporting
