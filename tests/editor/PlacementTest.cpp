#include <gtest/gtest.h>

#include <QLocale>
#include <QSettings>

#include "editor/PaneLayout.h"
#include "editor/StatusPanels.h"
#include "editor/UnloadSequence.h"
#include "editor/WindowPlacement.h"
#include "editor/WindowSettings.h"
#include "support/TempDir.h"

namespace sentrel::editor {
namespace {

TEST(WindowPlacement, FirstRunAndRestoreAreCentredShares) {
    const QRect screen(0, 0, 19200, 12000);
    const QRect first = placement::firstRunGeometry(screen);
    EXPECT_EQ(first.size(), QSize(14400, 9000));
    EXPECT_EQ(first.center(), screen.center());
    EXPECT_TRUE(screen.contains(first));
    // A wide screen with an offset (a second monitor) keeps the window on it.
    const QRect wide(1920 * 15, 0, 3840 * 15, 2160 * 15);
    EXPECT_TRUE(wide.contains(placement::firstRunGeometry(wide)));

    const QRect restored = placement::restoredFromMaximised(screen);
    EXPECT_EQ(restored.size(), QSize(14400, 9600));
    EXPECT_EQ(restored.center(), screen.center());

    EXPECT_EQ(placement::firstRunHorizontal(5000), 3000);
    EXPECT_EQ(placement::clampWidth(1200), 3000);
    EXPECT_EQ(placement::clampWidth(3001), 3001);
}

TEST(WindowSettings, RoundTripAndDamagedValues) {
    test::TempDir dir;
    QSettings store(dir.file("Sentrel.conf"), QSettings::IniFormat);
    EXPECT_TRUE(WindowSettings::load(store).firstRun());

    WindowSettings s;
    s.left = 300;
    s.top = -15;
    s.width = 12000;
    s.height = 9000;
    s.winState = WindowSettings::Maximised;
    s.horizontal = 4000;
    s.splitBrowser = 2500;
    s.splitFilter = 3500;
    s.save(store);
    EXPECT_EQ(store.value("Settings/MainWidth").toString(), QStringLiteral("12000"));
    const WindowSettings back = WindowSettings::load(store);
    EXPECT_FALSE(back.firstRun());
    EXPECT_EQ(back.top, -15);
    EXPECT_EQ(back.winState, WindowSettings::Maximised);
    EXPECT_EQ(back.splitFilter, 3500);

    store.setValue("Settings/SplitBrowser", "left");
    store.setValue("Settings/MainWidth", "wide");
    const WindowSettings damaged = WindowSettings::load(store);
    EXPECT_FALSE(damaged.splitBrowser.has_value());
    EXPECT_TRUE(damaged.firstRun());
}

TEST(PaneLayout, SplittersKeepEveryPaneUsable) {
    PaneLayout layout;
    layout.setClientSize(12000, 8000);
    layout.setHorizontal(4000);

    layout.SizeControls(100);
    EXPECT_EQ(layout.splitBrowser(), 1500);
    EXPECT_EQ(layout.geometry().upper.leftPane.width(), 1500);
    layout.SizeControls(11900);
    EXPECT_EQ(layout.splitBrowser(), 10500);
    layout.SizeControlsFilters(-5);
    EXPECT_EQ(layout.splitFilter(), 1500);

    layout.SizeControls(5000);
    const PaneLayout::Half& upper = layout.geometry().upper;
    EXPECT_EQ(upper.rightPane.left(), 5040);
    EXPECT_EQ(upper.leftLabel.width(), 5000 - 22);
    EXPECT_EQ(upper.rightLabel.left(), 5070);
    EXPECT_EQ(upper.rightLabel.width(), upper.rightPane.width() - 40);
    EXPECT_EQ(upper.leftPane.bottom() + 1, 4000 - 5);
    const PaneLayout::Half& lower = layout.geometry().lower;
    EXPECT_EQ(lower.leftLabel.top(), 4000 + PaneLayout::kHorizontalBarHeight + 35);
    EXPECT_EQ(lower.leftPane.top(), lower.leftLabel.bottom() + 1 + 50);
    EXPECT_EQ(lower.leftPane.bottom() + 1, 8000);

    EXPECT_EQ(layout.clampVerticalDrag(20), 500);
    EXPECT_EQ(layout.clampVerticalDrag(11800), 11500);
    const int labelsBottom = PaneLayout::kLabelTop + PaneLayout::kLabelHeight;
    EXPECT_EQ(layout.clampHorizontalDrag(0), labelsBottom + 100);
    EXPECT_EQ(layout.clampHorizontalDrag(7900), 8000 - 475);
    layout.setHorizontal(99999);
    EXPECT_EQ(layout.horizontal(), 8000 - 475);
}

TEST(NextCheckStatus, ShowsTheDateOrNotApplicable) {
    for (const QString& stored : {QString(), QStringLiteral("-1"), QStringLiteral("soon")}) {
        const NextCheckStatus s = NextCheckStatus::fromStored(stored);
        EXPECT_EQ(s.text, QStringLiteral(" Next check: N/A "));
        EXPECT_FALSE(s.enabled);
    }
    const QString expected = QStringLiteral(" Next check: ") +
                             QLocale().toString(QDate(2027, 1, 31), QLocale::ShortFormat) +
                             QStringLiteral(" ");
    for (const QString& stored :
         {QStringLiteral("2027-01-31"), QStringLiteral("2027-01-31T08:00:00")}) {
        const NextCheckStatus s = NextCheckStatus::fromStored(stored);
        EXPECT_EQ(s.text, expected);
        EXPECT_TRUE(s.enabled);
    }
}

TEST(UnloadSequence, CancelAndWaitingKeepTheWindow) {
    QStringList done;
    bool cancel = false, waiting = false, minimised = false;
    UnloadSteps steps;
    steps.closeFile = [&] { return !cancel; };
    steps.launchWaitInProgress = [&] { return waiting; };
    steps.removeRecentFileTools = [&] { done << "lru"; };
    steps.isMinimised = [&] { return minimised; };
    steps.storeWindowSettings = [&] { done << "settings"; };
    steps.releaseHitTester = [&] { done << "hit"; };
    steps.releaseInternalData = [&] { done << "intdata"; };

    cancel = true;
    EXPECT_FALSE(runUnload(steps));
    cancel = false;
    waiting = true;
    EXPECT_FALSE(runUnload(steps));
    EXPECT_TRUE(done.isEmpty());

    waiting = false;
    EXPECT_TRUE(runUnload(steps));
    EXPECT_EQ(done, QStringList({"lru", "settings", "hit", "intdata"}));
    done.clear();
    minimised = true;
    EXPECT_TRUE(runUnload(steps));
    EXPECT_EQ(done, QStringList({"lru", "hit", "intdata"}));
}

}  // namespace
}  // namespace sentrel::editor
