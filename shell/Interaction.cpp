#include "shell/Interaction.h"

namespace sentrel {

QList<MsgAnswer> answersOf(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::OK:
            return {MsgAnswer::OK};
        case MsgButtons::OKCancel:
            return {MsgAnswer::OK, MsgAnswer::Cancel};
        case MsgButtons::AbortRetryIgnore:
            return {MsgAnswer::Abort, MsgAnswer::Retry, MsgAnswer::Ignore};
        case MsgButtons::YesNoCancel:
            return {MsgAnswer::Yes, MsgAnswer::No, MsgAnswer::Cancel};
        case MsgButtons::YesNo:
            return {MsgAnswer::Yes, MsgAnswer::No};
        case MsgButtons::RetryCancel:
            return {MsgAnswer::Retry, MsgAnswer::Cancel};
    }
    return {MsgAnswer::OK};
}

MsgAnswer defaultAnswer(const MessageRequest& request) {
    const QList<MsgAnswer> answers = answersOf(request.buttons);
    const int index = request.defaultButton - 1;
    return index >= 0 && index < answers.size() ? answers[index] : answers.front();
}

MsgAnswer Interaction::message(const QString& text, const QString& title, MsgIcon icon,
                               MsgButtons buttons, int defaultButton) {
    return message(MessageRequest{title, text, icon, buttons, defaultButton, 0});
}

}  // namespace sentrel
