#include <gtest/gtest.h>

#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "app/UsedLibraries.h"
#include "shell/frmSplash.h"

namespace {

QStringList labelTexts(const QWidget& window) {
    QStringList texts;
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (!label->text().isEmpty()) texts << label->text();
    return texts;
}

TEST(AboutBoxTest, NamesVersionBuildLicenceLibrariesAndSupport) {
    const QStringList libraries = sentrel::app::usedLibraries();
    ASSERT_EQ(libraries.size(), 3);
    EXPECT_EQ(libraries[0], "Qt " + QString::fromLatin1(qVersion()));
    EXPECT_TRUE(QRegularExpression("^SQLite 3\\.\\d+\\.\\d+$").match(libraries[1]).hasMatch())
        << libraries[1].toStdString();

    const sentrel::frmSplash about(sentrel::frmSplash::Mode::About, nullptr, libraries);
    const QStringList texts = labelTexts(about);
    EXPECT_EQ(about.windowTitle(), "About Sentrel");
    EXPECT_TRUE(texts.contains("Version 1.0.0"));
    EXPECT_TRUE(QRegularExpression("^\\d{4}-\\d{2}-\\d{2}$")
                    .match(sentrel::frmSplash::buildDate())
                    .hasMatch());
    EXPECT_TRUE(texts.contains("Built " + sentrel::frmSplash::buildDate()));
    EXPECT_TRUE(texts.contains("Licence: Apache License 2.0"));
    EXPECT_TRUE(texts.contains("Libraries: " + libraries.join(", ")));
    EXPECT_TRUE(texts.contains("Support: support@sentrel-editor.org"));

    // The start-up splash is the short form.
    const sentrel::frmSplash splash(sentrel::frmSplash::Mode::Startup);
    EXPECT_FALSE(labelTexts(splash).contains("Licence: Apache License 2.0"));
}

TEST(AboutBoxTest, EscapeClosesIt) {
    bool closed = false;
    QTimer::singleShot(0, [&closed] {
        QWidget* about = QApplication::activeModalWidget();
        ASSERT_NE(about, nullptr);
        QTest::keyClick(about, Qt::Key_Escape);
        closed = !about->isVisible();
    });
    sentrel::frmSplash::showAbout(nullptr, {"Qt"});
    EXPECT_TRUE(closed);
}

}  // namespace
