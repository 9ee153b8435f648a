#include "editing/FilterPropertyEdit.h"

#include "document/Document.h"
#include "editing/EditHost.h"
#include "editing/FilterMergeValue.h"
#include "editing/FilterRowKey.h"
#include "shell/Interaction.h"

namespace sentrel::editing {

namespace {

constexpr int kFilterChanged = 11;

}  // namespace

bool FilterPropertyEdit::apply(const QString& rowKey, const QString& newProperty) {
    Interaction& interaction = host_.interaction();
    doc::Document& document = host_.document();
    if (!document.DefaultBrowser().Parameters().contains(newProperty, Qt::CaseInsensitive)) {
        interaction.message(
            QStringLiteral("The new name entered must match an existing property name."),
            QStringLiteral("Invalid New Name Chosen"), MsgIcon::Exclamation);
        return false;
    }
    doc::FiltersArray& filters = document.FiltersArray();
    const int index = filterIndexOfRowKey(filters, rowKey);
    if (index < 0) {
        interaction.message(QStringLiteral("Error: Could not find filter to update property name."),
                            QStringLiteral("Error Changing Filter Property"), MsgIcon::Critical);
        return false;
    }
    doc::FilterElement& filter = filters[index];
    filter.set(QStringLiteral("propToSet"), newProperty);
    host_.writeMergeRecord(
        kFilterChanged,
        {filter.text(QStringLiteral("uId")), newProperty, filter.text(QStringLiteral("matchStr")),
         filterMergeValue(filter), filter.text(QStringLiteral("priority"))});
    host_.markModified();
    return true;
}

}  // namespace sentrel::editing
