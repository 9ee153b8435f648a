#pragma once

#include <QString>
#include <QStringList>

namespace sentrel::doc {
class TypeObject;
}

namespace sentrel::editing {

// The properties a filter can set, as the filter dialog offers them and the filter list's
// label edit accepts them: every parameter of the root type except the system properties,
// in declaration order.
QStringList filterPropertyChoices(const doc::TypeObject& root);

}  // namespace sentrel::editing
