#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "shell/QtInteraction.h"

namespace sentrel::test {
namespace {

// Presses the button of the message box on screen with the given text, once the box is up.
void pressLater(const QString& buttonText) {
    QTimer::singleShot(50, [buttonText] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        for (QAbstractButton* button : box->buttons())
            if (button->text().remove(QLatin1Char('&')) == buttonText) button->click();
    });
}

// The Help button opens the message's topic and the question comes back, so the user still
// answers it; a message without a help context has no Help button.
TEST(QtInteractionTest, HelpButtonOpensTheTopicAndAsksAgain) {
    QtInteraction interaction;
    QList<int> topics;
    interaction.setShowHelp([&topics](int topic) { topics.append(topic); });
    MessageRequest request{QStringLiteral("Setup Wizard: Reporting Options Setup"),
                           QStringLiteral("Would you like to set up this feature now?"),
                           MsgIcon::Question,
                           MsgButtons::YesNo,
                           1,
                           25};

    pressLater(QStringLiteral("Help"));
    QTimer::singleShot(300, [] { pressLater(QStringLiteral("No")); });
    EXPECT_EQ(interaction.message(request), MsgAnswer::No);
    EXPECT_EQ(topics, QList<int>{25});

    request.helpContext = 0;
    bool hasHelp = true;
    QTimer::singleShot(50, [&hasHelp] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        hasHelp = box->button(QMessageBox::Help) != nullptr;
        box->button(QMessageBox::Yes)->click();
    });
    EXPECT_EQ(interaction.message(request), MsgAnswer::Yes);
    EXPECT_FALSE(hasHelp);
}

// A message asked while a secondary window (the Hit Tester) is active belongs to that window,
// so answering it does not raise the main window; with no window active it belongs to the
// main window.
TEST(QtInteractionTest, MessagesBelongToTheWindowInUse) {
    QWidget main;
    QWidget tester;
    main.show();
    tester.show();
    QtInteraction interaction;
    interaction.setParentWidget(&main);
    const MessageRequest request{QStringLiteral("Sentrel"), QStringLiteral("Done."),
                                 MsgIcon::Information, MsgButtons::OK};
    const auto ownerOfNextBox = [&interaction, &request] {
        QWidget* owner = nullptr;
        QTimer::singleShot(50, [&owner] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            owner = box->parentWidget();
            box->button(QMessageBox::Ok)->click();
        });
        interaction.message(request);
        return owner;
    };

    QApplication::setActiveWindow(&tester);
    EXPECT_EQ(ownerOfNextBox(), &tester);
    QApplication::setActiveWindow(&main);
    EXPECT_EQ(ownerOfNextBox(), &main);
    tester.hide();
    main.hide();
    EXPECT_EQ(ownerOfNextBox(), &main);
}

}  // namespace
}  // namespace sentrel::test
