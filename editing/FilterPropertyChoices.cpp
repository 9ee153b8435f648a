#include "editing/FilterPropertyChoices.h"

#include "document/TypeObject.h"
#include "document/Vocabulary.h"

namespace sentrel::editing {

QStringList filterPropertyChoices(const doc::TypeObject& root) {
    QStringList choices;
    for (const QString& name : root.enumerate()) {
        if (!mainMod::isSystemProperty(name)) choices << name;
    }
    return choices;
}

}  // namespace sentrel::editing
