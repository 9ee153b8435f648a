#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "editing/BrowFormFields.h"
#include "editing/FilterForm.h"
#include "editing/FilterFormFields.h"
#include "editing/PropForm.h"
#include "editing/PropFormFields.h"
#include "editing/browForm.h"
#include "shell/QtInteraction.h"

namespace sentrel::editing {
namespace {

// The Help button of each editing dialog opens the dialog's own topic and leaves the dialog
// open; Cancel then closes it.
TEST(DialogHelpTest, HelpOpensTheTopicAndTheDialogStays) {
    QtInteraction interaction;
    QList<int> topics;
    const auto record = [&topics](int topic) { topics.append(topic); };
    registerPropForm(interaction, record);
    registerBrowForm(interaction, record);
    registerFilterForm(interaction, record);

    struct Case {
        QString dialog;
        QString helpButton;
        int topic;
    };
    for (const Case& c : {Case{propform::kDialogName, "HelpButton", 1150},
                          Case{browform::kDialogName, "btnHelp", 1147},
                          Case{filterform::kDialogName, "btnHelp", 1149}}) {
        topics.clear();
        bool openAfterHelp = false;
        QTimer::singleShot(100, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog) return;
            if (auto* help = dialog->findChild<QPushButton*>(c.helpButton)) help->click();
            openAfterHelp = dialog->isVisible();
            dialog->close();
        });
        const DialogResult result = interaction.runDialog({c.dialog, {}, {}});
        EXPECT_FALSE(result.accepted) << c.dialog.toStdString();
        EXPECT_TRUE(openAfterHelp) << c.dialog.toStdString();
        EXPECT_EQ(topics, QList<int>{c.topic}) << c.dialog.toStdString();
    }
}

}  // namespace
}  // namespace sentrel::editing
