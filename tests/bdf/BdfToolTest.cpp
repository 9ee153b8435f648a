#include <gtest/gtest.h>

#include <QProcess>

#include "app/bdf/BdfTool.h"
#include "app/bdf/sampledata/DefinitionTemplate.h"
#include "detect/BddReader.h"
#include "document/Document.h"
#include "document/Vocabulary.h"
#include "document/testing/SyntheticDocument.h"
#include "support/TempDir.h"

namespace sentrel::bdf {
namespace {

const QDateTime kStamp(QDate(2026, 3, 4), QTime(5, 6, 7), Qt::UTC);

struct Outcome {
    int code;
    QString out;
    QString err;
};

// A template document with a folder, two browsers (one deleted), a user property and one
// filter, saved to a temporary folder.
class BdfToolTest : public ::testing::Test {
  protected:
    void SetUp() override {
        auto document = makeDefinitionTemplate(kStamp);
        doc::internals::setBDFMinorver(*document, 7);
        document->DefaultBrowser().AddParameter("Platform", "String");
        add(*document, "desk", mainMod::kRootTypeName, mainMod::kTypeFolder, "Desktop");
        add(*document, "chrome1", "desk", mainMod::kTypeBrowser, "Chrome");
        add(*document, "gone1", "desk", mainMod::kTypeDeleted, "Gone");
        document->Path("chrome1").SetParamDefValue("Platform", "Linux");
        document->FiltersArray().Add();
        path = dir.file("defs.bdf");
        document->save(path);
    }

    static void add(doc::Document& document, const QString& name, const QString& base,
                    const QString& code, const QString& description) {
        doc::TypeObject& type = document.AddInheritedType(name, base);
        type.SetParamDefValue(mainMod::kTypeParam, code);
        type.SetParamDefValue(mainMod::kDescriptionParam, description);
    }

    Outcome run(const QStringList& commandLine, const BdfTool& tool = BdfTool()) {
        Outcome result{};
        QTextStream out(&result.out);
        QTextStream err(&result.err);
        result.code = tool.run(commandLine, out, err);
        out.flush();
        err.flush();
        return result;
    }

    test::TempDir dir;
    QString path;
};

TEST_F(BdfToolTest, InfoCountsTypesPropertiesAndFilters) {
    const Outcome r = run({"info", path});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out,
              "structure: 3\n"
              "version: 1.07\n"
              "last update: 2026-03-04T05:06:07\n"
              "browser types: 2\n"  // the root and chrome1
              "folders: 1\n"
              "deleted types: 1\n"
              "user properties: 7\n"  // six version properties and Platform
              "filters: 1\n");
}

TEST_F(BdfToolTest, TypesAndGetReadTheDocument) {
    const Outcome types = run({"types", path});
    EXPECT_EQ(types.code, 0);
    EXPECT_TRUE(types.out.endsWith("desk\nchrome1\ngone1\n")) << types.out.toStdString();

    EXPECT_EQ(run({"get", path, "chrome1.Platform"}).out, "Linux\n");
    EXPECT_EQ(run({"get", path, "CHROME1.i__description"}).out, "Chrome\n");
    EXPECT_EQ(run({"get", path, "Internals.BDFStructure"}).out, "3\n");

    const Outcome type = run({"get", path, "chrome1"});
    EXPECT_EQ(type.code, 0);
    EXPECT_TRUE(type.out.startsWith("chrome1\ni__description=Chrome\n")) << type.out.toStdString();
    EXPECT_TRUE(type.out.endsWith("Platform=Linux\n"));

    for (const char* missing : {"chrome1.nothing", "nobody.Platform", "nobody", ".Platform"}) {
        const Outcome r = run({"get", path, missing});
        EXPECT_EQ(r.code, 1) << missing;
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(r.err.startsWith("Error #438: ")) << r.err.toStdString();
    }
}

TEST_F(BdfToolTest, ReadingWorksWhileTheEditorHoldsTheFile) {
    const auto held = doc::Document::bind(path);
    EXPECT_EQ(run({"check", path}).code, 0);
    EXPECT_EQ(run({"get", path, "desk.i__type"}).out, "2\n");
}

TEST_F(BdfToolTest, CheckReportsUnloadableFiles) {
    EXPECT_EQ(run({"check", path}).out, "OK\n");

    const Outcome missing = run({"check", dir.file("none.bdf")});
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(missing.err.startsWith("Error #")) << missing.err.toStdString();

    QByteArray content = test::TempDir::read(path);
    content = content.left(content.indexOf("\ntype desk") + 8);  // cut inside a line
    const QString damaged = dir.write("damaged.bdf", content);
    const Outcome half = run({"check", damaged});
    EXPECT_EQ(half.code, 1);
    EXPECT_EQ(half.err.toStdString(),
              QStringLiteral("Error #1051: \"%1\" is damaged or not a definitions document: line "
                             "%2: the file breaks off in this line, before its \"end\" line: it "
                             "is incomplete.\n")
                  .arg(damaged)
                  .arg(content.count('\n') + 1)
                  .toStdString());

    EXPECT_EQ(run({"info", dir.write("empty.bdf", "")}).code, 1);
    EXPECT_EQ(run({"types", dir.write("noise.bdf", QByteArray(4096, '\xff'))}).code, 1);
}

// Types nested 100,000 deep: every command reads and writes them without deep recursion,
// and the BDD carries the values the deepest entry inherits.
TEST_F(BdfToolTest, CommandsWorkOnAHundredThousandLevelChain) {
    const auto document =
        doc::testing::buildSyntheticDocument(doc::testing::SyntheticShape::chain(100000));
    const QString deep = dir.file("deep.bdf");
    document->save(deep);

    const Outcome info = run({"info", deep});
    EXPECT_EQ(info.code, 0) << info.err.toStdString();
    EXPECT_TRUE(info.out.contains("browser types: 90000\nfolders: 10001\n"))
        << info.out.toStdString();
    EXPECT_EQ(run({"check", deep}).out, "OK\n");
    EXPECT_EQ(run({"get", deep, "b99999.prop000"}).out,
              document->Path("b99999").Path("prop000") + "\n");

    const Outcome exported = run({"export", deep, dir.file("deep.bdd")});
    ASSERT_EQ(exported.code, 0) << exported.err.toStdString();
    const detect::BddContent content =
        detect::BddReader::readFile(dir.file("deep.bdd").toStdString());
    ASSERT_EQ(content.entries.size(), 90000u);
    const detect::BrowserEntry& deepest = content.entries.back();
    EXPECT_EQ(deepest.name, "b99999");
    EXPECT_EQ(deepest.parent, "b99998");
    const QStringList values = document->Path("b99999").values();
    for (size_t i = 0; i < content.properties.size(); ++i) {
        const QString name = QString::fromStdString(content.properties[i].name);
        const qsizetype position = document->DefaultBrowser().enumerate().indexOf(name);
        EXPECT_EQ(deepest.values[i], values[position].toStdString()) << name.toStdString();
    }
}

TEST_F(BdfToolTest, UsageErrorsExitWithTwo) {
    for (const QStringList& line :
         {QStringList{}, QStringList{"frobnicate", path}, QStringList{"info"},
          QStringList{"info", path, "extra"}, QStringList{"get", path}}) {
        const Outcome r = run(line);
        EXPECT_EQ(r.code, 2) << line.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("Usage: sentrel-bdf")) << r.err.toStdString();
        EXPECT_EQ(r.out, "");
    }
    EXPECT_TRUE(run({"frobnicate"}).err.startsWith("Unknown command \"frobnicate\""));

    const Outcome help = run({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.contains("get FILE PATH"));
}

TEST_F(BdfToolTest, AddedCommandsTakeOptionalArguments) {
    BdfTool tool;
    QStringList seen;
    tool.add({"echo",
              {"FILE", "[OUT]"},
              "repeats its arguments",
              [&](const QStringList& arguments, QTextStream& out, QTextStream&) {
                  seen = arguments;
                  out << arguments.join(',');
                  return 0;
              }});
    tool.add({"fail", {}, "throws", [](const QStringList&, QTextStream&, QTextStream&) -> int {
                  throw std::runtime_error("boom");
              }});
    EXPECT_EQ(run({"echo", "a"}, tool).out, "a");
    EXPECT_EQ(run({"echo", "a", "b"}, tool).out, "a,b");
    EXPECT_EQ(run({"echo"}, tool).code, 2);
    EXPECT_EQ(run({"echo", "a", "b", "c"}, tool).code, 2);
    EXPECT_TRUE(tool.usage().contains("echo FILE [OUT]"));

    const Outcome failed = run({"fail"}, tool);
    EXPECT_EQ(failed.code, 1);
    EXPECT_EQ(failed.err, "Error: boom\n");
}

TEST_F(BdfToolTest, TheProgramExitsWithTheCommandsCode) {
    const auto exitCode = [](const QStringList& arguments) {
        QProcess process;
        process.start(SENTREL_BDF_BINARY, arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        return std::pair(process.exitStatus(), process.exitCode());
    };
    EXPECT_EQ(exitCode({"check", path}), std::pair(QProcess::NormalExit, 0));
    EXPECT_EQ(exitCode({"check", dir.write("bad.bdf", "SentrelDocument 1\ntype")}),
              std::pair(QProcess::NormalExit, 1));
    EXPECT_EQ(exitCode({}), std::pair(QProcess::NormalExit, 2));
}

}  // namespace
}  // namespace sentrel::bdf
