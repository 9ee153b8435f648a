#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>

#include "reporting/OptionsTab.h"

namespace sentrel::test {
namespace {

const QString kSource = QStringLiteral(SENTREL_SOURCE_DIR);
const QString kHelp = kSource + QStringLiteral("/docs/help/");

QString readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Help context numbers written in the program's sources: message and chooser help contexts,
// dialog help topics, topics opened directly.
QSet<int> contextsInSources() {
    static const QRegularExpression written(
        QStringLiteral(R"((?:helpContext|HelpTopic|HelpContext|WelcomeTopic)\s*(?:=|\()\s*(\d+))"));
    QSet<int> found;
    for (const char* folder : {"app", "editor", "editing", "reporting", "export", "shell"}) {
        QDirIterator files(kSource + QLatin1Char('/') + QLatin1String(folder),
                           {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            auto matches = written.globalMatch(readAll(files.next()));
            while (matches.hasNext()) found.insert(matches.next().captured(1).toInt());
        }
    }
    return found;
}

TEST(HelpPagesTest, EveryHelpContextOfTheProgramHasAPage) {
    QSet<int> contexts = contextsInSources();
    // The scan must see the contexts known to be there, or it has stopped working.
    for (int known : {880, 1147, 1149, 1150, 1172}) EXPECT_TRUE(contexts.contains(known)) << known;
    for (int tab = 0; tab < kOptionsTabCount; ++tab)
        contexts.insert(optionsTabHelpContext(OptionsTab(tab)));
    contexts.remove(0);  // 0: no help
    for (int topic : contexts)
        EXPECT_TRUE(QFileInfo::exists(kHelp + QString::number(topic) + QStringLiteral(".html")))
            << "no help page for topic " << topic;
    for (const char* page : {"index.html", "support.html"})
        EXPECT_TRUE(QFileInfo::exists(kHelp + QLatin1String(page))) << page;
}

// Every page works offline: its links, images and stylesheet are files of the help folder
// (web addresses are not allowed), and every page is reachable from the contents page.
TEST(HelpPagesTest, EveryLinkResolvesAndEveryPageIsListed) {
    static const QRegularExpression reference(
        QStringLiteral(R"((?:href|src)="([^"#]*)(#[^"]*)?")"));
    const QStringList pages = QDir(kHelp).entryList({QStringLiteral("*.html")}, QDir::Files);
    ASSERT_GE(pages.size(), 17);
    QSet<QString> linkedFromIndex;
    for (const QString& page : pages) {
        const QString html = readAll(kHelp + page);
        EXPECT_TRUE(html.contains(QStringLiteral("href=\"sentrel-help.css\"")))
            << page.toStdString();
        auto matches = reference.globalMatch(html);
        while (matches.hasNext()) {
            const QString target = matches.next().captured(1);
            if (target.isEmpty()) continue;
            EXPECT_TRUE(QUrl(target).isRelative())
                << page.toStdString() << ": " << target.toStdString();
            EXPECT_TRUE(QFileInfo::exists(kHelp + target))
                << page.toStdString() << " links to missing " << target.toStdString();
            if (page == QStringLiteral("index.html")) linkedFromIndex.insert(target);
        }
    }
    for (const QString& page : pages) {
        if (page == QStringLiteral("index.html")) continue;
        EXPECT_TRUE(linkedFromIndex.contains(page)) << page.toStdString() << " not in contents";
    }
}

}  // namespace
}  // namespace sentrel::test
