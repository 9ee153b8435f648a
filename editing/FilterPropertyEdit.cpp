#include "editing/FilterPropertyEdit.h"

#include "document/Document.h"
#include "editing/EditHost.h"
#include "editing/FilterMergeValue.h"
#include "editing/FilterPropertyChoices.h"
#include "editing/FilterRowKey.h"
#include "editing/UndoStep.h"
#include "shell/Interaction.h"

namespace sentrel::editing {

namespace {

constexpr int kFilterChanged = 11;
const QString kPropToSet = QStringLiteral("propToSet");

}  // namespace

bool FilterPropertyEdit::apply(const QString& rowKey, const QString& newProperty) {
    Interaction& interaction = host_.interaction();
    doc::Document& document = host_.document();
    doc::FiltersArray& filters = document.FiltersArray();
    const int index = filterIndexOfRowKey(filters, rowKey);
    // The same text again changes nothing, so nothing is recorded or marked.
    if (index >= 0 && filters[index].text(kPropToSet) == newProperty) return false;
    // Only a property the filter dialog offers: never a system property.
    if (!filterPropertyChoices(document.DefaultBrowser())
             .contains(newProperty, Qt::CaseInsensitive)) {
        interaction.message(
            QStringLiteral("The new name entered must match an existing property name."),
            QStringLiteral("Invalid New Name Chosen"), MsgIcon::Exclamation);
        return false;
    }
    if (index < 0) {
        interaction.message(QStringLiteral("Error: Could not find filter to update property name."),
                            QStringLiteral("Error Changing Filter Property"), MsgIcon::Critical);
        return false;
    }
    const UndoStep step(host_, QStringLiteral("Change filter for"), newProperty);
    doc::FilterElement& filter = filters[index];
    // The record goes first: a property it could not record is not set.
    host_.writeMergeRecord(
        kFilterChanged,
        {filter.text(QStringLiteral("uId")), newProperty, filter.text(QStringLiteral("matchStr")),
         filterMergeValue(filter), filter.text(QStringLiteral("priority"))});
    filter.set(kPropToSet, newProperty);
    host_.markModified();
    return true;
}

}  // namespace sentrel::editing
