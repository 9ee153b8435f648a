#include <gtest/gtest.h>
#include <QHeaderView>
#include <QTest>

#include "editing/EditingFixture.h"
#include "editor/views/RightwardHitTest.h"
#include "editor/views/ViewPanes.h"

using namespace sentrel;
using sentrel::test::ShownDocument;

TEST(RightwardHitTest, RetriesToTheRightAcrossTheWidth) {
    QList<int> tried;
    auto hit = [&tried](const QPoint& point) {
        tried << point.x();
        return QModelIndex();
    };
    EXPECT_FALSE(views::hitTestRightward(hit, {5, 3}, 70).isValid());
    EXPECT_EQ(tried, (QList<int>{5, 25, 45, 65}));
}

TEST(ViewWidgets, ClicksAndRightClicksReachTheViews) {
    ShownDocument shown;
    QWidget window;
    views::ViewPanes panes(shown.views, &window);
    panes.tvTreeView->setGeometry(0, 0, 300, 300);
    panes.lvListView->setGeometry(300, 0, 400, 300);
    panes.lvListView->setColumnWidth(0, 100);
    panes.lvListView->setColumnWidth(1, 100);
    window.resize(700, 300);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QStringList popups;
    QObject::connect(&shown.views, &views::BrowserViews::popupRequested,
                     [&popups](const QString& band) { popups << band; });

    // A left click on a node shows it.
    panes.tvTreeView->expandAll();
    const QRect chrome = panes.tvTreeView->visualRect(shown.views.tree().indexOf("chrome"));
    QTest::mouseClick(panes.tvTreeView->viewport(), Qt::LeftButton, {}, chrome.center());
    EXPECT_EQ(shown.views.shownKey(), "chrome");
    EXPECT_EQ(shown.window.title, " Browser: Chrome  (*Chrome*)");

    // A right press right of every column still selects the row and shows its popup.
    const int row = shown.views.propertyList().rowOfKey("Cookies");
    const QRect cell = panes.lvListView->visualRect(shown.views.propertyList().index(row, 0));
    QTest::mousePress(panes.lvListView->viewport(), Qt::RightButton, {}, {350, cell.center().y()});
    EXPECT_EQ(shown.views.selectedPropertyRows(), QStringList{"Cookies"});
    EXPECT_EQ(popups, QStringList{"Properties"});

    const QRect firefox = panes.tvTreeView->visualRect(shown.views.tree().indexOf("firefox"));
    QTest::mousePress(panes.tvTreeView->viewport(), Qt::RightButton, {}, firefox.center());
    EXPECT_EQ(shown.views.selectedTypeName(), "firefox");
    EXPECT_EQ(popups.last(), "Browsers");

    // A column click sorts the filter list by that column.
    panes.lvFilterList->header()->sectionClicked(4);
    EXPECT_EQ(shown.views.filterList().texts(), (QStringList{"cookies", "CSSVersion", "Browser"}));
}
