#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QLabel>

#include "document/Document.h"
#include "editing/PropFormFields.h"
#include "editing/QtPrinters.h"
#include "editor/frmMain.h"
#include "editor/lifecycle/MainWindowLifecycle.h"
#include "editor/views/MainWindowViews.h"
#include "shell/ScriptedInteraction.h"
#include "support/TempDir.h"

using namespace sentrel;
namespace pf = sentrel::editing::propform;

namespace {

QStringList recordLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
    lines.removeAll(QString());
    return lines;
}

}  // namespace

// The sample definitions in the real main window: a property added at a folder, changed
// for its children, renamed and removed through the window's commands. Tree, list, title,
// panels, document and merge file agree. With SENTREL_VIEWS_SCREENSHOT set, the populated
// window is saved to that path.
TEST(MainWindowViews, PropertyRoundTripOnTheSampleDefinitions) {
    test::TempDir dir;
    const QString file = dir.file("maindefs.bdf");
    ASSERT_TRUE(QFile::copy(QStringLiteral(SENTREL_SAMPLE_DEFINITIONS), file));
    dir.write("maindefs.mrg", {});
    dir.write("maindefs.bdd", {});
    ScriptedInteraction ui;
    editor::frmMain window(ui);
    auto internal = doc::Document::create();
    lifecycle::MainWindowLifecycle wiring(ui, window, [&] { return &internal->lru().bdfName; });
    wiring.setBaseDirectory(dir.path());
    wiring.lifecycle().recentDocuments().setListPath(dir.file("recent.xbel"));
    const QDateTime started(QDate(2026, 12, 6), QTime(10, 0));
    views::MainWindowViews panes(window, wiring.lifecycle(), wiring.view(), ui, started);
    views::BrowserViews& views = panes.views();
    window.resize(1100, 700);
    window.show();

    ui.answerFile(file);
    window.dispatcher().dispatch("miFileOpen");
    ASSERT_TRUE(ui.messages().isEmpty()) << ui.messageTexts().join("|").toStdString();
    ASSERT_GT(views.tree().nodeCount(), 50);
    EXPECT_EQ(window.pane(editor::commands::Pane::BrowserTree), panes.panes().tvTreeView);

    // Select the folder of desktop browsers and add a property there.
    window.hooks().quickFind("Desktop browsers");
    EXPECT_EQ(views.selectedTypeName(), "desktop");
    EXPECT_EQ(window.titleLabel(editor::commands::Pane::PropertyList)->text(),
              " Folder: Desktop browsers");
    ui.answerDialog({{pf::kName, "Vendor"},
                     {pf::kValue, "branch"},
                     {pf::kDefaultValue, "other"},
                     {pf::kDataType, "String"}});
    window.dispatcher().dispatch("miPropertiesAdd");
    doc::Document& document = *wiring.lifecycle().state().document();
    EXPECT_EQ(document.Path("chrome131").Path("Vendor"), "branch");
    EXPECT_EQ(document.Path("mobile").Path("Vendor"), "other");
    EXPECT_TRUE(window.commandBar().isEnabled("miFileSave"));
    EXPECT_TRUE(window.commandBar().isEnabled("miPropertiesChange"));
    EXPECT_TRUE(wiring.lifecycle().state().unsavedChanges);

    // Change it at the folder for every child browser.
    ui.answerDialog({{pf::kValue, "changed"}, {pf::kApply, true}});
    window.dispatcher().dispatch("miPropertiesChange");
    EXPECT_EQ(document.Path("chrome131").Path("Vendor"), "changed");
    EXPECT_EQ(document.Path("mobile").Path("Vendor"), "other");
    const int row = views.propertyList().rowOfKey("Vendor");
    EXPECT_EQ(views.propertyList().row(row).cells.value(1), "changed");
    EXPECT_FALSE(window.statusPanels().text("ObjectUpdate").isEmpty());

    // Rename it in place, then remove it.
    EXPECT_TRUE(views.propertyList().setData(views.propertyList().index(row, 0), "Supplier"));
    EXPECT_EQ(document.Path("chrome131").Path("Supplier"), "changed");
    window.dispatcher().dispatch("miPropertiesRemove");
    EXPECT_FALSE(document.DefaultBrowser().hasParameter("Supplier"));
    EXPECT_EQ(views.propertyList().rowOfKey("Supplier"), -1);
    EXPECT_TRUE(ui.messages().isEmpty()) << ui.messageTexts().join("|").toStdString();

    const QString stamp = lifecycle::MergeRecord::dateStamp(started);
    const QStringList expected{
        "6,\"Vendor\",\"desktop\",\"String\",\"other\",\"branch\"",
        "8,\"desktop\",\"Vendor\",\"changed\",\"children\",\"" + stamp + "\"",
        "7,\"Vendor\",\"Supplier\",\"\",\"\",\"\"", "9,\"Supplier\",\"\",\"\",\"\",\"\""};
    EXPECT_EQ(recordLines(wiring.lifecycle().state().journal().path()), expected);

    if (const QByteArray shot = qgetenv("SENTREL_VIEWS_SCREENSHOT"); !shot.isEmpty()) {
        views.quickFindChosen("Chrome 131");
        window.grab().save(QString::fromLocal8Bit(shot));
    }

    window.dispatcher().dispatch("miFileSave");
    EXPECT_EQ(recordLines(dir.file("maindefs.mrg")), expected);
}
