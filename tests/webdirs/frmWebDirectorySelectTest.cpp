#include <gtest/gtest.h>

// Readable Qt values; every test file of the program includes it, so that all agree.
#include "editing/QtPrinters.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>

#include "ShownSelectionDialog.h"

using namespace sentrel;

namespace {

QStringList labelsOf(const QWidget& dialog) {
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
    for (const QPushButton* button : dialog.findChildren<QPushButton*>()) texts << button->text();
    return texts;
}

}  // namespace

TEST(frmWebDirectorySelectTest, ShowsTheSitesAndDirectoriesAndEscapeCancels) {
    test::ApacheTree tree;
    tree.addSite("reports.example", "/srv/www", {{"/srws", "/srv/srws"}});
    test::ShownSelectionDialog shown(tree);
    frmWebDirectorySelect& dialog = shown.dialog;

    EXPECT_EQ(dialog.windowTitle(), " Select Apache Web Virtual Directory");
    EXPECT_EQ(labelsOf(dialog),
              QStringList({"Web Server:", "Web Virtual Directory:", "&Select", "&Cancel"}));
    auto* sites = dialog.findChild<QComboBox*>("cboServers");
    ASSERT_EQ(sites->count(), 2);
    EXPECT_EQ(sites->currentText(), "*:80");
    EXPECT_EQ(sites->itemData(1).toInt(), 2);
    auto* statusBar = dialog.findChild<QStatusBar*>();
    EXPECT_EQ(statusBar->currentMessage(), "Press 'Select' for Root");

    sites->setCurrentIndex(1);
    emit sites->activated(1);
    auto* directories = dialog.findChild<QTreeWidget*>("tvDirectories");
    QTreeWidgetItem* root = directories->topLevelItem(0);
    ASSERT_EQ(root->childCount(), 2);
    EXPECT_EQ(directories->currentItem(), root);
    QTreeWidgetItem* srws = root->child(0);
    EXPECT_EQ(srws->text(0), "srws");
    emit directories->itemClicked(srws, 0);
    EXPECT_EQ(statusBar->currentMessage(), "Press 'Select' for srws");
    EXPECT_EQ(shown.logic.urlPath(), "/srws/");

    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(shown.logic.cancelled());
    EXPECT_TRUE(shown.ui.messages().isEmpty()) << "cancelling asks nothing";
}
