#include <gtest/gtest.h>

#include <QRegularExpression>

#include "OpsFixture.h"
#include "document/Vocabulary.h"
#include "editing/BrowFormFields.h"

namespace sentrel::test {
namespace {

namespace bf = editing::browform;
using Kind = ScriptedInteraction::Event::Kind;

const QString kStamp = QStringLiteral("2026-12-06T10:00:00");

QVariantMap browser(const QString& description, const QString& parent,
                    const QString& agent = QString()) {
    return {{bf::kDescription, description}, {bf::kParent, parent}, {bf::kUserAgent, agent}};
}

// The type added last to the document.
QString newestType(doc::Document& document) {
    return document.types().constLast();
}

TEST(AddBrowser, UnderAFolderChosenFromLiveParents) {
    Ops ops;
    ops.window.selected = QStringLiteral("chrome");
    ops.window.script.answerDialog(browser("Edge 120", "Desktop", "*Edg/120*"));
    ops.browsers.addBrowser();

    // The parent list holds browsers and folders but not deleted types; it is preset to the
    // selected node.
    const auto& event = ops.window.script.events().front();
    EXPECT_EQ(event.fields.value(bf::kParents).toStringList(),
              QStringList({"Default Browser", "Desktop", "Chrome", "Mobile"}));
    EXPECT_EQ(event.fields.value(bf::kParent).toString(), "Chrome");

    const QString name = newestType(*ops.document);
    EXPECT_TRUE(name.startsWith("edge120"));
    const doc::TypeObject& type = ops.document->Path(name);
    EXPECT_EQ(type.getbasetype()->Name(), "desktop");
    EXPECT_EQ(type.Path("i__description"), "Edge 120");
    EXPECT_EQ(type.Path("i__type"), "0");
    EXPECT_EQ(type.Path("i__userAgent"), "*Edg/120*");
    EXPECT_EQ(type.Path("i__lastupd"), kStamp);
    ASSERT_EQ(ops.window.merges.size(), 1u);
    EXPECT_EQ(ops.window.merges[0], (Merge{4, {name, "desktop", "Edge 120", "*Edg/120*", kStamp}}));

    EXPECT_EQ(ops.window.parents.value(name), "desktop");
    EXPECT_EQ(ops.window.images.value(name), QStringList({"browser", "browser"}));
    EXPECT_EQ(ops.window.selected, name);
    EXPECT_EQ(ops.window.refreshes, QStringList{name});
    EXPECT_EQ(ops.window.quickFind, QStringList{"Edge 120"});
    EXPECT_EQ(ops.window.modified, 1);
    EXPECT_TRUE(ops.window.script.messages().isEmpty());
}

TEST(AddBrowser, DescriptionChecksRunInOrderUntilOneIsAccepted) {
    Ops ops;
    ops.window.script.answerDialog(browser("", "Desktop"));
    ops.window.script.answerDialog(browser("cHROME", "Desktop"));  // exists, other case
    ops.window.script.answerDialog(browser("--", "Desktop"));
    ops.window.script.answerDialog(browser("i__hidden", "Desktop"));
    ops.window.script.answerDialog(browser("123", "Desktop"));
    ops.window.script.answerDialog(browser("9 to 5", "Desktop"));
    ops.browsers.addBrowser();

    EXPECT_EQ(ops.messageTitles(),
              QStringList({"Description Required", "Description Already Exists",
                           "Invalid Description Entered", "Invalid Description Entered",
                           "Invalid Description Entered"}));
    const auto messages = ops.window.script.messages();
    EXPECT_EQ(messages[1].text,
              "The description you entered already exists.\r\n"
              "Please retry using a unique description.");
    EXPECT_EQ(messages[1].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(QRegularExpression("^A9to5[0-9]{7}$").match(newestType(*ops.document)).hasMatch());
    EXPECT_TRUE(ops.window.script.allAnswersUsed());
}

TEST(AddBrowser, DeletedDescriptionIsFreeAgain) {
    Ops ops;
    ops.window.script.answerDialog(browser("Old IE", "Default Browser"));
    ops.browsers.addBrowser();
    EXPECT_TRUE(ops.window.script.messages().isEmpty());
    EXPECT_EQ(ops.document->Path(newestType(*ops.document)).Path("i__description"), "Old IE");
}

TEST(AddBrowser, CancelOrAVanishedParentAddsNothing) {
    Ops ops;
    const int types = ops.document->types().size();
    ops.window.script.cancelDialog();
    ops.browsers.addBrowser();
    // The parent is found by its exact description.
    ops.window.script.answerDialog(browser("Opera", "desktop"));
    ops.browsers.addBrowser();

    EXPECT_EQ(ops.document->types().size(), types);
    ASSERT_EQ(ops.window.script.messages().size(), 1);
    const MessageRequest message = ops.window.script.messages().front();
    EXPECT_EQ(message.text,
              "Error: Could not find browser name for matching description. Browser not added.");
    EXPECT_EQ(message.title, "Browser Not Found");
    EXPECT_EQ(message.icon, MsgIcon::Critical);
    EXPECT_TRUE(ops.window.merges.empty());
    EXPECT_EQ(ops.window.modified, 0);
}

TEST(CreateFolder, AsksAgainWhileTheDescriptionExists) {
    Ops ops;
    ops.window.selected = QStringLiteral("mobile");
    ops.window.script.answerInput(QStringLiteral("desktop"));
    ops.window.script.answerInput(QStringLiteral("Tablets"));
    ops.browsers.createFolder();

    const auto& first = ops.window.script.events().front();
    ASSERT_EQ(first.kind, Kind::Input);
    EXPECT_EQ(first.input.title, "Create Browser Folder");
    EXPECT_EQ(first.input.prompt,
              "Please enter a title for the new folder:\n\nExamples:\n\n"
              "\tNetscape v3\n\tMSIE v4\n\tNCSA Mosaic v3\n\n");
    ASSERT_EQ(ops.window.script.messages().size(), 1);
    EXPECT_EQ(ops.window.script.messages()[0].text,
              "This description already exists.  Please\r\nretry and enter a unique description.");

    const QString name = newestType(*ops.document);
    EXPECT_TRUE(name.startsWith("tablets"));
    EXPECT_EQ(ops.document->Path(name).Path("i__type"), "2");
    EXPECT_EQ(ops.document->Path(name).getbasetype()->Name(), "mobile");
    EXPECT_EQ(ops.window.merges,
              (std::vector<Merge>{{1, {name, "mobile", "Tablets", "", kStamp}}}));
    EXPECT_EQ(ops.window.images.value(name), QStringList({"folder", "foldersel"}));
    EXPECT_EQ(ops.window.refreshes, QStringList{name + " full"});
    EXPECT_EQ(ops.window.modified, 1);
}

TEST(CreateFolder, UnderACustomIconFolderTakesItsIcon) {
    Ops ops;
    ops.window.selected = QStringLiteral("desktop");
    ops.window.script.answerInput(QStringLiteral("1st"));
    ops.browsers.createFolder();
    const QString name = newestType(*ops.document);
    EXPECT_TRUE(QRegularExpression("^x1st[0-9]{7}$").match(name).hasMatch());
    EXPECT_EQ(ops.window.images.value(name), QStringList({"custom", "custom"}));
    EXPECT_EQ(ops.window.merges.at(0).fields[3], "custom");
}

TEST(CreateFolder, EndsQuietlyOnCancelAndEmptyAndRefusesHyphens) {
    Ops ops;
    const int types = ops.document->types().size();
    ops.window.script.answerInput(std::nullopt);
    ops.browsers.createFolder();
    ops.window.script.answerInput(QString());
    ops.browsers.createFolder();
    EXPECT_TRUE(ops.window.script.messages().isEmpty());

    ops.window.script.answerInput(QStringLiteral("--"));
    ops.browsers.createFolder();
    ASSERT_EQ(ops.window.script.messages().size(), 1);
    const MessageRequest message = ops.window.script.messages()[0];
    EXPECT_EQ(message.text,
              "You did not enter a valid description for this folder.  A description must begin "
              "with a letter.  Folder not added.");
    EXPECT_EQ(message.icon, MsgIcon::None);
    EXPECT_EQ(ops.document->types().size(), types);
    EXPECT_EQ(ops.window.modified, 0);
}

TEST(CreateFolder, ReportsAFailedJournalWrite) {
    Ops ops;
    ops.window.journalFailure = AppError(61, "Disk full");
    ops.window.script.answerInput(QStringLiteral("Robots"));
    ops.browsers.createFolder();
    ASSERT_EQ(ops.window.script.messages().size(), 1);
    const MessageRequest message = ops.window.script.messages()[0];
    EXPECT_EQ(message.text,
              "An unexpected error occurred trying to add this folder. Err #61, Description: "
              "Disk full");
    EXPECT_EQ(message.title, "Unexpected error");
    EXPECT_EQ(message.icon, MsgIcon::Exclamation);
}

TEST(SetUserAgent, StoresANonEmptyPatternAndTitlesWithoutLeadingBlank) {
    Ops ops;
    ops.window.selected = QStringLiteral("chrome");
    ops.window.script.answerInput(QString());  // an empty answer cannot clear the pattern
    ops.browsers.setUserAgent();
    EXPECT_EQ(ops.document->Path("chrome").Path("i__userAgent"), "*Chrome*");
    EXPECT_TRUE(ops.window.merges.empty());

    ops.window.showSystem = true;
    ops.window.script.answerInput(QStringLiteral("Mozilla/5.0*Chrome/*"));
    ops.browsers.setUserAgent();
    const auto& events = ops.window.script.events();
    EXPECT_EQ(events[1].input.title, "Set matching user agent string");
    EXPECT_EQ(events[1].input.defaultText, "*Chrome*");
    EXPECT_TRUE(events[1].input.prompt.contains("\r\n\tMozilla/4.0[2-9]*"));
    EXPECT_EQ(ops.document->Path("chrome").Path("i__userAgent"), "Mozilla/5.0*Chrome/*");
    EXPECT_EQ(ops.document->Path("chrome").Path("i__lastupd"), kStamp);
    EXPECT_EQ(ops.window.merges,
              (std::vector<Merge>{{5, {"chrome", "", "Mozilla/5.0*Chrome/*", "", kStamp}}}));
    EXPECT_EQ(ops.window.title, "Browser: Chrome  (Mozilla/5.0*Chrome/*)");
    EXPECT_EQ(ops.window.refreshes, QStringList{"chrome full"});
    EXPECT_EQ(ops.window.modified, 1);
}

TEST(DeleteSelectedType, MarksDeletedKeepsTheTypeAndFreesTheDescription) {
    Ops ops;
    ops.window.selected = QStringLiteral("chrome");
    ops.browsers.deleteSelectedType();

    EXPECT_TRUE(ops.document->hasType("chrome"));
    EXPECT_EQ(ops.document->Path("chrome").Path("i__type"), "-1");
    EXPECT_EQ(ops.deletedTypes, QStringList{"chrome"});
    EXPECT_EQ(ops.window.merges, (std::vector<Merge>{{3, {"chrome", "", "", "", ""}}}));
    EXPECT_FALSE(ops.window.parents.contains("chrome"));
    EXPECT_EQ(ops.window.selected, "desktop");
    EXPECT_EQ(ops.window.refreshes, QStringList{"desktop"});
    EXPECT_EQ(ops.window.quickFindRebuilds, 1);
    EXPECT_TRUE(ops.window.script.events().isEmpty());  // no question asked
    EXPECT_FALSE(editing::BrowserOperations::LoadBrowserParents(*ops.document).contains("Chrome"));
    EXPECT_FALSE(mainMod::descriptionExists("chrome", *ops.document));
}

TEST(DeleteSelectedType, LeavesTheRootAndNodesWithChildren) {
    Ops ops;
    for (const char* key : {"DefaultBrowser", "desktop"}) {
        ops.window.selected = key;
        ops.browsers.deleteSelectedType();
    }
    EXPECT_EQ(ops.document->Path("desktop").Path("i__type"), "2");
    EXPECT_TRUE(ops.window.merges.empty());
    EXPECT_EQ(ops.window.modified, 0);
}

}  // namespace
}  // namespace sentrel::test
