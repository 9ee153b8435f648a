// The source tables of the shipped definitions (data/definitions) and the generator that
// builds the installation files from them.
#include <gtest/gtest.h>

#include <QDir>

#include "app/bdf/sampledata/DefinitionTables.h"
#include "app/bdf/sampledata/SampleDataWriter.h"
#include "document/Document.h"
#include "shell/AppError.h"
#include "support/TempDir.h"

namespace sentrel {
namespace {

const QDir kData(QStringLiteral(SENTREL_DATA_DIR));
const QDir kTables(QStringLiteral(SENTREL_DATA_DIR "/definitions"));

// A copy of the shipped tables in which one file may be replaced.
class TablesCopy {
  public:
    TablesCopy() {
        QDir(dir_.path()).mkdir(QStringLiteral("entries"));
        for (const char* name : {"release.tsv", "properties.tsv", "filters.tsv"}) {
            dir_.write(name, test::TempDir::read(kTables.filePath(name)));
        }
        const QDir entries(kTables.filePath("entries"));
        for (const QString& name : entries.entryList({"*.tsv"}, QDir::Files)) {
            dir_.write("entries/" + name, test::TempDir::read(entries.filePath(name)));
        }
    }
    void add(const QString& name, const QByteArray& content) { dir_.write(name, content); }
    void append(const QString& name, const QByteArray& rows) {
        dir_.write(name, test::TempDir::read(dir_.file(name)) + rows);
    }
    QDir folder() const { return QDir(dir_.path()); }
    // The message the generator fails with, or "" when it succeeds; a failure writes nothing.
    QString failure() const {
        const test::TempDir target;
        QString message;
        try {
            bdf::writeSampleData(folder(), QDir(target.path()));
        } catch (const AppError& error) {
            message = error.description();
            EXPECT_EQ(QDir(target.path()).entryList(QDir::Files), QStringList());
        }
        return message;
    }

  private:
    test::TempDir dir_;
};

TEST(DefinitionTables, GeneratingAgainGivesTheCommittedFiles) {
    const test::TempDir target;
    bdf::writeSampleData(kTables, QDir(target.path()));
    for (const char* name : {"intmpl.bdf", "maindefs.bdf", "maindefs.bdd", "intdata.dtl"}) {
        EXPECT_TRUE(test::TempDir::read(target.file(name)) ==
                    test::TempDir::read(kData.filePath(name)))
            << name << " differs from a fresh build: run sentrel-make-sample-data "
            << "data/definitions data and commit the result";
    }
}

TEST(DefinitionTables, VersionRowsExpandPerMajorVersion) {
    TablesCopy tables;
    tables.append("entries/10-desktop.tsv",
                  "test{v}\tchrome\tTest {v}\tTest/{v}.*\t3-5,7\t\n"
                  "testpoint\tchrome\tTest point five\tTest/5.5*\t5.5\tMaker=Tester\n");
    const bdf::DefinitionTables read = bdf::DefinitionTables::load(tables.folder());
    QStringList names, patterns, versions;
    std::vector<bdf::DefinitionTables::Value> pointValues;
    for (const auto& entry : read.entries) {
        if (!entry.name.startsWith("test")) continue;
        names << entry.name;
        patterns << entry.pattern;
        versions << entry.version;
        pointValues = entry.values;
    }
    EXPECT_EQ(names, QStringList({"test3", "test4", "test5", "test7", "testpoint"}));
    EXPECT_EQ(patterns, QStringList({"Test/3.*", "Test/4.*", "Test/5.*", "Test/7.*", "Test/5.5*"}));
    EXPECT_EQ(versions, QStringList({"3.0", "4.0", "5.0", "7.0", "5.5"}));
    EXPECT_EQ(pointValues, (std::vector<bdf::DefinitionTables::Value>{{"Maker", "Tester"}}));

    const test::TempDir target;
    bdf::writeSampleData(tables.folder(), QDir(target.path()));
    const auto document = doc::Document::load(target.file("maindefs.bdf"));
    doc::TypeObject& five = document->Path("testpoint");
    EXPECT_EQ(five.Path("majorver"), "5");
    EXPECT_EQ(five.Path("minorver"), "5");
    EXPECT_EQ(five.Path("version"), "5.5");
    EXPECT_EQ(five.Path("Browser"), "Chrome");  // inherited from its folder
    EXPECT_EQ(document->Path("test7").Path("i__description"), "Test 7");
}

// The line a row appended to a shipped table gets.
QString nextLine(const QString& name) {
    return QString::number(test::TempDir::read(kTables.filePath(name)).count('\n') + 1);
}

// A broken row stops the build with a message that names its file and line, and nothing is
// written.
TEST(DefinitionTables, BrokenRowsAreReportedWithTheirPlace) {
    const auto failureWith = [](const QString& file, const QByteArray& rows) {
        TablesCopy tables;
        if (file.startsWith("entries/")) {
            tables.add(file, "# a table of its own\n" + rows);
        } else {
            tables.append(file, rows);
        }
        return tables.failure();
    };
    EXPECT_EQ(TablesCopy().failure(), "");
    // Rows of a new entries table: the row, then the problem reported for its line 2.
    const std::pair<const char*, const char*> entryRows[] = {
        {"ie\tlegacy\tAgain\t*X*\t\t", "the name \"ie\" is used twice"},
        {"orphan\tnowhere\tOrphan\t*X*\t\t", "unknown parent \"nowhere\""},
        {"odd\tlegacy\tOdd\t*X*\t\tColour=red", "unknown property \"Colour\""},
        {"odd\tlegacy\tOdd\t*X*\t\ti__type=0", "unknown property \"i__type\""},
        {"odd\tlegacy\tOdd\t*X*\t\tTablet=maybe", "\"maybe\" is not a valid Tablet value"},
        {"odd\tlegacy\tOdd\t*X*\t\tTablet", "\"Tablet\" is not Property=value"},
        {"odd{v}\tlegacy\tOdd {v}\t*X{v}*\t3-x\t", "\"x\" is not a whole number"},
    };
    for (const auto& [row, problem] : entryRows) {
        EXPECT_EQ(failureWith("entries/99-broken.tsv", QByteArray(row) + '\n'),
                  QStringLiteral("99-broken.tsv:2: ") + problem);
    }
    EXPECT_EQ(failureWith("filters.tsv", "1\tUA\t\t*X*\tTablet\tTrue\n"),
              "filters.tsv:" + nextLine("filters.tsv") + ": the uId 1 is used twice");
    EXPECT_EQ(failureWith("filters.tsv", "290+{v}\tUA\t\t*Y{v}*\tTablet\tTrue\t10-11\n"),
              "filters.tsv:" + nextLine("filters.tsv") + ": the uId 301 is used twice");
    EXPECT_EQ(failureWith("filters.tsv", "99\tHeader\t\t*X*\tTablet\tTrue\n"),
              "filters.tsv:" + nextLine("filters.tsv") + ": unknown kind \"Header\"");
    EXPECT_EQ(failureWith("release.tsv", "date\t6 December\n"),
              "release.tsv:" + nextLine("release.tsv") + ": the date is not yyyy-MM-dd");
}

}  // namespace
}  // namespace sentrel
