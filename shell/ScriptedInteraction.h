#pragma once

#include <QList>
#include <deque>
#include <functional>

#include "shell/Interaction.h"

namespace sentrel {

// The interaction used by tests: answers come from queues the test fills beforehand, and
// every request is recorded exactly. An unanswered message takes its default button; an
// unanswered chooser, input box or dialog is cancelled. A queued message answer that is not
// among the buttons the message offers is a fault of the script: it is reported through the
// script-fault handler (tests make it fail the running test) and the default button is taken.
class ScriptedInteraction : public Interaction {
  public:
    using Interaction::message;

    struct Event {
        enum class Kind { Message, OpenFile, SaveFile, Input, Dialog } kind;
        MessageRequest message;  // Kind::Message
        FileRequest file;        // Kind::OpenFile, Kind::SaveFile
        InputRequest input;      // Kind::Input
        QString dialog;          // Kind::Dialog: the dialog's name
        QVariantMap fields;      // Kind::Dialog: the fields it was opened with
    };

    using ScriptFaultHandler = std::function<void(const QString& fault)>;
    // Replaces the handler told of script faults; the initial one prints the fault and aborts.
    static void setScriptFaultHandler(ScriptFaultHandler handler);

    void answerMessage(MsgAnswer answer) { messageAnswers_.push_back(answer); }
    void answerFile(std::optional<QString> path) { fileAnswers_.push_back(TextAnswer(path)); }
    void answerInput(std::optional<QString> text) { inputAnswers_.push_back(TextAnswer(text)); }
    // A dialog answer: confirmed with these fields (merged over the request's fields), or
    // cancelled. A confirmation that the dialog's check refuses moves to the next answer.
    void answerDialog(const QVariantMap& fields) { dialogAnswers_.push_back({true, fields}); }
    void cancelDialog() { dialogAnswers_.push_back({false, {}}); }

    MsgAnswer message(const MessageRequest& request) override;
    std::optional<QString> chooseOpenFile(const FileRequest& request) override;
    std::optional<QString> chooseSaveFile(const FileRequest& request) override;
    std::optional<QString> inputBox(const InputRequest& request) override;
    DialogResult runDialog(const DialogRequest& request) override;

    const QList<Event>& events() const { return events_; }
    // Just the messages, in order.
    QList<MessageRequest> messages() const;
    // The texts of the messages, in order.
    QStringList messageTexts() const;
    void clear();

    // Answers that were queued but never asked for.
    bool allAnswersUsed() const;

  private:
    // A queued text answer; `given` false means the user cancelled.
    struct TextAnswer {
        TextAnswer() = default;
        explicit TextAnswer(const std::optional<QString>& answer)
            : given(answer.has_value()), text(answer.value_or(QString())) {}
        std::optional<QString> value() const {
            return given ? std::optional<QString>(text) : std::nullopt;
        }
        bool given = false;
        QString text;
    };

    std::optional<QString> nextFile();

    std::deque<MsgAnswer> messageAnswers_;
    std::deque<TextAnswer> fileAnswers_;
    std::deque<TextAnswer> inputAnswers_;
    std::deque<DialogResult> dialogAnswers_;
    QList<Event> events_;
};

}  // namespace sentrel
