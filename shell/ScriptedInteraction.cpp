#include "shell/ScriptedInteraction.h"

#include <cstdio>
#include <cstdlib>

namespace sentrel {

namespace {
// Takes the first queued answer, or `fallback` when none is queued.
template <typename T>
T takeFront(std::deque<T>& queue, T fallback) {
    if (queue.empty()) return fallback;
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
}

void abortOnScriptFault(const QString& fault) {
    std::fprintf(stderr, "ScriptedInteraction: %s\n", qPrintable(fault));
    std::abort();
}

ScriptedInteraction::ScriptFaultHandler& scriptFaultHandler() {
    static ScriptedInteraction::ScriptFaultHandler handler = abortOnScriptFault;
    return handler;
}

QString describe(const MessageRequest& request) {
    return QStringLiteral("\"%1\" (title \"%2\")").arg(request.text, request.title);
}
}  // namespace

void ScriptedInteraction::setScriptFaultHandler(ScriptFaultHandler handler) {
    scriptFaultHandler() = handler ? std::move(handler) : abortOnScriptFault;
}

MsgAnswer ScriptedInteraction::message(const MessageRequest& request) {
    events_.append({Event::Kind::Message, request, {}, {}, {}, {}});
    const MsgAnswer fallback = defaultAnswer(request);
    const MsgAnswer answer = takeFront(messageAnswers_, fallback);
    if (answersOf(request.buttons).contains(answer)) return answer;
    scriptFaultHandler()(QStringLiteral("answer %1 is not among the buttons of the message %2")
                             .arg(static_cast<int>(answer))
                             .arg(describe(request)));
    return fallback;
}

std::optional<QString> ScriptedInteraction::nextFile() {
    return takeFront(fileAnswers_, TextAnswer()).value();
}

std::optional<QString> ScriptedInteraction::chooseOpenFile(const FileRequest& request) {
    events_.append({Event::Kind::OpenFile, {}, request, {}, {}, {}});
    return nextFile();
}

std::optional<QString> ScriptedInteraction::chooseSaveFile(const FileRequest& request) {
    events_.append({Event::Kind::SaveFile, {}, request, {}, {}, {}});
    return nextFile();
}

std::optional<QString> ScriptedInteraction::inputBox(const InputRequest& request) {
    events_.append({Event::Kind::Input, {}, {}, request, {}, {}});
    return takeFront(inputAnswers_, TextAnswer()).value();
}

DialogResult ScriptedInteraction::runDialog(const DialogRequest& request) {
    events_.append({Event::Kind::Dialog, {}, {}, {}, request.dialog, request.fields});
    while (!dialogAnswers_.empty()) {
        const DialogResult answer = takeFront(dialogAnswers_, DialogResult());
        if (!answer.accepted) return {false, request.fields};
        QVariantMap fields = request.fields;
        for (auto it = answer.fields.cbegin(); it != answer.fields.cend(); ++it)
            fields.insert(it.key(), it.value());
        if (!request.accept || request.accept(fields)) return {true, fields};
    }
    return {false, request.fields};
}

QList<MessageRequest> ScriptedInteraction::messages() const {
    QList<MessageRequest> result;
    for (const Event& event : events_)
        if (event.kind == Event::Kind::Message) result.append(event.message);
    return result;
}

QStringList ScriptedInteraction::messageTexts() const {
    QStringList result;
    for (const MessageRequest& m : messages()) result.append(m.text);
    return result;
}

void ScriptedInteraction::clear() {
    messageAnswers_.clear();
    fileAnswers_.clear();
    inputAnswers_.clear();
    dialogAnswers_.clear();
    events_.clear();
}

bool ScriptedInteraction::allAnswersUsed() const {
    return messageAnswers_.empty() && fileAnswers_.empty() && inputAnswers_.empty() &&
           dialogAnswers_.empty();
}

}  // namespace sentrel
