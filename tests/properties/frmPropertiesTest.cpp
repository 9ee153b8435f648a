#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "PropertiesFixture.h"
#include "codegen/properties/frmProperties.h"

namespace sentrel::codegen::test {
namespace {

// The dialog over a selection of the built-in names.
class frmPropertiesTest : public PropertiesFixture {
  protected:
    QStringList shownChecked(const frmProperties& dialog) const {
        QStringList names;
        for (int row = 0; row < dialog.list()->count(); ++row) {
            const QListWidgetItem* item = dialog.list()->item(row);
            if (item->checkState() == Qt::Checked) names << item->text();
        }
        return names;
    }
    static void click(const frmProperties& dialog, const char* button) {
        dialog.findChild<QPushButton*>(QLatin1String(button))->click();
    }
};

TEST_F(frmPropertiesTest, ShowsTheListAndFollowsTheUsersChecks) {
    ASSERT_TRUE(open("Browser,Cookies"));
    frmProperties dialog(selection);
    EXPECT_EQ(dialog.windowTitle(), "Select properties to track for reporting");
    EXPECT_EQ(dialog.list()->count(), 149);
    EXPECT_EQ(dialog.list()->currentRow(), 0);
    EXPECT_EQ(shownChecked(dialog), (QStringList{"Browser", "Cookies"}));

    // The user clicks JavaVendor's box and answers No: the box is cleared again.
    ui.answerMessage(MsgAnswer::No);
    dialog.list()->item(rowOf("JavaVendor"))->setCheckState(Qt::Checked);
    EXPECT_EQ(ui.messages(), QList<MessageRequest>{kJavaPropertyChecked});
    EXPECT_EQ(shownChecked(dialog), (QStringList{"Browser", "Cookies"}));
    dialog.list()->item(rowOf("Frames"))->setCheckState(Qt::Checked);
    dialog.list()->item(rowOf("Browser"))->setCheckState(Qt::Unchecked);
    EXPECT_EQ(selection.selectionString(), "Frames,Cookies");
}

TEST_F(frmPropertiesTest, TheListShowsWhatTheButtonsDid) {
    ASSERT_TRUE(open("Browser"));
    frmProperties dialog(selection);
    ui.answerMessage(MsgAnswer::No);
    click(dialog, "cmdRecommend");
    EXPECT_EQ(shownChecked(dialog).size(), 69);
    dialog.list()->setCurrentRow(30);
    click(dialog, "cmdClearAll");
    EXPECT_TRUE(shownChecked(dialog).isEmpty());
    EXPECT_EQ(dialog.list()->currentRow(), 0);
}

// The way the options dialog opens it: modal, over the installed definitions.
TEST_F(frmPropertiesTest, ChooseAnswersTheSelectionOnOkAndNothingOnCancel) {
    auto answer = [](const char* button) {
        QTimer::singleShot(0, [button] {
            auto* dialog = qobject_cast<frmProperties*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->list()->item(0)->setCheckState(Qt::Checked);
            dialog->findChild<QPushButton*>(QLatin1String(button))->click();
        });
    };
    answer("cmdOK");
    EXPECT_EQ(frmProperties::choose(ui, dir.path(), "cookies", nullptr), "Majorver,Cookies");
    answer("cmdCancel");
    EXPECT_EQ(frmProperties::choose(ui, dir.path(), "cookies", nullptr), std::nullopt);
    EXPECT_TRUE(ui.messages().isEmpty());
}

}  // namespace
}  // namespace sentrel::codegen::test
