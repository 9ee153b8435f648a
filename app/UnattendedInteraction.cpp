#include "app/UnattendedInteraction.h"

#include <QTextStream>

namespace sentrel::app {

MsgAnswer UnattendedInteraction::message(const MessageRequest& request) {
    QTextStream out(stream_);
    QString text = request.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out << "[" << request.title << "]\n" << text << "\n\n";
    out.flush();
    return defaultAnswer(request);
}

}  // namespace sentrel::app
