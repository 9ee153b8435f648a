#include "LifecycleFixture.h"

namespace sentrel::test {
namespace {

// Older files made through the document library itself: structure 1 has "Internals"
// without the later filter fields, structure 0 has no "Internals" at all.
class UpgradeTest : public LifecycleTest {
  protected:
    QString makeOldBdf(const QString& name, int structure, const QList<int>& priorities) {
        auto document = doc::Document::create();
        doc::TypeObject& root = document->DefaultBrowser();
        for (const char* param : {"i__description", "i__type", "i__lastupd"})
            root.AddParameter(QLatin1String(param), QStringLiteral("String"));
        document->AddInheritedType(QStringLiteral("ie6"), QStringLiteral("DefaultBrowser"));
        if (structure > 0) {
            doc::TypeObject& internals = document->AddType(QStringLiteral("Internals"),
                                                           QStringLiteral("CLSID_ParamObjType"));
            internals.AddProperty(QStringLiteral("BDFStructure"), QStringLiteral("integer"));
            internals.AddProperty(QStringLiteral("BDFMajorVer"), QStringLiteral("integer"));
            internals.AddProperty(QStringLiteral("BDFMinorver"), QStringLiteral("integer"));
            internals.AddProperty(QStringLiteral("BDFLastUpdate"), QStringLiteral("datetime"));
            doc::internals::setBDFStructure(*document, structure);
            doc::internals::setBDFMajorVer(*document, 4);
            doc::internals::setBDFMinorver(*document, 7);
        }
        doc::TypeObject& filters =
            document->AddType(QStringLiteral("Filters"), QStringLiteral("CLSID_ParamObjType"));
        for (const char* field : {"PropToSet", "MatchStr", "ValToSet", "Priority", "uid"})
            filters.AddProperty(QLatin1String(field), QStringLiteral("string"));
        document->addArrayType(QStringLiteral("FiltersArray"), QStringLiteral("Filters"));
        document->AddProperty(QStringLiteral("FiltersArray"), QStringLiteral("FiltersArray"));
        for (int i = 0; i < priorities.size(); ++i) {
            doc::FilterElement& f = document->FiltersArray()[document->FiltersArray().Add()];
            f.set(QStringLiteral("propToSet"), QStringLiteral("p%1").arg(i));
            f.set(QStringLiteral("matchStr"), QStringLiteral("*m%1*").arg(i));
            f.set(QStringLiteral("priority"), QString::number(priorities[i]));
            f.set(QStringLiteral("uId"), QString::number(100 + i));
        }
        document->save(path(name));
        dir.write(QString(name).replace(QStringLiteral(".bdf"), QStringLiteral(".mrg")), {});
        dir.write(QString(name).replace(QStringLiteral(".bdf"), QStringLiteral(".bdd")), {});
        return path(name);
    }

    // "prop:priority:uid:filterType:dataField" for each filter, in stored order.
    static QStringList filtersOf(doc::Document& document) {
        QStringList rows;
        doc::FiltersArray& filters = document.FiltersArray();
        for (int i = 0; i < filters.Count(); ++i) {
            QStringList fields;
            for (const char* field : {"propToSet", "priority", "uId", "filterType", "DataField"})
                fields << filters[i].text(QLatin1String(field));
            rows << fields.join(u':');
        }
        return rows;
    }
};

TEST_F(UpgradeTest, StructureOneReachesThreeInOneOpenKeepingFilterOrder) {
    const QString file = makeOldBdf(QStringLiteral("one.bdf"), 1, {5, 1, 3, 1});
    life.OpenFile(file);
    EXPECT_TRUE(ui.messages().isEmpty());
    ASSERT_TRUE(state.hasDocument());
    EXPECT_EQ(view.waitMessages,
              QStringList{
                  QStringLiteral("Updating the internal structure of this BDF.  Please wait...")});
    EXPECT_FALSE(view.waitShown);
    const QStringList expected{"p1:1:101:0:", "p3:1:103:0:", "p2:3:102:0:", "p0:5:100:0:"};
    auto onDisk = doc::Document::load(file);
    EXPECT_EQ(doc::internals::BDFStructure(*onDisk), 3);
    EXPECT_EQ(filtersOf(*onDisk), expected);
    EXPECT_EQ(filtersOf(*state.document()), expected);
    EXPECT_EQ(view.status[QStringLiteral("Version")], QStringLiteral(" BDF Version: 4.07  "));
    EXPECT_FALSE(state.filtersUnsorted);
    EXPECT_TRUE(state.document()->isLocked());
}

TEST_F(UpgradeTest, StructureZeroGetsVersionOneAndTheNewLayout) {
    const QString file = makeOldBdf(QStringLiteral("zero.bdf"), 0, {2, 1});
    life.OpenFile(file);
    ASSERT_TRUE(state.hasDocument());
    auto onDisk = doc::Document::load(file);
    EXPECT_EQ(doc::internals::BDFStructure(*onDisk), 3);
    EXPECT_EQ(doc::internals::BDFMajorVer(*onDisk), 1);
    EXPECT_EQ(doc::internals::BDFMinorver(*onDisk), 0);
    EXPECT_TRUE(doc::internals::BDFLastUpdate(*onDisk).isValid());
    EXPECT_EQ(filtersOf(*onDisk), (QStringList{"p1:1:101:0:", "p0:2:100:0:"}));
    EXPECT_EQ(view.status[QStringLiteral("Version")], QStringLiteral(" BDF Version: 1.00  "));
}

TEST_F(UpgradeTest, AnUpgradeThatCannotBeSavedIsNotPassedOffAsDone) {
    const QString file = makeOldBdf(QStringLiteral("ro.bdf"), 1, {1});
    life.services().save = [](doc::Document&, const QString&) {
        throw AppError(AppError::kPermissionDenied, QStringLiteral("Permission denied"));
    };
    life.OpenFile(file);
    ASSERT_EQ(titles(), QStringList{QStringLiteral("BDF structure updated failed")});
    EXPECT_EQ(ui.messages()[0].text, QStringLiteral("Unable to update internal structure of BDF"));
    EXPECT_FALSE(state.hasDocument());
    EXPECT_FALSE(view.waitShown);
    EXPECT_EQ(doc::internals::BDFStructure(*doc::Document::load(file)), 1);
}

}  // namespace
}  // namespace sentrel::test
