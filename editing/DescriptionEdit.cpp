#include "editing/DescriptionEdit.h"

#include "document/Document.h"
#include "document/Vocabulary.h"
#include "editing/EditHost.h"
#include "editing/UndoStep.h"
#include "shell/Interaction.h"

namespace sentrel::editing {

namespace {
constexpr int kDescriptionChanged = 2;
}

DescriptionEdit::Outcome DescriptionEdit::apply(const QString& typeName, const QString& oldText,
                                                const QString& newText) {
    if (newText == oldText) return Outcome::Unchanged;
    Interaction& interaction = host_.interaction();
    doc::Document& document = host_.document();
    // An empty description would leave the node without text in the tree, quick find and
    // every list of parents.
    if (newText.trimmed().isEmpty()) {
        interaction.message(QStringLiteral("A browser description can not be empty."),
                            QStringLiteral("Invalid Browser Description"), MsgIcon::Exclamation);
        return Outcome::Refused;
    }
    // Only the letter case changing is no clash with the node's own description.
    const bool caseOnly = newText.compare(oldText, Qt::CaseInsensitive) == 0;
    if (!caseOnly && mainMod::descriptionExists(newText, document)) {
        interaction.message(QStringLiteral("This description already exists.  Please\r\n"
                                           "rety with a unique description."),
                            QStringLiteral("Browser Description Already Exists"),
                            MsgIcon::Exclamation);
        return Outcome::Refused;
    }
    const UndoStep step(host_, QStringLiteral("Change description of"), oldText);
    const QString stamp = host_.dateStamp();
    // The record goes first: a description it could not record is not changed.
    host_.writeMergeRecord(kDescriptionChanged, {typeName, {}, newText, {}, stamp});
    doc::TypeObject& type = document.Path(typeName);
    type.SetParamDefValue(mainMod::kDescriptionParam, newText);
    type.SetParamDefValue(mainMod::kLastUpdateParam, stamp);
    host_.markModified();
    return Outcome::Changed;
}

}  // namespace sentrel::editing
