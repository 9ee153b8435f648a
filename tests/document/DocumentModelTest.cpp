#include <gtest/gtest.h>

#include "document/Document.h"
#include "shell/AppError.h"
#include "support/ThrownError.h"

using namespace sentrel;
using namespace sentrel::doc;
using sentrel::test::errorOf;

namespace {

// A root with two parameters and a two-level tree: DefaultBrowser > ie > ie6.
std::unique_ptr<Document> smallTree() {
    auto document = Document::create();
    TypeObject& root = document->DefaultBrowser();
    root.AddParameter("i__userAgent", "String");
    root.AddParameter("majorver", "Integer");
    root.SetParamDefValue("majorver", "0");
    document->AddInheritedType("ie", "DefaultBrowser").SetParamDefValue("majorver", "5");
    document->AddInheritedType("ie6", "ie").SetParamDefValue("i__userAgent", "*MSIE 6*");
    return document;
}

// A chain of `depth` types below the root, "c0" (deriving from the root) to "c<depth-1>";
// every thousandth sets "Browser" to "B" + its number; the root sets "Version" to "1".
std::unique_ptr<Document> deepChain(int depth) {
    auto document = Document::create();
    TypeObject& root = document->DefaultBrowser();
    for (const char* name : {"Browser", "Version", "Note"}) root.AddParameter(name, "String");
    root.SetParamDefValue("Version", "1");
    QString base = "DefaultBrowser";
    for (int i = 0; i < depth; ++i) {
        const QString name = QStringLiteral("c%1").arg(i);
        TypeObject& type = document->AddInheritedType(name, base);
        if (i % 1000 == 0) type.SetParamDefValue("Browser", QStringLiteral("B%1").arg(i));
        base = name;
    }
    return document;
}

}  // namespace

TEST(DocumentModel, DeepChainsInheritAndFollowEveryChange) {
    auto document = deepChain(100000);
    TypeObject& bottom = document->Path("c99999");
    EXPECT_EQ(bottom.Path("Browser"), "B99000");
    EXPECT_EQ(bottom.Path("Version"), "1");
    EXPECT_EQ(bottom.Path("Note"), "");
    EXPECT_EQ(document->Path("c500").Path("Browser"), "B0");
    EXPECT_EQ(bottom.values(), QStringList({"B99000", "1", ""}));

    document->Path("c99500").SetParamDefValue("Browser", "X");
    document->DefaultBrowser().SetParamDefValue("Version", "2");
    document->Path("c50").SetParamDefValue("Note", "n");
    EXPECT_EQ(bottom.values(), QStringList({"X", "2", "n"}));
    EXPECT_EQ(document->Path("c99499").Path("Browser"), "B99000");
    EXPECT_EQ(document->Path("c49").Path("Note"), "");

    document->deleteType("c99500");  // its value passes to the type below it
    EXPECT_EQ(document->Path("c99501").ownValue("Browser"), "X");
    EXPECT_EQ(bottom.Path("Browser"), "X");
    document->Path("c99501").SetParamDefValue("Browser", "Y");
    document->AddInheritedType("below", "c99999");
    EXPECT_EQ(document->Path("below").Path("Browser"), "Y");
    document->DefaultBrowser().deleteProperty("Note");
    document->DefaultBrowser().AddParameter("Note", "String");
    EXPECT_EQ(document->Path("below").values(), QStringList({"Y", "2", ""}));
}

TEST(DocumentModel, CreateHoldsDataTypesAndAnEmptyRoot) {
    auto document = Document::create();
    EXPECT_EQ(document->types(), QStringList({"Integer", "String", "Boolean", "Single", "Double",
                                              "Datetime", "Method", "DefaultBrowser"}));
    EXPECT_EQ(document->DefaultBrowser().Name(), "DefaultBrowser");
    EXPECT_EQ(document->DefaultBrowser().getbasetype(), nullptr);
    EXPECT_TRUE(document->DefaultBrowser().enumerate().isEmpty());
    EXPECT_FALSE(document->isLocked());
    EXPECT_EQ(errorOf([&] { document->Internals(); }), kErrNoSuchMember);
    EXPECT_EQ(errorOf([&] { document->FiltersArray(); }), kErrNoSuchMember);
}

TEST(DocumentModel, NamesMatchWithoutRegardToCaseAndKeepTheirSpelling) {
    auto document = smallTree();
    EXPECT_EQ(document->Path("IE6").Name(), "ie6");
    EXPECT_EQ(document->Path("ie6").Path("I__USERAGENT"), "*MSIE 6*");
    EXPECT_EQ(document->PathValue("iE6.i__useragent"), "*MSIE 6*");
    EXPECT_EQ(document->DefaultBrowser().GetPropertyType("MAJORVER"), "Integer");
    EXPECT_EQ(document->Path("ie6").enumerate(), QStringList({"i__userAgent", "majorver"}));
    EXPECT_EQ(errorOf([&] { document->AddInheritedType("IE", "DefaultBrowser"); }), kErrNameExists);
    EXPECT_EQ(errorOf([&] { document->DefaultBrowser().AddParameter("MajorVer", "String"); }),
              kErrNameExists);
    EXPECT_EQ(errorOf([&] { document->Path("nosuch"); }), kErrNoSuchMember);
    EXPECT_EQ(errorOf([&] { document->Path("ie").Path("nosuch"); }), kErrNoSuchMember);
    EXPECT_EQ(errorOf([&] { document->AddInheritedType("", "DefaultBrowser"); }),
              kErrInvalidArgument);
}

TEST(DocumentModel, ValuesInheritUpToTheRootAndOwnEmptyValuesCount) {
    auto document = smallTree();
    TypeObject& ie6 = document->Path("ie6");
    EXPECT_EQ(ie6.Path("majorver"), "5");                      // from its base
    EXPECT_EQ(document->Path("ie").Path("i__userAgent"), "");  // nobody set one
    EXPECT_TRUE(ie6.ownValue("majorver").isNull());
    EXPECT_EQ(ie6.getbasetype()->Name(), "ie");
    ie6.SetParamDefValue("majorver", "");
    EXPECT_EQ(ie6.Path("majorver"), "");
    EXPECT_FALSE(ie6.ownValue("majorver").isNull());
    document->Path("ie").SetParamDefValue("majorver", "6");  // takes effect at once
    EXPECT_EQ(document->Path("ie").Path("majorver"), "6");
    EXPECT_EQ(errorOf([&] { ie6.SetParamDefValue("nosuch", "x"); }), kErrNoSuchMember);
}

TEST(DocumentModel, RootRenameAndDeleteReachEveryType) {
    auto document = smallTree();
    TypeObject& root = document->DefaultBrowser();
    root.Rename("MAJORVER", "MajorVersion");
    EXPECT_EQ(root.Parameters(), QStringList({"i__userAgent", "MajorVersion"}));
    EXPECT_EQ(document->Path("ie6").Path("majorversion"), "5");
    EXPECT_EQ(errorOf([&] { document->Path("ie").Path("majorver"); }), kErrNoSuchMember);
    root.Rename("majorversion", "majorVersion");  // a change of case only
    EXPECT_EQ(root.Parameters().last(), "majorVersion");
    EXPECT_EQ(errorOf([&] { root.Rename("majorVersion", "I__USERAGENT"); }), kErrNameExists);

    root.deleteProperty("I__useragent");
    EXPECT_EQ(document->Path("ie6").enumerate(), QStringList({"majorVersion"}));
    root.AddParameter("i__userAgent", "String");  // a new parameter starts without values
    EXPECT_EQ(document->Path("ie6").Path("i__userAgent"), "");
    EXPECT_EQ(errorOf([&] { document->Path("ie").Rename("majorVersion", "x"); }),
              kErrInvalidArgument);
}

TEST(DocumentModel, TypesKeepFileOrderAndDeletingReparentsWithoutChangingValues) {
    auto document = smallTree();
    document->AddInheritedType("ie7", "ie");
    document->Path("ie").SetParamDefValue("i__userAgent", "*MSIE*");
    document->deleteType("IE");
    EXPECT_FALSE(document->hasType("ie"));
    EXPECT_EQ(document->types().mid(7), QStringList({"DefaultBrowser", "ie6", "ie7"}));
    TypeObject& ie7 = document->Path("ie7");
    EXPECT_EQ(ie7.getbasetype(), &document->DefaultBrowser());
    EXPECT_EQ(ie7.Path("majorver"), "5");  // taken over from the deleted type
    EXPECT_EQ(ie7.Path("i__userAgent"), "*MSIE*");
    EXPECT_EQ(document->Path("ie6").Path("i__userAgent"), "*MSIE 6*");  // its own stays
    document->AddInheritedType("ie", "ie7");  // the name is free again, appended
    EXPECT_EQ(document->types().last(), "ie");
    EXPECT_EQ(errorOf([&] { document->deleteType("DefaultBrowser"); }), kErrTypeInUse);
    EXPECT_EQ(errorOf([&] {
                  document->deleteType("ie");
                  document->deleteType("ie");
              }),
              kErrNoSuchMember);
}

TEST(DocumentModel, TypesStillInUseAreNotDeleted) {
    auto document = Document::create();
    document->AddType("Filters", "CLSID_ParamObjType").AddProperty("PropToSet", "string");
    document->addArrayType("FiltersArray", "Filters");
    document->AddProperty("FiltersArray", "FiltersArray");
    EXPECT_EQ(errorOf([&] { document->deleteType("Filters"); }), kErrTypeInUse);
    EXPECT_EQ(errorOf([&] { document->deleteType("FiltersArray"); }), kErrTypeInUse);
    EXPECT_EQ(errorOf([&] { document->AddType("x", "CLSID_Other"); }), kErrInvalidArgument);
    EXPECT_EQ(errorOf([&] { document->addArrayType("a", "String"); }), kErrInvalidArgument);
    EXPECT_EQ(errorOf([&] { document->AddProperty("filtersarray", "FiltersArray"); }),
              kErrNameExists);
    EXPECT_EQ(errorOf([&] { document->deleteProperty("nosuch"); }), kErrNoSuchMember);
}

TEST(DocumentModel, FiltersConvertFieldsByTheirDeclaredType) {
    auto document = Document::create();
    TypeObject& filters = document->AddType("Filters", "CLSID_ParamObjType");
    filters.AddProperty("PropToSet", "string");
    filters.AddProperty("Priority", "integer");
    document->addArrayType("FiltersArray", "Filters");
    document->AddProperty("FiltersArray", "FiltersArray");
    FiltersArray& array = document->FiltersArray();
    EXPECT_EQ(array.Add(), 0);
    EXPECT_EQ(array.Add(), 1);
    array[1].set("PROPTOSET", "ismobile");
    array[1].set("priority", "12.0");
    EXPECT_EQ(array[1].get("propToSet"), QVariant(QString("ismobile")));
    EXPECT_EQ(array[1].get("Priority"), QVariant(12));
    EXPECT_EQ(array[0].get("priority"), QVariant(0));
    EXPECT_EQ(array.valuearray(),
              (QList<QVariantList>{{QString(""), 0}, {QString("ismobile"), 12}}));
    EXPECT_EQ(errorOf([&] { array[0].set("priority", "high"); }), kErrTypeMismatch);
    EXPECT_EQ(errorOf([&] { array[0].set("priority", "1e10"); }), kErrTypeMismatch);
    EXPECT_EQ(errorOf([&] { array[0].get("filterType"); }), kErrNoSuchMember);
    EXPECT_EQ(errorOf([&] { array[2]; }), kErrBadIndex);
    EXPECT_EQ(errorOf([&] { array.Remove(-1); }), kErrBadIndex);
    // Renaming or dropping a field of the element type carries over to stored elements.
    filters.Rename("PropToSet", "Property");
    EXPECT_EQ(array[1].text("property"), "ismobile");
    filters.deleteProperty("priority");
    filters.AddProperty("Priority", "integer");
    EXPECT_EQ(array[1].get("priority"), QVariant(0));
    array.Remove(0);
    EXPECT_EQ(array[0].text("PROPERTY"), "ismobile");
    array.RemoveAll();
    EXPECT_EQ(array.Count(), 0);
}

TEST(DocumentModel, RecentFilesCountFromOne) {
    auto document = Document::create();
    StringArray& names = document->lru().bdfName;
    EXPECT_EQ(names.Add(), 1);
    EXPECT_EQ(names.Add(), 2);
    names.setItem(1, "/a.bdf");
    names.setItem(2, "/b.bdf");
    names.Remove(1);
    EXPECT_EQ(names.item(1), "/b.bdf");
    EXPECT_EQ(errorOf([&] { names.item(0); }), kErrBadIndex);
    EXPECT_EQ(errorOf([&] { names.setItem(2, "x"); }), kErrBadIndex);
}

TEST(DocumentModel, InternalsReadAndWriteTypedMembers) {
    auto document = Document::create();
    EXPECT_EQ(errorOf([&] { internals::BDFStructure(*document); }), kErrNoSuchMember);
    TypeObject& type = document->AddType("Internals", "CLSID_ParamObjType");
    for (const char* name : {"BDFMajorver", "BDFMinorver", "BDFStructure"}) {
        type.AddProperty(name, "integer");
    }
    type.AddProperty("BDFLastUpdate", "datetime");
    EXPECT_EQ(internals::BDFStructure(*document), 0);  // unset reads as 0
    EXPECT_FALSE(internals::BDFLastUpdate(*document).isValid());
    internals::setBDFMajorVer(*document, 4);
    internals::setBDFMinorver(*document, 7);
    const QDateTime when(QDate(2026, 12, 6), QTime(9, 5, 30));
    internals::setBDFLastUpdate(*document, when);
    EXPECT_EQ(internals::BDFMajorVer(*document), 4);
    EXPECT_EQ(internals::BDFMinorver(*document), 7);
    EXPECT_EQ(document->PathValue("internals.bdflastupdate"), "2026-12-06T09:05:30");
    EXPECT_EQ(internals::BDFLastUpdate(*document), when);
    type.SetParamDefValue("BDFStructure", "three");
    EXPECT_EQ(errorOf([&] { internals::BDFStructure(*document); }), kErrTypeMismatch);
}
