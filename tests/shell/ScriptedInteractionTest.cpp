#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "shell/ScriptedInteraction.h"

using namespace sentrel;

TEST(ScriptedInteraction, UnansweredMessagesTakeTheirDefaultButton) {
    ScriptedInteraction ui;
    EXPECT_EQ(ui.message("Save?", "Save Changes?", MsgIcon::Exclamation, MsgButtons::YesNoCancel),
              MsgAnswer::Yes);
    EXPECT_EQ(ui.message("x", "t", MsgIcon::Question, MsgButtons::YesNo, 2), MsgAnswer::No);
    ui.answerMessage(MsgAnswer::Cancel);
    EXPECT_EQ(ui.message("again", "t", MsgIcon::Question, MsgButtons::YesNoCancel),
              MsgAnswer::Cancel);
    ASSERT_EQ(ui.messages().size(), 3);
    EXPECT_EQ(ui.messages()[0].title, "Save Changes?");
    EXPECT_EQ(ui.messages()[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(ui.messageTexts(), QStringList({"Save?", "x", "again"}));
}

TEST(ScriptedInteraction, DialogAnswersPassThroughTheDialogsOwnCheck) {
    ScriptedInteraction ui;
    ui.answerDialog({{"name", "2bad"}});
    ui.answerDialog({{"name", "good"}});
    DialogRequest request{"PropForm", {{"name", ""}, {"type", "String"}}, [](const QVariantMap& f) {
                              return f["name"].toString() != "2bad";
                          }};
    const DialogResult result = ui.runDialog(request);
    EXPECT_TRUE(result.accepted);
    EXPECT_EQ(result.fields["name"], "good");
    EXPECT_EQ(result.fields["type"], "String");  // untouched fields keep their initial value
    EXPECT_TRUE(ui.allAnswersUsed());

    ui.cancelDialog();
    EXPECT_FALSE(ui.runDialog(request).accepted);
    EXPECT_FALSE(ui.runDialog(request).accepted);  // nothing queued: cancelled
}

TEST(ScriptedInteraction, ChoosersAndInputBoxesCancelWhenUnanswered) {
    ScriptedInteraction ui;
    ui.answerFile(QString("/tmp/a.bdf"));
    EXPECT_EQ(ui.chooseOpenFile({}), QString("/tmp/a.bdf"));
    EXPECT_EQ(ui.chooseSaveFile({}), std::nullopt);
    ui.answerInput(QString(""));
    EXPECT_EQ(ui.inputBox({"Name?", "New folder", ""}), QString(""));
    EXPECT_EQ(ui.inputBox({"Name?", "New folder", ""}), std::nullopt);
    EXPECT_EQ(ui.events().size(), 4);
}

TEST(ScriptedInteraction, AnAnswerTheMessageDoesNotOfferFailsTheTest) {
    ScriptedInteraction ui;
    ui.answerMessage(MsgAnswer::Yes);
    MsgAnswer answer = MsgAnswer::Yes;
    EXPECT_NONFATAL_FAILURE(
        answer = ui.message("Gone.", "Error", MsgIcon::Critical, MsgButtons::OKCancel, 2),
        "answer 6 is not among the buttons of the message \"Gone.\" (title \"Error\")");
    EXPECT_EQ(answer, MsgAnswer::Cancel);  // the default button stands in for it
    ui.answerMessage(MsgAnswer::Retry);
    EXPECT_EQ(ui.message("Locked.", "Error", MsgIcon::Critical, MsgButtons::RetryCancel),
              MsgAnswer::Retry);
}
