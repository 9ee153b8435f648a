#include <gtest/gtest.h>

#include "EditingFixture.h"
#include "document/DocumentWriter.h"
#include "editing/ApplyToBranch.h"
#include "editing/DescriptionEdit.h"
#include "editing/FilterPropertyEdit.h"
#include "editing/PropFormFields.h"

using namespace sentrel;
using sentrel::test::RecordedMerge;
using sentrel::test::ShownDocument;
namespace pf = sentrel::editing::propform;

namespace {

QVariantMap newProperty(const QString& name, const QString& type, const QString& value,
                        const QString& defaultValue = {}) {
    return {{pf::kName, name},
            {pf::kDataType, type},
            {pf::kValue, value},
            {pf::kDefaultValue, defaultValue}};
}

const MessageRequest kInvalidName{
    "Invalid Property Name",
    "The property name entered is invalid. A property name must\r\nbe unique, begin with a "
    "letter and contain only letters and numbers.\r\nAdditionally, it can not be a system "
    "property name.",
    MsgIcon::Exclamation};

const ScriptedInteraction::Event& lastDialog(const ScriptedInteraction& script) {
    for (auto it = script.events().rbegin(); it != script.events().rend(); ++it) {
        if (it->kind == ScriptedInteraction::Event::Kind::Dialog) return *it;
    }
    throw std::logic_error("no dialog was shown");
}

}  // namespace

TEST(ApplyToBranch, BranchGetsTheValueEveryOtherBrowserTheDefault) {
    auto document = test::makeTestDocument();
    document->Path("chrome131").SetParamDefValue("i__type", "-1");  // deleted ones too
    editing::applyToBranch("chrome", "Browser", "other", "branch", *document);
    EXPECT_EQ(document->Path("chrome").Path("Browser"), "branch");
    EXPECT_EQ(document->Path("chrome131").Path("Browser"), "branch");
    EXPECT_EQ(document->Path("firefox").Path("Browser"), "other");
    EXPECT_EQ(document->Path("DefaultBrowser").Path("Browser"), "other");
    editing::applyToBranch("DefaultBrowser", "Browser", "other", "all", *document);
    EXPECT_EQ(document->Path("mobile").Path("Browser"), "all");
}

TEST(AddProperty, AtALeafAndAtTheRoot) {
    ShownDocument shown;
    test::FakeWindow& window = shown.window;
    shown.click("chrome");
    window.script.answerDialog(newProperty("Vendor", "String", "Google", "none"));
    shown.operations.addProperty();

    const auto& dialog = lastDialog(window.script);
    EXPECT_EQ(dialog.fields.value(pf::kCaption), "Add New Property");
    EXPECT_EQ(dialog.fields.value(pf::kDataType), "String");
    EXPECT_TRUE(dialog.fields.value(pf::kDefaultVisible).toBool());
    EXPECT_EQ(shown.value("chrome", "Vendor"), "Google");
    EXPECT_EQ(shown.value("chrome131", "Vendor"), "Google");
    EXPECT_EQ(shown.value("firefox", "Vendor"), "none");
    EXPECT_EQ(shown.value("DefaultBrowser", "Vendor"), "none");
    EXPECT_EQ(window.merges.back(),
              (RecordedMerge{6, {"Vendor", "chrome", "String", "none", "Google"}}));
    EXPECT_EQ(shown.views.selectedPropertyRows(), QStringList{"Vendor"});
    const views::RowListModel& rows = shown.views.propertyList();
    EXPECT_EQ(rows.row(rows.rowOfKey("Vendor")).cells.value(1), "Google");
    EXPECT_EQ(rows.row(rows.rowOfKey("Vendor")).image, "string");
    EXPECT_TRUE(window.filterDialogStale);
    EXPECT_EQ(window.modified, 1);
    EXPECT_EQ(window.panels.value("Status"), "");

    // At the root the default is hidden and every browser gets the value; the dialog
    // starts with the data type used last, a Boolean preset to True.
    shown.click("DefaultBrowser");
    window.script.answerDialog(newProperty("Mobile", "Boolean", "False"));
    shown.operations.addProperty();
    window.script.answerDialog(newProperty("Tablet", "Boolean", "True"));
    shown.operations.addProperty();
    const auto& atRoot = lastDialog(window.script);
    EXPECT_FALSE(atRoot.fields.value(pf::kDefaultVisible).toBool());
    EXPECT_EQ(atRoot.fields.value(pf::kDataType), "Boolean");
    EXPECT_EQ(atRoot.fields.value(pf::kValue), "True");
    for (const QString type : {"DefaultBrowser", "chrome131", "mobile"}) {
        EXPECT_EQ(shown.value(type, "Mobile"), "False") << type.toStdString();
    }
}

TEST(AddProperty, TheDialogRefusesBadNamesAndValues) {
    ShownDocument shown;
    test::FakeWindow& window = shown.window;
    shown.views.setDisplayOptions([] { return views::DisplayOptions{false, false}; });
    shown.views.refreshNode("DefaultBrowser", true);
    window.script.answerDialog(newProperty("browser", "String", ""));  // listed as Browser
    window.script.answerDialog(newProperty("i__x", "String", ""));
    window.script.answerDialog(newProperty("MajorVer", "String", ""));  // hidden, exists
    window.script.answerDialog(newProperty("2_speed", "String", ""));
    window.script.answerDialog(newProperty("Speed", "Integer", "7.5"));
    window.script.answerDialog(newProperty("Speed", "Integer", "7", "fast"));
    window.script.answerDialog(newProperty("Speed", "Integer", "7", "7.0"));
    shown.operations.addProperty();

    const QList<MessageRequest> messages = window.script.messages();
    ASSERT_EQ(messages.size(), 6);
    EXPECT_EQ(messages.mid(0, 4), QList<MessageRequest>(4, kInvalidName));
    EXPECT_EQ(messages[4].text,
              "The specified value \"7.5\" is not valid for the selected data type.");
    EXPECT_EQ(messages[4].title, "Invalid Property Value Specified");
    EXPECT_EQ(messages[5].text,
              "The specified value \"fast\" is not valid for the selected data type.");
    EXPECT_EQ(messages[5].title, "Invalid Property Default Value Specified");
    EXPECT_EQ(shown.value("firefox", "Speed"), "7") << "at the root every browser gets the value";

    window.script.cancelDialog();
    shown.operations.addProperty();
    EXPECT_EQ(window.merges.size(), 1u) << "a cancelled dialog changes nothing";
}

TEST(ChangeProperty, DialogFieldsAndTheChildBrowsers) {
    ShownDocument shown;
    test::FakeWindow& window = shown.window;
    shown.click("firefox");
    window.script.cancelDialog();
    shown.operations.changeProperty("CSSVersion");
    const auto& leaf = lastDialog(window.script);
    EXPECT_EQ(leaf.fields.value(pf::kCaption), "Change property from: <undefined>");
    EXPECT_FALSE(leaf.fields.value(pf::kApplyEnabled).toBool()) << "firefox has no children";
    EXPECT_FALSE(leaf.fields.value(pf::kNameEnabled).toBool());
    EXPECT_EQ(leaf.fields.value(pf::kDataType), "Integer");
    EXPECT_EQ(window.modified, 0);

    shown.click("desktop");
    window.script.answerDialog({{pf::kValue, "Desktop browser"}, {pf::kApply, true}});
    shown.operations.changeProperty("Browser");
    const auto& folder = lastDialog(window.script);
    EXPECT_EQ(folder.fields.value(pf::kCaption), "Change property from: (Unknown)");
    EXPECT_EQ(folder.fields.value(pf::kDefaultValue), "Unknown");
    EXPECT_TRUE(folder.fields.value(pf::kApplyEnabled).toBool());
    for (const QString type : {"desktop", "chrome", "chrome131", "firefox"}) {
        EXPECT_EQ(shown.value(type, "Browser"), "Desktop browser") << type.toStdString();
        EXPECT_EQ(shown.value(type, "i__lastupd"), window.dateStamp());
    }
    EXPECT_EQ(shown.value("mobile", "Browser"), "Unknown");
    EXPECT_EQ(window.merges.back(),
              (RecordedMerge{
                  8, {"desktop", "Browser", "Desktop browser", "children", window.dateStamp()}}));
    const views::RowListModel& rows = shown.views.propertyList();
    EXPECT_EQ(rows.row(rows.rowOfKey("Browser")).cells.value(1), "Desktop browser");

    // Without the box only the selected type changes.
    window.script.answerDialog({{pf::kValue, "Folder only"}});
    shown.operations.changeProperty("Browser");
    EXPECT_EQ(shown.value("chrome", "Browser"), "Desktop browser");
    EXPECT_EQ(window.merges.back().fields[3], "");

    window.script.clear();
    shown.operations.changeProperty("i__type");
    EXPECT_EQ(window.script.messages().value(0).text,
              "The property you are trying to change\r\nis a read-only system property.");
    EXPECT_EQ(window.script.messages().value(0).icon, MsgIcon::Information);
}

TEST(RenameProperty, ProtectedNamesTakenNamesAndFilters) {
    ShownDocument shown;
    test::FakeWindow& window = shown.window;
    for (const QString name : {"majorver", "i__type"}) {
        EXPECT_FALSE(shown.operations.renameProperty(name, "other"));
    }
    ASSERT_EQ(window.script.messages().size(), 2);
    EXPECT_EQ(window.script.messages()[0].text,
              "The property you are trying to rename is a system\r\n"
              "property.  System properties can not be renamed.");
    EXPECT_EQ(window.script.messages()[0].title, "Can not rename this property");

    // A taken name changes nothing: no record, no filter moved to the other property.
    EXPECT_FALSE(shown.operations.renameProperty("Browser", "cookies"));
    EXPECT_TRUE(window.merges.empty());
    EXPECT_EQ(shown.filterProperties().value(0), "Browser");

    // The property list's label edit: the row, the filters and their rows follow.
    views::RowListModel& rows = shown.views.propertyList();
    EXPECT_TRUE(rows.setData(rows.index(rows.rowOfKey("Cookies"), 0), "AcceptsCookies"));
    EXPECT_EQ(rows.rowOfKey("Cookies"), -1);
    EXPECT_EQ(rows.row(rows.rowOfKey("AcceptsCookies")).cells.value(0), "AcceptsCookies");
    EXPECT_EQ(shown.filterProperties().value(1), "AcceptsCookies") << "matched in any case";
    EXPECT_EQ(shown.views.filterList().row(1).cells.value(0), "AcceptsCookies");
    EXPECT_EQ(window.merges.back(), (RecordedMerge{7, {"Cookies", "AcceptsCookies", "", "", ""}}));
    EXPECT_EQ(window.modified, 1);

    EXPECT_FALSE(rows.setData(rows.index(rows.rowOfKey("Browser"), 0), "CSSVersion"));
    EXPECT_EQ(window.script.messages().last().text,
              "The new name for this property already exists.");
    EXPECT_EQ(window.script.messages().last().title, "Property Already Exists");
}

TEST(RemoveProperties, OneWithoutQuestionSeveralAfterOne) {
    ShownDocument shown;
    test::FakeWindow& window = shown.window;
    shown.selectRows({"CSSVersion"});
    shown.operations.removeProperties();
    EXPECT_TRUE(window.script.messages().isEmpty());
    EXPECT_FALSE(shown.document->DefaultBrowser().hasParameter("CSSVersion"));
    EXPECT_EQ(shown.filterProperties(), (QStringList{"Browser", "cookies"}));
    EXPECT_EQ(window.merges.back(), (RecordedMerge{9, {"CSSVersion", "", "", "", ""}}));

    window.script.answerDialog(newProperty("Extra", "String", ""));
    shown.operations.addProperty();
    shown.selectRows({"Browser", "Cookies", "Extra"});
    window.script.answerMessage(MsgAnswer::Cancel);
    shown.operations.removeProperties();
    EXPECT_TRUE(shown.document->DefaultBrowser().hasParameter("Browser"));

    window.script.answerMessage(MsgAnswer::OK);
    shown.operations.removeProperties();
    const MessageRequest question{"Remove multiple browser properties",
                                  "You have chosen to remove 3 properties from all defined "
                                  "browsers.\nYou can undo this with Edit > Undo.  Do you wish "
                                  "to procede?",
                                  MsgIcon::Question, MsgButtons::OKCancel, 2};
    EXPECT_EQ(window.script.messages(), QList<MessageRequest>(2, question));
    EXPECT_TRUE(shown.filterProperties().isEmpty()) << "the filters went with their properties";
    EXPECT_EQ(shown.views.filterList().size(), 0);
    EXPECT_FALSE(window.enabled("miFiltersChange"));
    EXPECT_EQ(shown.views.propertyList().texts(), (QStringList{"majorver", "minorver"}));
    EXPECT_EQ(window.merges.back().code, 9);
}

TEST(RemoveProperties, AFailedRecordKeepsWhatWasRemovedBeforeIt) {
    ShownDocument shown;
    test::FakeWindow& window = shown.window;
    shown.selectRows({"Browser", "Cookies"});
    window.script.answerMessage(MsgAnswer::OK);
    window.journalFailure = AppError(61, "Disk full");
    window.recordsBeforeFailure = 1;
    EXPECT_THROW(shown.operations.removeProperties(), AppError);

    EXPECT_FALSE(shown.document->DefaultBrowser().hasParameter("Browser"));
    EXPECT_TRUE(shown.document->DefaultBrowser().hasParameter("Cookies"));
    EXPECT_EQ(window.merges, (std::vector<RecordedMerge>{{9, {"Browser", "", "", "", ""}}}));
    EXPECT_EQ(shown.views.propertyList().rowOfKey("Browser"), -1);
    EXPECT_GE(shown.views.propertyList().rowOfKey("Cookies"), 0);
    EXPECT_EQ(shown.filterProperties(), (QStringList{"cookies", "CSSVersion"}));
    EXPECT_EQ(window.modified, 1);
}

TEST(RenameProperty, TheNewNameFollowsTheDialogsNameRule) {
    ShownDocument shown;
    test::FakeWindow& window = shown.window;
    for (const QString name : {"i__x", "I__Browser", "my browser", "a.b", "2x", ""}) {
        EXPECT_FALSE(shown.operations.renameProperty("Browser", name)) << name.toStdString();
    }
    EXPECT_EQ(window.script.messages(), QList<MessageRequest>(6, kInvalidName));
    EXPECT_TRUE(window.merges.empty());
    EXPECT_TRUE(shown.document->DefaultBrowser().hasParameter("Browser"));

    // The property list's label edit tells the user once.
    window.script.clear();
    views::RowListModel& rows = shown.views.propertyList();
    EXPECT_FALSE(rows.setData(rows.index(rows.rowOfKey("Browser"), 0), "i__x"));
    EXPECT_EQ(window.script.messages(), QList<MessageRequest>{kInvalidName});

    // Its own name in another letter case is no clash.
    EXPECT_TRUE(shown.operations.renameProperty("Browser", "BROWSER"));
    EXPECT_EQ(window.merges, (std::vector<RecordedMerge>{{7, {"Browser", "BROWSER", "", "", ""}}}));
}

TEST(ChangeProperty, TheDataTypeStaysWhateverTheDialogAnswers) {
    ShownDocument shown;
    test::FakeWindow& window = shown.window;
    shown.click("chrome");
    window.script.answerDialog({{pf::kDataType, "Boolean"}, {pf::kValue, "true"}});
    window.script.answerDialog({{pf::kDataType, "Boolean"}, {pf::kValue, "7"}});
    shown.operations.changeProperty("CSSVersion");

    const MessageRequest invalidValue{
        "Invalid Property Value Specified",
        "The specified value \"true\" is not valid for the selected data type.",
        MsgIcon::Exclamation};
    EXPECT_EQ(window.script.messages(), QList<MessageRequest>{invalidValue});
    EXPECT_EQ(shown.value("chrome", "CSSVersion"), "7");
    EXPECT_EQ(shown.document->DefaultBrowser().GetPropertyType("CSSVersion"), "Integer");
}

TEST(PropertyEdits, AFailedRecordLeavesTheDocumentAndTheListAsTheyWere) {
    ShownDocument shown;
    test::FakeWindow& window = shown.window;
    shown.click("chrome");
    const QByteArray before = doc::DocumentWriter::write(*shown.document);
    const QStringList rows = shown.views.propertyList().texts();
    window.journalFailure = AppError(61, "Disk full");

    window.script.answerDialog(newProperty("Vendor", "String", "Google", "none"));
    EXPECT_THROW(shown.operations.addProperty(), AppError);
    window.script.answerDialog({{pf::kValue, "Chromium"}, {pf::kApply, true}});
    EXPECT_THROW(shown.operations.changeProperty("Browser"), AppError);
    EXPECT_THROW(shown.operations.renameProperty("Browser", "Engine"), AppError);
    shown.selectRows({"CSSVersion"});
    EXPECT_THROW(shown.operations.removeProperties(), AppError);
    EXPECT_THROW(editing::DescriptionEdit(window).apply("chrome", "Chrome", "Chromium"), AppError);
    EXPECT_THROW(editing::FilterPropertyEdit(window).apply("K7", "Cookies"), AppError);

    EXPECT_EQ(doc::DocumentWriter::write(*shown.document), before);
    EXPECT_EQ(shown.views.propertyList().texts(), rows);
    EXPECT_EQ(window.modified, 0);
    EXPECT_EQ(window.panels.value("Status"), "");

    // With the journal working again, the same edits are not "already there".
    window.journalFailure.reset();
    window.script.answerDialog(newProperty("Vendor", "String", "Google", "none"));
    shown.operations.addProperty();
    EXPECT_TRUE(shown.operations.renameProperty("Browser", "Engine"));
    EXPECT_TRUE(window.script.messages().isEmpty());
    EXPECT_EQ(shown.value("chrome", "Vendor"), "Google");
    EXPECT_EQ(window.merges.size(), 2u);
}

TEST(FilterPropertyEdit, TheSameTextChangesNothingAndSystemPropertiesAreRefused) {
    ShownDocument shown;
    test::FakeWindow& window = shown.window;
    editing::FilterPropertyEdit edit(window);
    EXPECT_FALSE(edit.apply("K7", "Browser"));
    EXPECT_TRUE(window.merges.empty());
    EXPECT_EQ(window.modified, 0);
    EXPECT_TRUE(window.script.messages().isEmpty());

    EXPECT_FALSE(edit.apply("K7", "i__type"));
    const MessageRequest invalidName{"Invalid New Name Chosen",
                                     "The new name entered must match an existing property name.",
                                     MsgIcon::Exclamation};
    EXPECT_EQ(window.script.messages(), QList<MessageRequest>{invalidName});
    EXPECT_EQ(shown.filterProperties().value(0), "Browser");

    EXPECT_TRUE(edit.apply("K7", "browser")) << "another letter case is another text";
    EXPECT_EQ(window.merges.size(), 1u);
}
