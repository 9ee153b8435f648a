#include <gtest/gtest.h>

#include "editing/EditingFixture.h"
#include "editor/views/BrowserTreeBuilder.h"
#include "shell/AppError.h"
#include "support/TempDir.h"

using namespace sentrel;
using sentrel::test::addBrowser;
using sentrel::test::RecordedMerge;
using sentrel::test::ShownDocument;

namespace {

QStringList childKeys(const views::TreeNode* node) {
    QStringList keys;
    for (const views::TreeNode* child : node->children) keys << child->key;
    return keys;
}

QString buildError(doc::Document& document, QString* lastEntry = nullptr) {
    test::FakeWindow window(document);
    views::BrowserViews views(window);
    QString entry;
    try {
        views.buildViews(document, entry);
    } catch (const AppError& error) {
        if (lastEntry) *lastEntry = entry;
        EXPECT_EQ(views.tree().nodeCount(), 0) << "a failed build leaves the views empty";
        return error.description();
    }
    return {};
}

}  // namespace

TEST(BrowserTreeBuild, TypesInAnyOrderLandUnderTheirBase) {
    auto document = test::makeTestDocument();
    views::BrowserTreeModel tree;
    views::BrowserTreeBuilder builder(tree);
    builder.build(*document, {"chrome131", "Integer", "firefox", "chrome", "mobile", "desktop",
                              "DefaultBrowser", "Filters"});
    EXPECT_EQ(tree.nodeCount(), 6);
    EXPECT_EQ(childKeys(tree.node("desktop")), (QStringList{"firefox", "chrome"}));
    EXPECT_EQ(childKeys(tree.node("chrome")), QStringList{"chrome131"});
    EXPECT_EQ(tree.node("DefaultBrowser")->parent, nullptr);
    // Quick find follows the order in which nodes were placed.
    EXPECT_EQ(builder.descriptions(), (QStringList{"Default Browser", "Mobile", "Desktop",
                                                   "Firefox", "Chrome", "Chrome 131"}));
}

TEST(BrowserTreeBuild, DeletedTypesAndBrokenChainsStopOrSkip) {
    {
        ShownDocument shown;  // nothing deleted: every browser type has a node, data types none
        EXPECT_EQ(shown.views.tree().nodeCount(), 6);
        EXPECT_TRUE(shown.deleted.isEmpty());
    }
    {
        auto document = test::makeTestDocument();
        document->Path("firefox").SetParamDefValue("i__type", "-1");
        ShownDocument shown(std::move(document));
        EXPECT_EQ(shown.deleted, QStringList{"firefox"});
        EXPECT_EQ(shown.views.tree().node("firefox"), nullptr);
        EXPECT_FALSE(shown.views.quickFindEntries().contains("Firefox"));
    }
    {
        auto document = test::makeTestDocument();
        document->Path("chrome").SetParamDefValue("i__type", "-1");  // chrome131's base
        QString lastEntry;
        EXPECT_EQ(buildError(*document, &lastEntry), "Object does not have parent");
        EXPECT_EQ(lastEntry, "chrome131");
    }
    {
        // A type that derives from nothing never reaches the tree.
        test::TempDir dir;
        auto document = test::makeTestDocument();
        document->save(dir.file("orphan.bdf"));
        QByteArray text = test::TempDir::read(dir.file("orphan.bdf"));
        text.insert(text.lastIndexOf("end"), "type stray inherited\n");
        auto loaded = doc::Document::load(dir.write("stray.bdf", text));
        EXPECT_EQ(buildError(*loaded), "Object does not have parent");
    }
}

TEST(BrowserTreeBuild, ImagesQuickFindAndFilterRows) {
    ShownDocument shown;
    const views::BrowserTreeModel& tree = shown.views.tree();
    EXPECT_EQ(tree.node("desktop")->image, "custom");
    EXPECT_EQ(tree.node("desktop")->selectedImage, "custom");
    EXPECT_EQ(tree.node("mobile")->image, "folder");
    EXPECT_EQ(tree.node("mobile")->selectedImage, "foldersel");
    EXPECT_EQ(tree.node("chrome")->image, "browser");
    EXPECT_EQ(tree.node("chrome")->selectedImage, "browser");
    EXPECT_EQ(shown.window.quickFind, (QStringList{"Default Browser", "Desktop", "Chrome",
                                                   "Chrome 131", "Firefox", "Mobile"}));

    // The first node is shown, its rows sorted by name.
    EXPECT_EQ(shown.views.shownKey(), "DefaultBrowser");
    EXPECT_EQ(shown.views.propertyList().texts(),
              (QStringList{"Browser", "Cookies", "CSSVersion", "majorver", "minorver"}));
    EXPECT_EQ(shown.views.propertyList().row(1).image, "boolean");

    const views::RowListModel& filters = shown.views.filterList();
    ASSERT_EQ(filters.size(), 3);
    EXPECT_EQ(filters.row(0).key, "K7");
    EXPECT_EQ(filters.row(0).cells, (QStringList{"Browser", "*match 7*", "v7", "7", "UA", ""}));
    EXPECT_EQ(filters.row(1).cells.value(4), "Cookie");
    EXPECT_EQ(filters.row(2).cells.value(4), "ENV");
    EXPECT_EQ(filters.columnKeys(),
              (QStringList{"property", "condition", "value", "priority", "type", "dataField"}));
    EXPECT_TRUE(shown.window.enabled("miFiltersChange"));
    EXPECT_EQ(shown.views.filterTree().nodeCount(), 1);
    EXPECT_EQ(shown.views.filterTree().node("Filters")->text, "All filters");
}

TEST(RefreshNode, IncrementalKeepsRowsAndFullFollowsTheOptions) {
    ShownDocument shown;
    views::DisplayOptions options;
    shown.views.setDisplayOptions([&options] { return options; });
    const QStringList rowsBefore = shown.views.propertyList().texts();

    shown.click("chrome");
    EXPECT_EQ(shown.views.propertyList().texts(), rowsBefore) << "rows stay, in their order";
    EXPECT_EQ(shown.views.propertyList().row(0).cells.value(1), "Chrome");

    options.showSystem = true;
    options.showVersion = false;
    shown.click("firefox");
    EXPECT_EQ(shown.views.propertyList().texts(), rowsBefore) << "options wait for a full refresh";
    EXPECT_EQ(shown.views.propertyList().row(0).cells.value(1), "Unknown");

    shown.views.refreshNode("firefox", true);
    const QStringList rows = shown.views.propertyList().texts();
    EXPECT_TRUE(rows.contains("i__description"));
    EXPECT_FALSE(rows.contains("majorver"));
}

TEST(RefreshNode, TitleStatusAndCommandStates) {
    ShownDocument shown;
    test::FakeWindow& window = shown.window;
    // The root: no parent, no delete.
    EXPECT_EQ(window.title, " Folder: Default Browser");
    EXPECT_FALSE(window.enabled("miViewParent"));
    EXPECT_FALSE(window.enabled("miBrowsersDelete"));
    EXPECT_FALSE(window.enabled("miBrowsersUserAgent"));
    // The root opens expanded: it can be collapsed, not expanded again.
    EXPECT_FALSE(window.enabled("miBrowsersExpand"));
    EXPECT_TRUE(window.enabled("miBrowsersCollapse"));
    EXPECT_TRUE(window.panels.value("ObjectUpdate").startsWith(" Folder updated: "));
    EXPECT_TRUE(window.panels.value("ObjectUpdate").endsWith(" "));

    shown.click("chrome");
    EXPECT_EQ(window.title, " Browser: Chrome  (*Chrome*)");
    EXPECT_TRUE(window.enabled("miViewParent"));
    EXPECT_FALSE(window.enabled("miBrowsersDelete")) << "it has a child";
    EXPECT_TRUE(window.enabled("miBrowsersUserAgent"));
    EXPECT_EQ(window.quickFindShown, "Chrome");

    shown.views.expandSelected(true);
    EXPECT_FALSE(window.enabled("miBrowsersExpand"));
    EXPECT_TRUE(window.enabled("miBrowsersCollapse"));

    shown.click("firefox");
    EXPECT_EQ(window.title, " Browser: Firefox  (none)");
    EXPECT_TRUE(window.enabled("miBrowsersDelete"));
    EXPECT_FALSE(window.enabled("miBrowsersExpand")) << "no children";
    EXPECT_FALSE(window.enabled("miBrowsersCollapse"));

    shown.views.viewParent();
    EXPECT_EQ(shown.views.selectedTypeName(), "desktop");
    EXPECT_EQ(window.title, " Folder: Desktop");
}

TEST(RefreshNode, PropertyAndFilterCommandsFollowTheSelection) {
    ShownDocument shown;
    test::FakeWindow& window = shown.window;
    int popups = 0;
    QObject::connect(&shown.views, &views::BrowserViews::popupRequested,
                     [&popups](const QString& band) { popups += band == "Properties"; });
    EXPECT_FALSE(window.enabled("miPropertiesChange"));

    shown.selectRows({"Browser"});
    EXPECT_TRUE(window.enabled("miPropertiesChange"));
    EXPECT_TRUE(window.enabled("miPropertiesRename"));
    EXPECT_TRUE(window.enabled("miPropertiesRemove"));

    shown.selectRows({"majorver"});
    EXPECT_TRUE(window.enabled("miPropertiesChange"));
    EXPECT_FALSE(window.enabled("miPropertiesRename"));
    EXPECT_FALSE(window.enabled("miPropertiesRemove"));

    shown.selectRows({"Browser", "Cookies"});
    EXPECT_FALSE(window.enabled("miPropertiesChange"));
    EXPECT_FALSE(window.enabled("miPropertiesRename"));
    EXPECT_TRUE(window.enabled("miPropertiesRemove"));
    EXPECT_EQ(popups, 0);

    // A right press selects that row alone and shows the popup once.
    shown.views.propertyRightPress(shown.views.propertyList().rowOfKey("CSSVersion"), false);
    EXPECT_EQ(shown.views.selectedPropertyRows(), QStringList{"CSSVersion"});
    EXPECT_EQ(popups, 1);
    shown.views.propertyItemClick();
    EXPECT_EQ(popups, 1);
    shown.views.propertyRightPress(shown.views.propertyList().rowOfKey("Browser"), true);
    EXPECT_EQ(shown.views.selectedPropertyRows(), (QStringList{"Browser", "CSSVersion"}));

    // Another node disables the three property commands.
    shown.click("chrome");
    EXPECT_FALSE(window.enabled("miPropertiesRemove"));

    shown.views.filterSelection().select(shown.views.filterList().index(0, 0),
                                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
    shown.views.filterSelection().select(shown.views.filterList().index(1, 0),
                                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
    shown.views.filterItemClick();
    EXPECT_FALSE(window.enabled("miFiltersChange"));
    EXPECT_TRUE(window.enabled("miFiltersRemove"));
}

TEST(QuickFind, ChoosingSelectsTheFirstNodeWithThatText) {
    auto document = test::makeTestDocument();
    addBrowser(*document, "chrome2", "mobile", "Chrome 131");  // a second node, same text
    ShownDocument shown(std::move(document));
    int focusMoves = 0;
    QObject::connect(&shown.views, &views::BrowserViews::treeFocusRequested,
                     [&focusMoves] { ++focusMoves; });
    shown.views.quickFindChosen("Chrome 131");
    EXPECT_EQ(shown.views.selectedTypeName(), "chrome131");
    EXPECT_EQ(focusMoves, 1);
    shown.views.quickFindChosen("no such browser");
    EXPECT_EQ(shown.views.selectedTypeName(), "chrome131");
    // Showing a node by click moves no focus; it only shows the entry.
    shown.click("firefox");
    EXPECT_EQ(focusMoves, 1);
    EXPECT_EQ(shown.window.quickFindShown, "Firefox");
}

TEST(LabelEdit, DescriptionChanges) {
    ShownDocument shown;
    test::FakeWindow& window = shown.window;
    shown.click("firefox");
    views::BrowserTreeModel& tree = shown.views.tree();
    const QModelIndex firefox = tree.indexOf("firefox");

    EXPECT_FALSE(tree.setData(firefox, "Firefox")) << "same text: nothing happens";
    EXPECT_FALSE(tree.setData(firefox, "CHROME"));
    EXPECT_FALSE(tree.setData(firefox, "  "));
    EXPECT_EQ(window.script.messageTexts(),
              (QStringList{"This description already exists.  Please\r\n"
                           "rety with a unique description.",
                           "A browser description can not be empty."}));
    EXPECT_EQ(window.script.messages().first().title, "Browser Description Already Exists");
    EXPECT_EQ(window.modified, 0);
    EXPECT_TRUE(window.merges.empty());

    EXPECT_TRUE(tree.setData(firefox, "FireFox")) << "its own text in another case is no clash";
    EXPECT_TRUE(tree.setData(firefox, "Mozilla Firefox"));
    EXPECT_EQ(tree.node("firefox")->text, "Mozilla Firefox");
    EXPECT_EQ(shown.value("firefox", "i__description"), "Mozilla Firefox");
    EXPECT_EQ(shown.value("firefox", "i__lastupd"), window.dateStamp());
    EXPECT_EQ(window.merges.back(),
              (RecordedMerge{2, {"firefox", "", "Mozilla Firefox", "", window.dateStamp()}}));
    EXPECT_EQ(window.modified, 2);
    EXPECT_TRUE(window.quickFind.contains("Mozilla Firefox"));
    EXPECT_EQ(window.title, " Browser: Mozilla Firefox  (none)");
}

TEST(LabelEdit, FilterPropertyIsRecordedLikeAnyFilterChange) {
    ShownDocument shown;
    test::FakeWindow& window = shown.window;
    views::RowListModel& filters = shown.views.filterList();

    EXPECT_FALSE(filters.setData(filters.index(1, 0), "NoSuchProperty"));
    EXPECT_EQ(window.script.messages().last().title, "Invalid New Name Chosen");

    EXPECT_TRUE(filters.setData(filters.index(1, 0), "browser"));
    EXPECT_EQ(filters.row(1).cells.value(0), "browser");
    EXPECT_EQ(shown.filterProperties().value(1), "browser");
    EXPECT_EQ(window.merges.back(),
              (RecordedMerge{11, {"12", "browser", "*match 12*", "v12|1|field12", "12"}}));
    EXPECT_EQ(window.modified, 1);

    // A user-agent filter records its value alone.
    EXPECT_TRUE(filters.setData(filters.index(0, 0), "Cookies"));
    EXPECT_EQ(window.merges.back().fields[3], "v7");

    shown.document->FiltersArray().Remove(2);  // its row stays: the filter is gone
    EXPECT_FALSE(filters.setData(filters.index(2, 0), "Browser"));
    EXPECT_EQ(window.script.messages().last().text,
              "Error: Could not find filter to update property name.");
    EXPECT_EQ(window.script.messages().last().icon, MsgIcon::Critical);
}

TEST(ListSorting, ColumnClickSortsOnceAndLaterRowsAreAppended) {
    ShownDocument shown;
    views::RowListModel& filters = shown.views.filterList();
    shown.views.sortFilterList(4);  // Type: Cookie, ENV, UA
    EXPECT_EQ(filters.texts(), (QStringList{"cookies", "CSSVersion", "Browser"}));
    shown.views.sortPropertyList(1);  // by value: empty values first
    EXPECT_EQ(shown.views.propertyList().texts().last(), "Browser");
    shown.views.addPropertyRow("Aaa", "", "string");
    EXPECT_EQ(shown.views.propertyList().texts().last(), "Aaa");
    EXPECT_EQ(shown.views.selectedPropertyRows(), QStringList{"Aaa"});
}

TEST(OperationsView, NodesAndFilterRowsAddedByTheOperations) {
    ShownDocument shown;
    shown.click("chrome");
    shown.views.addTreeNode("chrome", "chrome132", "Chrome 132", "browser", "browser");
    EXPECT_EQ(shown.views.selectedTypeName(), "chrome132");
    EXPECT_EQ(shown.views.shownKey(), "chrome") << "selected by the views, not clicked";
    EXPECT_EQ(shown.views.parentNodeKey("chrome132"), "chrome");
    shown.views.removeTreeNode("chrome");
    EXPECT_EQ(shown.views.tree().node("chrome131"), nullptr) << "the branch goes with it";
    EXPECT_TRUE(shown.views.shownKey().isEmpty());

    shown.views.addFilterRow("K99", {"Browser", "*x*", "X", "5", "UA", ""});
    EXPECT_EQ(shown.views.selectedFilterRows(), QStringList{"K99"});
    EXPECT_TRUE(shown.window.enabled("miFiltersChange"));
    shown.views.setFilterRowCells("K99", {"Cookies", "*y*", "True", "6", "UA", ""});
    EXPECT_EQ(shown.views.filterRowCells("K99").value(1), "*y*");
    for (const QString key : {"K7", "K12", "K30", "K99"}) shown.views.removeFilterRow(key);
    EXPECT_FALSE(shown.window.enabled("miFiltersChange"));
    EXPECT_FALSE(shown.window.enabled("miFiltersRemove"));
}

TEST(OperationsView, AFailingDocumentCallIsReportedNotThrown) {
    ShownDocument shown;
    const int row = shown.views.propertyList().rowOfKey("CSSVersion");
    shown.document->DefaultBrowser().deleteProperty("CSSVersion");  // the row is now stale
    EXPECT_NO_THROW(shown.views.propertyDoubleClick(row));
    EXPECT_FALSE(
        shown.views.propertyList().setData(shown.views.propertyList().index(row, 0), "Other"));
    ASSERT_EQ(shown.window.script.messages().size(), 2);
    EXPECT_TRUE(shown.window.script.messages()[0].text.startsWith("Error #438: "));
    EXPECT_EQ(shown.window.script.messages()[0].icon, MsgIcon::Critical);
}
