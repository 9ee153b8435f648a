#include <gtest/gtest.h>

#include <QFile>

#include "document/Document.h"
#include "document/DocumentReader.h"
#include "document/DocumentWriter.h"
#include "document/testing/SyntheticDocument.h"
#include "shell/AppError.h"
#include "support/FilterCollection.h"
#include "support/TempDir.h"
#include "support/ThrownError.h"

using namespace sentrel;
using namespace sentrel::doc;
using sentrel::test::failureOf;
using sentrel::test::TempDir;

namespace {

// Filters as structure 0 to 2 documents have them: five fields.
void addOldFilters(Document& document, int count) {
    TypeObject& filters = document.AddType("Filters", "CLSID_ParamObjType");
    for (const char* field : {"PropToSet", "MatchStr", "ValToSet"}) {
        filters.AddProperty(field, "string");
    }
    filters.AddProperty("Priority", "integer");
    filters.AddProperty("uid", "integer");
    document.addArrayType("FiltersArray", "Filters");
    document.AddProperty("FiltersArray", "FiltersArray");
    FiltersArray& array = document.FiltersArray();
    for (int i = 0; i < count; ++i) {
        FilterElement& filter = array[array.Add()];
        filter.set("propToSet", QStringLiteral("prop%1").arg(i));
        filter.set("matchStr", QStringLiteral("*agent %1*").arg(i));
        filter.set("valToSet", QStringLiteral("value %1").arg(i));
        filter.set("priority", 10 - i);
        filter.set("uId", 100 + i);
    }
}

std::unique_ptr<Document> oldDocument(int structure) {
    auto document = Document::create();
    document->DefaultBrowser().AddParameter("i__description", "String");
    document->AddInheritedType("opera", "DefaultBrowser")
        .SetParamDefValue("i__description", "Opera");
    addOldFilters(*document, 3);
    if (structure >= 1) {
        TypeObject& internals = document->AddType("Internals", "CLSID_ParamObjType");
        for (const char* name : {"BDFMajorver", "BDFMinorver", "BDFStructure"}) {
            internals.AddProperty(name, "integer");
        }
        internals.AddProperty("BDFLastUpdate", "datetime");
        internals::setBDFStructure(*document, structure);
    }
    return document;
}

// The editor's upgrade of an opened document, from structure 0 or 1 up to 3.
void upgradeToStructure3(Document& document) {
    if (!document.hasType("Internals")) {
        TypeObject& internals = document.AddType("Internals", "CLSID_ParamObjType");
        internals.AddProperty("BDFMajorver", "integer");
        internals.AddProperty("BDFMinorver", "integer");
        internals.AddProperty("BDFStructure", "integer");
        internals.AddProperty("BDFLastUpdate", "datetime");
        internals::setBDFMajorVer(document, 1);
        internals::setBDFMinorver(document, 0);
        internals::setBDFStructure(document, 1);
        internals::setBDFLastUpdate(document, QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)));
    }
    internals::setBDFStructure(document, 3);
    const QList<QVariantList> rows = document.FiltersArray().valuearray();
    document.FiltersArray().RemoveAll();
    document.deleteProperty("FiltersArray");
    document.deleteType("FiltersArray");
    document.deleteType("Filters");
    test::addFilterCollection(document);
    for (const QVariantList& row : rows) {
        FilterElement& filter = document.FiltersArray()[document.FiltersArray().Add()];
        filter.set("propToSet", row[0]);
        filter.set("matchStr", row[1]);
        filter.set("valToSet", row[2]);
        filter.set("priority", row[3]);
        filter.set("uId", row[4].toInt());
        filter.set("filterType", 0);
        filter.set("DataField", QString());
    }
}

const QString kAwkward[] = {
    QStringLiteral(""),
    QStringLiteral(" leading and trailing spaces  "),
    QStringLiteral("line one\nline two\r\nline three\rend"),
    QStringLiteral("back\\slash \\n not a newline \\\\ \\s"),
    QStringLiteral("tab\there, separators: . = ; | # and \"quotes\""),
    QStringLiteral("# looks like a comment"),
    QStringLiteral("end"),
    QString::fromUtf8("Ünïcödé 日本語 emoji \xF0\x9F\x98\x80 and a line\xE2\x80\xA8separator"),
    QString(QChar(0)) + QStringLiteral("nul and bell\a and del\x7f"),
    QString(QChar(0xD800)) + QStringLiteral(" lone surrogate"),
};

}  // namespace

TEST(DocumentFile, EveryStringRoundTripsExactly) {
    TempDir dir;
    auto document = Document::create();
    TypeObject& root = document->DefaultBrowser();
    TypeObject& standalone = document->AddType("Odd type name with spaces\n", "CLSID_ParamObjType");
    int n = 0;
    for (const QString& text : kAwkward) {
        const QString name = QStringLiteral("p%1 ").arg(n++) + text;
        root.AddParameter(name, text);
        document->AddInheritedType(name, "DefaultBrowser").SetParamDefValue(name, text);
        standalone.AddProperty(name, "string");
        standalone.SetParamDefValue(name, text);
        document->lru().bdfName.setItem(document->lru().bdfName.Add(), text);
    }
    const QString path = dir.file("awkward.bdf");
    document->save(path);
    auto loaded = Document::load(path);
    EXPECT_EQ(loaded->types(), document->types());
    EXPECT_EQ(loaded->DefaultBrowser().Parameters(), root.Parameters());
    EXPECT_EQ(loaded->lru().bdfName.items(), document->lru().bdfName.items());
    n = 0;
    for (const QString& text : kAwkward) {
        const QString name = QStringLiteral("p%1 ").arg(n++) + text;
        EXPECT_EQ(loaded->Path(name).ownValue(name), text) << name.toStdString();
        EXPECT_EQ(loaded->DefaultBrowser().GetPropertyType(name), text);
        EXPECT_EQ(loaded->Path("odd type name with spaces\n").Path(name), text);
    }
    // Unset and empty own values stay apart.
    EXPECT_TRUE(loaded->Path("p1  leading and trailing spaces  ").ownValue("p0 ").isNull());
    EXPECT_FALSE(loaded->Path("p0 ").ownValue("p0 ").isNull());
    // No raw control characters reach the file: one record per line.
    const QByteArray bytes = TempDir::read(path);
    EXPECT_FALSE(bytes.contains('\r') || bytes.contains('\t') || bytes.contains('\0'));
}

TEST(DocumentFile, FiltersAndInternalsRoundTripInOrder) {
    TempDir dir;
    auto document = oldDocument(1);
    upgradeToStructure3(*document);
    document->FiltersArray()[1].set("filterType", 2);
    document->FiltersArray()[1].set("DataField", "HTTP_X WAP\nPROFILE");
    document->save(dir.file("filters.bdf"));
    auto loaded = Document::load(dir.file("filters.bdf"));
    EXPECT_EQ(loaded->FiltersArray().valuearray(), document->FiltersArray().valuearray());
    EXPECT_EQ(internals::BDFStructure(*loaded), 3);
    EXPECT_EQ(loaded->filePath(), dir.file("filters.bdf"));
}

TEST(DocumentFile, AChainOfAHundredThousandTypesSavesAndLoads) {
    const auto document =
        doc::testing::buildSyntheticDocument(doc::testing::SyntheticShape::chain(100000));
    TempDir dir;
    document->save(dir.file("deep.bdf"));
    const auto loaded = Document::load(dir.file("deep.bdf"));
    EXPECT_EQ(loaded->Path("b100000").getbasetype()->Name(), "b99999");
    EXPECT_EQ(loaded->Path("b100000").values(), document->Path("b100000").values());
    EXPECT_EQ(DocumentWriter::write(*loaded), TempDir::read(dir.file("deep.bdf")));
}

TEST(DocumentFile, UpgradeFromStructureZeroAndOneKeepsFiltersAndOrder) {
    for (int structure : {0, 1}) {
        SCOPED_TRACE(structure);
        TempDir dir;
        const QString path = dir.file("old.bdf");
        oldDocument(structure)->save(path);
        auto document = Document::bind(path);
        upgradeToStructure3(*document);
        document->save();
        document->RevokeFromROT(true);
        document = Document::bind(path);

        EXPECT_EQ(internals::BDFStructure(*document), 3);
        const QStringList types = document->types();
        EXPECT_EQ(types.mid(7, 2), QStringList({"DefaultBrowser", "opera"}));
        EXPECT_EQ(types.mid(types.size() - 2), QStringList({"Filters", "FiltersArray"}));
        EXPECT_EQ(document->Path("filters").enumerate(),
                  QStringList({"PropToSet", "MatchStr", "ValToSet", "Priority", "uid", "filterType",
                               "dataField"}));
        const QList<QVariantList> rows = document->FiltersArray().valuearray();
        ASSERT_EQ(rows.size(), 3);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(
                rows[i],
                (QVariantList{QStringLiteral("prop%1").arg(i), QStringLiteral("*agent %1*").arg(i),
                              QStringLiteral("value %1").arg(i), 10 - i, 100 + i, 0, QString("")}));
        }
        EXPECT_EQ(document->PathValue("opera.i__description"), "Opera");
    }
}

TEST(DocumentFile, MissingFilesAndFoldersAreReportedAsSuch) {
    TempDir dir;
    EXPECT_EQ(failureOf([&] { Document::bind(dir.file("none.bdf")); }).number(),
              AppError::kCannotReachServer);
    EXPECT_EQ(failureOf([&] { Document::load(dir.file("no/folder.bdf")); }).number(),
              AppError::kCannotReachServer);
    EXPECT_FALSE(QFile::exists(dir.file("none.bdf.lock")));
    EXPECT_EQ(failureOf([&] { Document::load(dir.path()); }).number(), AppError::kPathFileAccess);
    EXPECT_EQ(failureOf([&] { Document::create()->save(dir.file("no/folder.bdf")); }).number(),
              AppError::kPathNotFound);
    EXPECT_EQ(failureOf([&] { Document::create()->save(); }).number(), kErrInvalidArgument);
}

TEST(DocumentFile, DamagedContentFailsWithTheLineAndNeverLoadsHalf) {
    const struct {
        QByteArray content;
        int line;
        const char* mentions;
    } cases[] = {
        {"", 0, "empty"},
        {"\x89PNG\r\n\x1a\n garbage", 1, "not a definitions document"},
        {"SentrelDocument one\nend\n", 1, "not a format version"},
        {"SentrelDocument 9\nend\n", 1, "newer program"},
        {"SentrelDocument 1\ntype a data\n", 3, "incomplete"},
        {"SentrelDocument 1\nvalue x y\nend\n", 2, "outside a type"},
        {"SentrelDocument 1\ntype a inherited b\nend\n", 2, "no type \"b\""},
        {"SentrelDocument 1\ntype a inherited\n  value nosuch 1\nend\n", 3, "no parameter"},
        {"SentrelDocument 1\ntype a inherited\n  param p String\n  value p bad\\q\nend\n", 4,
         "escape"},
        {"SentrelDocument 1\ntype a inherited\ntype A data\nend\n", 3, "already has a type"},
        {"SentrelDocument 1\ntype f standalone\n  param n integer\ntype fa array f\n"
         "property p fa\nitem p\n  field n abc\nend\n",
         7, "whole number"},
        {"SentrelDocument 1\nitem p\nend\n", 2, "no property"},
        {"SentrelDocument 1\nend\ntype a data\n", 3, "after the \"end\""},
        {"SentrelDocument 1\nwidget a\nend\n", 2, "unknown record"},
        {"SentrelDocument 1\ntype a strange\nend\n", 2, "unknown type kind"},
        {"SentrelDocument 1\n# fine\n\ntype a\xff\xfe data\nend\n", 4, "UTF-8"},
        {"SentrelDocument 1\nend\n\xC3", 3, "UTF-8"},
        {"SentrelDocument 1\ntype a\xff data\n", 2, "UTF-8"},
        {"GIF89a", 1, "not a definitions document"},
        {"SentrelDocument 1\ntype a inherited\n  value nosuch 1\n", 3, "no parameter"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content.toStdString());
        const AppError e = failureOf([&] { DocumentReader::parse(c.content, "x.bdf"); });
        EXPECT_EQ(e.number(), kErrDocumentDamaged);
        if (c.line > 0) {
            EXPECT_TRUE(e.description().contains(QStringLiteral("line %1:").arg(c.line)));
        }
        EXPECT_TRUE(e.description().contains(QLatin1String(c.mentions))) << e.what();
    }
}

TEST(DocumentFile, RepeatedValuesAndFieldsAreRefusedLikeEveryOtherRepeat) {
    const QByteArray values =
        "SentrelDocument 1\ntype a inherited\n  param p String\n  value p 1\n  value P 2\nend\n";
    EXPECT_EQ(failureOf([&] { DocumentReader::parse(values, "v.bdf"); }).description(),
              "\"v.bdf\" is damaged or not a definitions document: line 5: the type \"a\" already "
              "has a value for the parameter \"P\".");
    const QByteArray fields =
        "SentrelDocument 1\ntype f standalone\n  param n integer\ntype fa array f\n"
        "property p fa\nitem p\n  field n 1\nitem p\n  field n 1\n  field N 2\nend\n";
    EXPECT_EQ(failureOf([&] { DocumentReader::parse(fields, "f.bdf"); }).description(),
              "\"f.bdf\" is damaged or not a definitions document: line 10: the item already "
              "has a field \"N\".");
}

TEST(DocumentFile, ADamagedFileIsNotLeftLocked) {
    TempDir dir;
    const QString path = dir.write("bad.bdf", "SentrelDocument 1\ntype a inherited\n");
    EXPECT_EQ(failureOf([&] { Document::bind(path); }).number(), kErrDocumentDamaged);
    EXPECT_EQ(failureOf([&] { Document::bind(path); }).number(), kErrDocumentDamaged);
    EXPECT_FALSE(QFile::exists(path + ".lock"));
}

TEST(DocumentFile, EveryTruncationOfAFileIsReportedAsIncomplete) {
    auto document = oldDocument(2);
    document->AddInheritedType("ja", "opera")
        .SetParamDefValue("i__description", QString::fromUtf8("日本語のブラウザ"));
    TempDir dir;
    document->save(dir.file("t.bdf"));
    const QByteArray whole = TempDir::read(dir.file("t.bdf"));
    ASSERT_TRUE(whole.endsWith("end\n"));
    for (qsizetype length = 1; length < whole.size() - 1; ++length) {
        const QByteArray part = whole.left(length);
        const AppError e = failureOf([&] { DocumentReader::parse(part, "t"); });
        ASSERT_EQ(e.number(), kErrDocumentDamaged) << "length " << length;
        const int lines = static_cast<int>(part.count('\n'));
        const QString expected =
            part.endsWith('\n')
                ? QStringLiteral(
                      "\"t\" is damaged or not a definitions document: line %1: the "
                      "file ends before its \"end\" line: it is incomplete.")
                      .arg(lines + 1)
                : QStringLiteral(
                      "\"t\" is damaged or not a definitions document: line %1: the "
                      "file breaks off in this line, before its \"end\" line: it is "
                      "incomplete.")
                      .arg(lines + 1);
        ASSERT_EQ(e.description().toStdString(), expected.toStdString()) << "length " << length;
    }
    // Administrators' editors may add a byte order mark, CR LF line ends and comments.
    QByteArray edited = "\xEF\xBB\xBF" + whole;
    edited.replace("\n", "\r\n").replace("type opera", "# a note\r\n\r\ntype opera");
    EXPECT_EQ(DocumentReader::parse(edited, "t")->PathValue("opera.i__description"), "Opera");
}
