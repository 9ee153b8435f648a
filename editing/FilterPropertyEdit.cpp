#include "editing/FilterPropertyEdit.h"

#include "document/Document.h"
#include "editing/EditHost.h"
#include "editing/FilterMergeValue.h"
#include "editing/FilterRowKey.h"
#include "shell/Interaction.h"

namespace sentrel::editing {

namespace {

constexpr int kFilterChanged = 11;

int findFilter(doc::FiltersArray& filters, const QString& rowKey) {
    int uId = 0;
    if (!uIdFromRowKey(rowKey, &uId)) return -1;
    for (int i = 0; i < filters.Count(); ++i) {
        if (filters[i].number(QStringLiteral("uId")) == uId) return i;
    }
    return -1;
}

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
    const int index = findFilter(filters, rowKey);
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
