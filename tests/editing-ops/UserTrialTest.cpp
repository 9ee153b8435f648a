#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "document/Document.h"
#include "editing/FilterForm.h"
#include "editing/browForm.h"
#include "editor/frmMain.h"
#include "editor/lifecycle/MainWindowLifecycle.h"
#include "editor/views/MainWindowViews.h"
#include "shell/QtInteraction.h"
#include "support/TempDir.h"

namespace sentrel::test {
namespace {

// Acts on the next modal window as soon as it shows, as a user answering it.
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

void type(QWidget* dialog, const QString& field, const QString& text) {
    QLineEdit* edit =
        field.isEmpty() ? dialog->findChild<QLineEdit*>() : dialog->findChild<QLineEdit*>(field);
    ASSERT_NE(edit, nullptr) << field.toStdString();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void choose(QWidget* dialog, const QString& box, const QString& text) {
    dialog->findChild<QComboBox*>(box)->setCurrentText(text);
}

// Answers an input box with a text, a message box with its default button, and a dialog
// with its OK button; message texts are collected.
void answerInput(QWidget* box, const QString& text) {
    type(box, {}, text);
    qobject_cast<QInputDialog*>(box)->accept();
}

void answerMessage(QWidget* modal, QStringList* texts) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    *texts << box->text();
    box->defaultButton()->click();
}

void saveShot(QWidget& window, const char* name) {
    const QString folder = qEnvironmentVariable("SENTREL_SCREENSHOT_DIR");
    if (folder.isEmpty()) return;
    QApplication::processEvents();
    window.grab().save(QDir(folder).filePath(QString::fromLatin1(name)));
}

// A new user's session on the sample definitions with the real dialogs: a folder (a taken
// title first), a browser in it, its user agent, a cookie filter and a user-agent filter (an
// exact condition first), the browser deleted, saved and compacted. The merge file holds the
// records in order; the saved file reopens with the folder and the filters, without the
// deleted browser. With SENTREL_SCREENSHOT_DIR set, the window is saved there at each step.
TEST(UserTrial, BrowsersFoldersAndFiltersThroughTheRealDialogs) {
    TempDir dir;
    const QString file = dir.file("maindefs.bdf");
    ASSERT_TRUE(QFile::copy(QStringLiteral(SENTREL_DATA_DIR "/maindefs.bdf"), file));
    dir.write("maindefs.mrg", {});
    dir.write("maindefs.bdd", {});
    QtInteraction ui;
    editor::frmMain window(ui);
    ui.setParentWidget(&window);
    editing::registerBrowForm(ui);
    editing::registerFilterForm(ui);
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
    ASSERT_NE(wiring.lifecycle().state().document(), nullptr);

    QStringList messages;
    whenModalShows([&messages](QWidget* box) {
        answerInput(box, "desktop browsers");
        whenModalShows([&messages](QWidget* message) {
            answerMessage(message, &messages);
            whenModalShows([](QWidget* again) { answerInput(again, "Robots"); });
        });
    });
    window.dispatcher().dispatch("miBrowsersCreateFolder");
    const QString folder = views.selectedTypeName();
    ASSERT_TRUE(folder.startsWith("robots"));

    whenModalShows([](QWidget* dialog) {
        EXPECT_EQ(dialog->findChild<QComboBox*>("cbParent")->currentText(), "Robots");
        type(dialog, "txDescription", "Test Bot");
        type(dialog, "txUserAgent", "*TestBot*");
        dialog->findChild<QPushButton*>("OKButton")->click();
    });
    window.dispatcher().dispatch("miBrowsersAdd");
    const QString bot = views.selectedTypeName();
    EXPECT_EQ(views.tree().node(bot)->parent->key, folder);

    whenModalShows([](QWidget* box) { answerInput(box, "Mozilla/5.0 (compatible; TestBot/*"); });
    window.dispatcher().dispatch("miBrowsersUserAgent");
    EXPECT_EQ(window.titleLabel(editor::commands::Pane::PropertyList)->text(),
              "Browser: Test Bot  (Mozilla/5.0 (compatible; TestBot/*)");
    saveShot(window, "1-browser.png");

    whenModalShows([](QWidget* dialog) {
        choose(dialog, "cbProperty", "Cookies");
        choose(dialog, "cbBasedOn", "Cookie value");
        type(dialog, "txData", "consent");
        type(dialog, "txMatchCond", "*yes*");
        choose(dialog, "cbValueToSet", "False");
        saveShot(*dialog, "2-filter-dialog.png");
        dialog->findChild<QPushButton*>("btnOK")->click();
    });
    window.dispatcher().dispatch("miFiltersAdd");
    whenModalShows([&messages](QWidget* dialog) {
        choose(dialog, "cbProperty", "Crawler");
        choose(dialog, "cbBasedOn", "Browser user agent");
        choose(dialog, "cbValueToSet", "True");  // the dialog kept the last filter's value
        type(dialog, "txMatchCond", "TestBot");
        type(dialog, "txPriority", "2");
        whenModalShows([&messages, dialog](QWidget* question) {
            answerMessage(question, &messages);  // No: the dialog stays open
            type(dialog, "txMatchCond", "*TestBot*");
            dialog->findChild<QPushButton*>("btnOK")->click();
        });
        dialog->findChild<QPushButton*>("btnOK")->click();
    });
    window.dispatcher().dispatch("miFiltersAdd");
    saveShot(window, "3-filters.png");
    EXPECT_EQ(messages.size(), 2);
    EXPECT_EQ(messages.value(1).left(40), "You did not include any wildcard charact");

    views.viewDefaultBrowser();
    views.quickFindChosen("Test Bot");
    window.dispatcher().dispatch("miBrowsersDelete");
    EXPECT_EQ(views.tree().node(bot), nullptr);
    EXPECT_EQ(views.selectedTypeName(), folder);
    window.dispatcher().dispatch("miFileSave");
    whenModalShows([&messages](QWidget* done) { answerMessage(done, &messages); });
    window.dispatcher().dispatch("miFileCompact");
    saveShot(window, "4-compacted.png");

    QStringList codes;
    for (const QByteArray& line : TempDir::read(dir.file("maindefs.mrg")).split('\n')) {
        codes << QString::fromUtf8(line.left(line.indexOf(',')));
    }
    EXPECT_EQ(codes, QStringList({"1", "4", "5", "10", "10", "3", ""}));
    auto saved = doc::Document::load(file);
    EXPECT_EQ(saved->Path(folder).Path("i__description"), "Robots");
    EXPECT_FALSE(saved->hasType(bot));
    QStringList filters;
    for (int i = 0; i < saved->FiltersArray().Count(); ++i) {
        const doc::FilterElement& filter = saved->FiltersArray()[i];
        filters << filter.text("matchStr") + "=" + filter.text("valToSet");
    }
    EXPECT_TRUE(filters.contains("*yes*=False"));
    EXPECT_TRUE(filters.contains("*TestBot*=True"));
}

}  // namespace
}  // namespace sentrel::test
