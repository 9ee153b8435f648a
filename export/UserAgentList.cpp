#include "export/UserAgentList.h"

namespace sentrel::exporting {

bool UserAgentList::IsListedUserAgent(const QString& text) const {
    return items_.contains(text, Qt::CaseInsensitive);
}

void UserAgentList::selectFirst() {
    if (!items_.isEmpty()) currentText_ = items_.front();
}

void UserAgentList::clear() {
    items_.clear();
    currentText_.clear();
}

}  // namespace sentrel::exporting
