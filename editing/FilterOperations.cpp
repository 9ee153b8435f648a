#include "editing/FilterOperations.h"

#include <QRandomGenerator>

#include "document/Document.h"
#include "document/Vocabulary.h"
#include "editing/EditHost.h"
#include "editing/FilterFormCheck.h"
#include "editing/FilterFormFields.h"
#include "editing/FilterMergeValue.h"
#include "editing/FilterOperationsView.h"
#include "editing/FilterPropertyChoices.h"
#include "editing/FilterRowCells.h"
#include "editing/FilterRowKey.h"
#include "editing/RemoveEach.h"
#include "editing/UndoOnFailure.h"
#include "editing/UndoStep.h"
#include "shell/Interaction.h"

namespace sentrel::editing {

namespace ff = filterform;

namespace {

enum MergeCode { kFilterAdded = 10, kFilterChanged = 11, kFilterRemoved = 12 };
enum Cell { kPropertyCell, kConditionCell, kValueCell, kPriorityCell, kKindCell, kDataCell };

constexpr int kMaxUId = 99999999;

QString text(const QVariantMap& form, const QString& field) {
    return form.value(field).toString();
}

}  // namespace

FilterOperations::FilterOperations(EditHost& host, FilterOperationsView& view, FilterFlags flags)
    : host_(host),
      view_(view),
      flags_(flags),
      drawId_([] { return QRandomGenerator::global()->bounded(1, kMaxUId + 1); }) {}

void FilterOperations::UpdateFilterPropertyList() {
    if (!flags_.filterDialogStale && form_.contains(ff::kProperties)) return;
    const doc::TypeObject& root = host_.document().DefaultBrowser();
    const QStringList properties = filterPropertyChoices(root);
    QVariantMap types;
    for (const QString& name : properties) types.insert(name, root.GetPropertyType(name));
    form_.insert(ff::kProperties, properties);
    form_.insert(ff::kPropertyTypes, types);
    flags_.filterDialogStale = false;
}

bool FilterOperations::runFilterForm(const QVariantMap& fields, QVariantMap* result) {
    Interaction& interaction = host_.interaction();
    form_ = fields;
    const DialogResult answer =
        interaction.runDialog({ff::kDialogName, fields, [&interaction](const QVariantMap& form) {
                                   return FilterFormCheck::accept(form, interaction);
                               }});
    if (!answer.accepted) return false;
    for (auto it = answer.fields.begin(); it != answer.fields.end(); ++it) {
        form_.insert(it.key(), it.value());
    }
    *result = form_;
    return true;
}

QString FilterOperations::valueFor(const QVariantMap& form) const {
    const QString value = text(form, ff::kValue);
    if (FilterFormCheck::typeLabel(form, text(form, ff::kProperty)) != ff::kBooleanLabel) {
        return value;
    }
    if (value.compare(ff::kTrue, Qt::CaseInsensitive) == 0) return ff::kTrue;
    if (value.compare(ff::kFalse, Qt::CaseInsensitive) == 0) return ff::kFalse;
    return value;
}

void FilterOperations::store(doc::FilterElement& filter, const QVariantMap& form) const {
    const int kind = mainMod::filterKindFromDisplay(text(form, ff::kBasedOn));
    int priority = 1;
    FilterFormCheck::priorityNumber(text(form, ff::kPriority), &priority);
    filter.set(QStringLiteral("propToSet"), text(form, ff::kProperty));
    filter.set(QStringLiteral("matchStr"), text(form, ff::kMatchCondition));
    filter.set(QStringLiteral("valToSet"), valueFor(form));
    filter.set(QStringLiteral("priority"), priority);
    filter.set(QStringLiteral("filterType"), kind);
    // A user-agent filter has no data field, whatever the hidden box still holds.
    filter.set(QStringLiteral("DataField"), kind == 0 ? QString() : text(form, ff::kData));
}

int FilterOperations::freshUId(const doc::FiltersArray& filters) const {
    // List rows and the sort are keyed by the unique id, so a taken one is drawn again.
    for (;;) {
        const int candidate = drawId_();
        bool taken = false;
        for (int i = 0; i < filters.Count() && !taken; ++i) {
            taken = filters[i].number(QStringLiteral("uId")) == candidate;
        }
        if (!taken) return candidate;
    }
}

void FilterOperations::writeMergeRecord(int code, const doc::FilterElement& filter) {
    host_.writeMergeRecord(
        code, {filter.text(QStringLiteral("uId")), filter.text(QStringLiteral("propToSet")),
               filter.text(QStringLiteral("matchStr")), filterMergeValue(filter),
               filter.text(QStringLiteral("priority"))});
}

void FilterOperations::addFilter() {
    UpdateFilterPropertyList();
    QVariantMap fields = form_;
    fields.insert(ff::kCaption, QStringLiteral("Add New Filter"));
    fields.insert(ff::kMode, QString());
    if (text(fields, ff::kBasedOn).isEmpty()) {
        fields.insert(ff::kPriority, QStringLiteral("1"));
        fields.insert(ff::kBasedOn, mainMod::filterKinds()[0].displayName);
    }
    QVariantMap form;
    if (!runFilterForm(fields, &form)) return;

    const UndoStep step(host_, QStringLiteral("Add filter for"), text(form, ff::kProperty));
    doc::FiltersArray& filters = host_.document().FiltersArray();
    const int uId = freshUId(filters);
    const int index = filters.Add();
    undoOnFailure(
        [&] {
            store(filters[index], form);
            filters[index].set(QStringLiteral("uId"), uId);
            writeMergeRecord(kFilterAdded, filters[index]);
        },
        [&] { filters.Remove(index); });

    view_.addFilterRow(filterRowKey(uId), filterRowCells(filters[index]));
    host_.markModified();
    view_.updateFilterCommands();
    if (text(form, ff::kPriority).trimmed() != QStringLiteral("1")) flags_.filtersUnsorted = true;
}

void FilterOperations::changeFilter(const QString& rowKey) {
    const QStringList cells = view_.filterRowCells(rowKey);
    if (cells.size() <= kDataCell) return;
    UpdateFilterPropertyList();
    QVariantMap fields = form_;
    fields.insert(ff::kCaption, QStringLiteral("Change Existing Filter"));
    fields.insert(ff::kMode, ff::kChangeMode);
    fields.insert(ff::kProperty, cells[kPropertyCell]);
    fields.insert(ff::kMatchCondition, cells[kConditionCell]);
    fields.insert(ff::kValue, cells[kValueCell]);
    fields.insert(ff::kPriority, cells[kPriorityCell]);
    fields.insert(ff::kBasedOn, mainMod::filterDisplayFromShortCode(cells[kKindCell]));
    fields.insert(ff::kData, cells[kDataCell]);
    const QString shownPriority = cells[kPriorityCell];
    QVariantMap form;
    if (!runFilterForm(fields, &form)) return;

    doc::FiltersArray& filters = host_.document().FiltersArray();
    const int index = filterIndexOfRowKey(filters, rowKey);
    if (index < 0) {
        host_.interaction().message(
            QStringLiteral("Error: Could not find matching key in filter object for update."),
            QStringLiteral("Error Changing Filter"), MsgIcon::Critical);
        return;
    }
    const UndoStep step(host_, QStringLiteral("Change filter for"), text(form, ff::kProperty));
    doc::FilterElement& filter = filters[index];
    const doc::FilterElement before = filter;
    undoOnFailure(
        [&] {
            store(filter, form);
            writeMergeRecord(kFilterChanged, filter);
        },
        [&] { filter = before; });
    view_.setFilterRowCells(rowKey, filterRowCells(filter));
    host_.markModified();
    if (text(form, ff::kPriority).trimmed() != shownPriority) flags_.filtersUnsorted = true;
}

void FilterOperations::removeFilters() {
    const QStringList keys = view_.selectedFilterRows();
    if (keys.isEmpty()) return;
    if (keys.size() > 1) {
        const MsgAnswer answer = host_.interaction().message(
            QStringLiteral("You have chosen to remove %1 filters. You can undo this\n"
                           "with Edit > Undo.  Do you wish to procede?")
                .arg(keys.size()),
            QStringLiteral("Remove multiple filters confirmation"), MsgIcon::Question,
            MsgButtons::OKCancel, 2);
        if (answer != MsgAnswer::OK) return;
    }
    const UndoStep step(host_, keys.size() == 1
                                   ? QStringLiteral("Remove filter")
                                   : QStringLiteral("Remove %1 filters").arg(keys.size()));
    removeEach(
        keys, [this](const QString& key) { removeFilter(key); },
        [this](const QStringList&) {
            host_.markModified();
            view_.updateFilterCommands();
        });
}

void FilterOperations::removeFilter(const QString& rowKey) {
    doc::FiltersArray& filters = host_.document().FiltersArray();
    const int index = filterIndexOfRowKey(filters, rowKey);
    if (index < 0) {
        host_.interaction().message(
            QStringLiteral("Error: Could not find matching key in filter object."),
            QStringLiteral("Error Removing Filter"), MsgIcon::Critical);
        return;
    }
    // A removed filter cannot be put back in its place: the record goes first.
    host_.writeMergeRecord(kFilterRemoved,
                           {filters[index].text(QStringLiteral("uId")), {}, {}, {}, {}});
    filters.Remove(index);
    view_.removeFilterRow(rowKey);
}

}  // namespace sentrel::editing
