#include "srws/LoggedInteraction.h"

#include "srws/ServiceLog.h"

namespace sentrel::srws {

MsgAnswer LoggedInteraction::message(const MessageRequest& request) {
    log_.error(request.title + QStringLiteral(": ") + request.text);
    return defaultAnswer(request);
}

}  // namespace sentrel::srws
