#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "document/Document.h"
#include "editing/PropForm.h"
#include "editing/QtPrinters.h"
#include "editor/frmMain.h"
#include "editor/lifecycle/MainWindowLifecycle.h"
#include "editor/views/MainWindowViews.h"
#include "shell/QtInteraction.h"
#include "support/TempDir.h"

using namespace sentrel;

namespace {

// Acts on the next modal window as soon as it shows: a user answering a dialog.
void whenModalShows(std::function<void(QWidget*)> act) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        act(modal);
    });
    poll->start(20);
}

// Closes a message box with its default button and remembers its text.
void answerMessage(QWidget* modal, QStringList* texts) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    *texts << box->text();
    box->defaultButton()->click();
}

void type(QWidget* dialog, const QString& field, const QString& text) {
    auto* edit = dialog->findChild<QLineEdit*>(field);
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void clickOk(QWidget* dialog) {
    dialog->findChild<QPushButton*>("OKButton")->click();
}

void saveShot(QWidget& window, const char* name) {
    const QString folder = qEnvironmentVariable("SENTREL_VIEWS_SCREENSHOT_DIR");
    if (folder.isEmpty()) return;
    QApplication::processEvents();
    window.grab().save(QDir(folder).filePath(QString::fromLatin1(name)));
}

QPoint rowPoint(QAbstractItemView& view, const QModelIndex& index) {
    view.scrollTo(index);
    return view.visualRect(index).center();
}

}  // namespace

// A user session on the sample definitions with the real widgets and dialogs: select a
// folder in the tree, add a property there through the property dialog (a bad name first),
// change it for the child browsers by double click, open its dialog with Enter and close it
// with Escape, rename it in place with F2, remove it, save.
// With SENTREL_VIEWS_SCREENSHOT_DIR set, the window is saved there at each step.
TEST(UserSession, PropertyRoundTripThroughTheRealDialogs) {
    test::TempDir dir;
    const QString file = dir.file("maindefs.bdf");
    ASSERT_TRUE(QFile::copy(QStringLiteral(SENTREL_SAMPLE_DEFINITIONS), file));
    dir.write("maindefs.mrg", {});
    dir.write("maindefs.bdd", {});
    QtInteraction ui;
    editor::frmMain window(ui);
    ui.setParentWidget(&window);
    editing::registerPropForm(ui);
    auto internal = doc::Document::create();
    lifecycle::MainWindowLifecycle wiring(ui, window, [&] { return &internal->lru().bdfName; });
    wiring.setBaseDirectory(dir.path());
    wiring.lifecycle().recentDocuments().setListPath(dir.file("recent.xbel"));
    views::MainWindowViews panes(window, wiring.lifecycle(), wiring.view(), ui,
                                 QDateTime(QDate(2026, 12, 6), QTime(10, 0)));
    views::BrowserViews& views = panes.views();
    window.resize(1200, 800);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    wiring.lifecycle().OpenFile(file);
    doc::Document* document = wiring.lifecycle().state().document();
    ASSERT_NE(document, nullptr);
    saveShot(window, "1-opened.png");

    // Select the desktop folder with the mouse.
    views::BrowserTreeView& tree = *panes.panes().tvTreeView;
    tree.expand(views.tree().indexOf("DefaultBrowser"));
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {},
                      rowPoint(tree, views.tree().indexOf("desktop")));
    EXPECT_EQ(views.shownKey(), "desktop");
    EXPECT_EQ(window.titleLabel(editor::commands::Pane::PropertyList)->text(),
              " Folder: Desktop browsers");
    // F2 edits the folder's name in place; Escape leaves it as it was.
    QTest::keyClick(&tree, Qt::Key_F2);
    QPointer<QLineEdit> treeEditor = tree.findChild<QLineEdit*>();
    ASSERT_NE(treeEditor, nullptr);
    EXPECT_TRUE(treeEditor->isVisible());
    QTest::keyClick(treeEditor, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(!treeEditor || !treeEditor->isVisible());

    // Add a property: a name that exists in another case first, then a new one.
    QStringList messages;
    whenModalShows([&messages](QWidget* dialog) {
        type(dialog, "txPropName", "browser");
        whenModalShows([&messages, dialog](QWidget* box) {
            answerMessage(box, &messages);
            type(dialog, "txPropName", "Vendor");
            type(dialog, "txInitialValue", "Desktop vendor");
            type(dialog, "txDefaultValue", "Other vendor");
            clickOk(dialog);
        });
        clickOk(dialog);
    });
    window.dispatcher().dispatch("miPropertiesAdd");
    EXPECT_EQ(messages.value(0).left(32), "The property name entered is inv");
    EXPECT_EQ(document->Path("chrome131").Path("Vendor"), "Desktop vendor");
    EXPECT_EQ(document->Path("mobile").Path("Vendor"), "Other vendor");
    saveShot(window, "2-added.png");

    // Double click the new row, change the value for the child browsers too.
    views::RowListView& list = *panes.panes().lvListView;
    const QModelIndex vendor =
        views.propertyList().index(views.propertyList().rowOfKey("Vendor"), 0);
    whenModalShows([](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Change property from: (Desktop vendor)");
        type(dialog, "txInitialValue", "Changed vendor");
        dialog->findChild<QCheckBox*>("chkApply")->setChecked(true);
        clickOk(dialog);
    });
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rowPoint(list, vendor));
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, rowPoint(list, vendor));
    EXPECT_EQ(document->Path("chrome131").Path("Vendor"), "Changed vendor");
    EXPECT_EQ(views.propertyList().row(vendor.row()).cells.value(1), "Changed vendor");

    // A right-click right of every column selects the row alone and pops up its menu.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      rowPoint(list, views.propertyList().index(0, 0)));
    QTest::mousePress(list.viewport(), Qt::RightButton, {},
                      {list.viewport()->width() - 5, rowPoint(list, vendor).y()});
    EXPECT_EQ(views.selectedPropertyRows(), QStringList{"Vendor"});
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    QApplication::activePopupWidget()->close();
    QTest::mousePress(
        tree.viewport(), Qt::RightButton, {},
        {tree.viewport()->width() - 5, rowPoint(tree, views.tree().indexOf("mobile")).y()});
    EXPECT_EQ(views.selectedTypeName(), "mobile");
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    QApplication::activePopupWidget()->close();
    tree.setCurrentIndex(views.tree().indexOf("desktop"));

    // Enter on the row opens the same dialog as a double click; Escape closes it unchanged.
    list.setCurrentIndex(vendor);
    list.setFocus();
    QString keyedTitle;
    whenModalShows([&keyedTitle](QWidget* dialog) {
        keyedTitle = dialog->windowTitle();
        type(dialog, "txInitialValue", "Keyed vendor");
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(keyedTitle, "Change property from: (Changed vendor)");
    EXPECT_EQ(document->Path("chrome131").Path("Vendor"), "Changed vendor");

    // Rename it in place with F2.
    QTest::keyClick(&list, Qt::Key_F2);
    QApplication::processEvents();
    auto* editor = list.findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "Supplier");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_TRUE(document->DefaultBrowser().hasParameter("Supplier"));
    saveShot(window, "3-renamed.png");

    // Remove it (one property: no question) and save.
    window.dispatcher().dispatch("miPropertiesRemove");
    EXPECT_FALSE(document->DefaultBrowser().hasParameter("Supplier"));
    EXPECT_EQ(messages.size(), 1);
    window.dispatcher().dispatch("miFileSave");
    EXPECT_FALSE(wiring.lifecycle().state().unsavedChanges);
    const QString stamp =
        lifecycle::MergeRecord::dateStamp(QDateTime(QDate(2026, 12, 6), QTime(10, 0)));
    EXPECT_EQ(QString::fromUtf8(test::TempDir::read(dir.file("maindefs.mrg"))),
              "6,\"Vendor\",\"desktop\",\"String\",\"Other vendor\",\"Desktop vendor\"\r\n"
              "8,\"desktop\",\"Vendor\",\"Changed vendor\",\"children\",\"" +
                  stamp +
                  "\"\r\n"
                  "7,\"Vendor\",\"Supplier\",\"\",\"\",\"\"\r\n"
                  "9,\"Supplier\",\"\",\"\",\"\",\"\"\r\n");
    views.quickFindChosen("Chrome 131");
    saveShot(window, "4-saved.png");
}
