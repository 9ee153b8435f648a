// The records that take a document from one state back to an earlier one (what an undo
// journals): replayed onto the later state they give the earlier one, and record 13 brings
// a deleted browser back under the replay's rules.
#include <gtest/gtest.h>

#include <functional>

#include "document/Document.h"
#include "document/Vocabulary.h"
#include "document/merge/ChangeRecords.h"
#include "document/merge/MergeReplay.h"
#include "editor/lifecycle/MergeRecord.h"
#include "support/DocumentContent.h"

namespace sentrel::test {
namespace {

using doc::ChangeRecord;
using Records = std::vector<ChangeRecord>;

const QString kMaindefs = QStringLiteral(SENTREL_DATA_DIR "/maindefs.bdf");
const QString kStamp = QStringLiteral("2026-12-06T10:00:00");

QByteArray linesOf(const Records& records) {
    QByteArray text;
    for (const ChangeRecord& r : records) text += lifecycle::MergeRecord{r.code, r.fields}.line();
    return text;
}

std::vector<int> codesOf(const Records& records) {
    std::vector<int> codes;
    for (const ChangeRecord& r : records) codes.push_back(r.code);
    return codes;
}

void removeFiltersSetting(doc::Document& document, const QString& property) {
    doc::FiltersArray& filters = document.FiltersArray();
    for (int i = filters.Count() - 1; i >= 0; --i) {
        if (filters[i].text("propToSet").compare(property, Qt::CaseInsensitive) == 0) {
            filters.Remove(i);
        }
    }
}

// The sample definitions as they are on disk, for the values the records give back.
doc::Document& sample() {
    static const std::unique_ptr<doc::Document> document = doc::Document::load(kMaindefs);
    return *document;
}

int filterIndex(doc::Document& document, int uId) {
    const doc::FiltersArray& filters = document.FiltersArray();
    for (int i = 0; i < filters.Count(); ++i) {
        if (filters[i].number("uId") == uId) return i;
    }
    return -1;
}

std::array<QString, 5> filterFields(int uId) {
    const doc::FilterElement& f = sample().FiltersArray()[filterIndex(sample(), uId)];
    return {f.text("uId"), f.text("propToSet"), f.text("matchStr"), doc::FilterValueField::pack(f),
            f.text("priority")};
}

// Edits a copy of the sample definitions and answers the records that take the edited copy
// back to the original, after checking that replaying them does exactly that.
Records recordsUndoing(const std::function<void(doc::Document&)>& edit) {
    const std::unique_ptr<doc::Document> original = doc::Document::load(kMaindefs);
    const std::unique_ptr<doc::Document> edited = doc::Document::load(kMaindefs);
    edit(*edited);
    const Records records = doc::changeRecords(*edited, *original, kStamp);
    const doc::ReplayReport report = doc::MergeReplay(*edited).replay(linesOf(records));
    EXPECT_EQ(report.count(doc::ReplayOutcome::Conflict), 0) << report.text().toStdString();
    EXPECT_EQ(documentContent(*edited), documentContent(*original));
    return records;
}

TEST(ChangeRecords, NothingChangedNeedsNoRecord) {
    EXPECT_TRUE(recordsUndoing([](doc::Document&) {}).empty());
}

TEST(ChangeRecords, TypeEditsAreTakenBackOneRecordEach) {
    // A deleted browser comes back with its kind.
    EXPECT_EQ(recordsUndoing([](doc::Document& d) {
                  d.Path("chrome124").SetParamDefValue(mainMod::kTypeParam, "-1");
              }),
              Records({{13, {"chrome124", "", "0", "", ""}}}));
    // An added browser and folder are marked deleted again, the deepest first.
    EXPECT_EQ(
        recordsUndoing([](doc::Document& d) {
            d.AddInheritedType("tablets1234567", "mobile")
                .SetParamDefValue(mainMod::kTypeParam, "2");
            doc::TypeObject& ipad = d.AddInheritedType("ipad1234567", "tablets1234567");
            ipad.SetParamDefValue(mainMod::kDescriptionParam, "iPad");
            ipad.SetParamDefValue(mainMod::kTypeParam, "0");
        }),
        Records({{3, {"ipad1234567", "", "", "", ""}}, {3, {"tablets1234567", "", "", "", ""}}}));
    // A description and a pattern get their old texts back.
    EXPECT_EQ(
        recordsUndoing([](doc::Document& d) {
            d.Path("safari18").SetParamDefValue(mainMod::kDescriptionParam, "Safari \"18\"");
            d.Path("safari18").SetParamDefValue(mainMod::kUserAgentParam, "*Safari*");
        }),
        Records({{2, {"safari18", "", "Safari 18", "", kStamp}},
                 {5, {"safari18", "", sample().PathValue("safari18.i__userAgent"), "", kStamp}}}));
}

TEST(ChangeRecords, PropertyEditsAreTakenBack) {
    // A rename is taken back by the opposite rename; the filters follow it back.
    EXPECT_EQ(recordsUndoing([](doc::Document& d) {
                  d.DefaultBrowser().Rename("Platform", "OS");
                  d.FiltersArray()[0].set("propToSet", "OS");
              }),
              Records({{7, {"OS", "Platform", "", "", ""}}}));
    // An added property is removed again.
    EXPECT_EQ(
        recordsUndoing([](doc::Document& d) { d.DefaultBrowser().AddParameter("Vr", "Boolean"); }),
        Records({{9, {"Vr", "", "", "", ""}}}));
    // Values set on several types: each type gets the value it read before.
    const Records values = recordsUndoing([](doc::Document& d) {
        for (const char* name : {"chrome131", "chrome130"}) {
            d.Path(name).SetParamDefValue("RenderingEngine", "Presto");
        }
    });
    const QString engine = sample().PathValue("chrome131.RenderingEngine");
    ASSERT_NE(engine, "Presto");
    const Records expected{{8, {"chrome131", "RenderingEngine", engine, "", kStamp}},
                           {8, {"chrome130", "RenderingEngine", engine, "", kStamp}}};
    EXPECT_EQ(values.size(), expected.size());
    EXPECT_TRUE(std::is_permutation(values.begin(), values.end(), expected.begin()));
}

TEST(ChangeRecords, ARemovedPropertyComesBackWithItsValuesAndFilters) {
    const Records records = recordsUndoing([](doc::Document& d) {
        d.DefaultBrowser().deleteProperty("Platform");
        removeFiltersSetting(d, "Platform");
    });
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records.front(),
              ChangeRecord({6, {"Platform", "DefaultBrowser", "String", "Unknown", "Unknown"}}));
    const std::vector<int> codes = codesOf(records);
    EXPECT_TRUE(std::is_sorted(codes.begin() + 1, codes.end()));
    // A filter back for each that went, a value for each live type that read another one.
    int filters = 0;
    for (int i = 0; i < sample().FiltersArray().Count(); ++i) {
        filters += sample().FiltersArray()[i].text("propToSet") == "Platform";
    }
    int values = 0;
    for (const QString& name : sample().types()) {
        if (!mainMod::isBrowserType(name)) continue;
        doc::TypeObject& type = sample().Path(name);
        values += type.Path(mainMod::kTypeParam) != "-1" && type.Path("Platform") != "Unknown";
    }
    EXPECT_EQ(std::count(codes.begin(), codes.end(), 10), filters);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), 8), values);
}

TEST(ChangeRecords, FilterEditsAreTakenBackRemovalsFirst) {
    const Records records = recordsUndoing([](doc::Document& d) {
        doc::FiltersArray& filters = d.FiltersArray();
        filters[filterIndex(d, 1)].set("valToSet", "Win");
        filters.Remove(filterIndex(d, 2));
        const int added = filters.Add();
        filters[added].set("propToSet", "Cookies");
        filters[added].set("matchStr", "*");
        filters[added].set("valToSet", "True");
        filters[added].set("priority", 1);
        filters[added].set("uId", 99);
        filters[added].set("filterType", 1);
        filters[added].set("DataField", "session");
    });
    EXPECT_EQ(
        records,
        Records({{12, {"99", "", "", "", ""}}, {11, filterFields(1)}, {10, filterFields(2)}}));
}

class RestoreRecord : public ::testing::Test {
  protected:
    doc::ReplayEntry replay(const lifecycle::MergeRecord& record) {
        const doc::ReplayReport report = doc::MergeReplay(*document).replay(record.line());
        EXPECT_EQ(report.entries.size(), 1u);
        return report.entries.front();
    }
    void markDeleted(const QString& name) {
        document->Path(name).SetParamDefValue(mainMod::kTypeParam, "-1");
    }
    QString kindOf(const QString& name) { return document->Path(name).Path(mainMod::kTypeParam); }

    std::unique_ptr<doc::Document> document = doc::Document::load(kMaindefs);
};

TEST_F(RestoreRecord, BringsADeletedTypeBackOnceAndOnlyUnderALiveParent) {
    markDeleted("chrome124");
    EXPECT_EQ(replay({13, {"chrome124", "", "0", "", ""}}).outcome, doc::ReplayOutcome::Applied);
    EXPECT_EQ(kindOf("chrome124"), "0");
    EXPECT_EQ(replay({13, {"chrome124", "", "0", "", ""}}).outcome, doc::ReplayOutcome::AlreadySo);

    markDeleted("chrome124");
    markDeleted("chrome");
    const doc::ReplayEntry orphan = replay({13, {"chrome124", "", "0", "", ""}});
    EXPECT_EQ(orphan.outcome, doc::ReplayOutcome::Conflict);
    EXPECT_EQ(orphan.reason, "its parent: the browser or folder \"chrome\" was deleted");
    EXPECT_EQ(kindOf("chrome124"), "-1");
}

TEST_F(RestoreRecord, ConflictsLeaveTheDocumentAlone) {
    markDeleted("safari16");
    const QString description = document->Path("safari16").Path(mainMod::kDescriptionParam);
    document->Path("safari15").SetParamDefValue(mainMod::kDescriptionParam, description);
    const doc::ReplayEntry taken = replay({13, {"safari16", "", "0", "", ""}});
    EXPECT_EQ(taken.outcome, doc::ReplayOutcome::Conflict);
    EXPECT_EQ(taken.reason, "the description \"" + description + "\" is already used");

    document->Path("safari15").SetParamDefValue(mainMod::kDescriptionParam, "Safari 15");
    EXPECT_EQ(replay({13, {"safari16", "", "7", "", ""}}).reason, "unknown kind \"7\"");
    EXPECT_EQ(replay({13, {"nosuchtype", "", "0", "", ""}}).reason,
              "the browser or folder \"nosuchtype\" does not exist");
    EXPECT_EQ(kindOf("safari16"), "-1");
}

}  // namespace
}  // namespace sentrel::test
