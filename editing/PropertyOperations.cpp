#include "editing/PropertyOperations.h"

#include <algorithm>

#include "document/Document.h"
#include "document/Vocabulary.h"
#include "editing/ApplyToBranch.h"
#include "editing/EditHost.h"
#include "editing/FilterRowKey.h"
#include "editing/PropFormCheck.h"
#include "editing/PropFormFields.h"
#include "editing/PropertyOperationsView.h"
#include "editing/RemoveEach.h"
#include "editing/UndoOnFailure.h"
#include "editing/UndoStep.h"
#include "shell/Interaction.h"

namespace sentrel::editing {

namespace pf = propform;

namespace {

const QString kStatusPanel = QStringLiteral("Status");
const QString kChildren = QStringLiteral("children");

enum MergeCode { kPropertyAdded = 6, kPropertyRenamed = 7, kValueChanged = 8, kRemoved = 9 };

QString changeCaption(const QString& value) {
    return QStringLiteral("Change property from: ") +
           (value.isEmpty() ? QStringLiteral("<undefined>") : QStringLiteral("(") + value + ")");
}

bool isDeleted(const doc::TypeObject& type) {
    return type.Path(mainMod::kTypeParam) == mainMod::kTypeDeleted;
}

// The fields the dialog shows disabled come back as they went in, whatever the dialog
// answers: the change dialog never changes a property's name or data type.
QVariantMap withFixedFields(QVariantMap answer, const QVariantMap& request) {
    const std::pair<QString, QString> fixable[] = {{pf::kName, pf::kNameEnabled},
                                                   {pf::kDataType, pf::kDataTypeEnabled}};
    for (const auto& [field, enabled] : fixable) {
        if (!request.value(enabled, true).toBool()) answer.insert(field, request.value(field));
    }
    return answer;
}

// Shows a text in the status panel while an operation runs, and clears it however the
// operation ends.
class StatusWhile {
  public:
    StatusWhile(EditHost& host, const QString& text) : host_(host) {
        host_.setStatusText(kStatusPanel, text);
    }
    ~StatusWhile() { host_.setStatusText(kStatusPanel, QString()); }
    StatusWhile(const StatusWhile&) = delete;
    StatusWhile& operator=(const StatusWhile&) = delete;

  private:
    EditHost& host_;
};

}  // namespace

QStringList PropertyOperations::takenNames() const {
    QStringList names = view_.propertyRowNames();
    // Hidden system and version properties are not listed but exist all the same.
    names += host_.document().DefaultBrowser().Parameters();
    return names;
}

QVariantMap PropertyOperations::addDialogFields() const {
    const QString type = lastDataType_.isEmpty() ? pf::kStringType : lastDataType_;
    const bool atRoot =
        view_.selectedTypeName().compare(mainMod::kRootTypeName, Qt::CaseInsensitive) == 0;
    return {
        {pf::kCaption, QStringLiteral("Add New Property")},
        {pf::kName, QString()},
        {pf::kNameEnabled, true},
        {pf::kDataType, type},
        {pf::kDataTypeEnabled, true},
        {pf::kValue, type == pf::kBooleanType ? pf::kTrue : QString()},
        {pf::kValueEnabled, true},
        {pf::kDefaultValue, QString()},
        {pf::kDefaultEnabled, true},
        {pf::kDefaultVisible, !atRoot},
        {pf::kApply, false},
        {pf::kApplyEnabled, false},
        {pf::kTakenNames, takenNames()},
    };
}

QVariantMap PropertyOperations::changeDialogFields(const QString& row, const QString& value) const {
    doc::TypeObject& root = host_.document().DefaultBrowser();
    return {
        {pf::kCaption, changeCaption(value)},
        {pf::kName, row},
        {pf::kNameEnabled, false},
        {pf::kDataType, root.GetPropertyType(row)},
        {pf::kDataTypeEnabled, false},
        {pf::kValue, value},
        {pf::kValueEnabled, true},
        {pf::kDefaultValue, root.Path(row)},
        {pf::kDefaultEnabled, false},
        {pf::kDefaultVisible, true},
        {pf::kApply, false},
        {pf::kApplyEnabled, view_.selectedNodeHasChildren()},
    };
}

bool PropertyOperations::runPropForm(const QVariantMap& fields, QVariantMap* result) {
    Interaction& interaction = host_.interaction();
    DialogRequest request{pf::kDialogName, fields, [&](const QVariantMap& answer) {
                              return PropFormCheck::accept(withFixedFields(answer, fields),
                                                           interaction);
                          }};
    const DialogResult answer = interaction.runDialog(request);
    if (!answer.accepted) return false;
    *result = fields;
    for (auto it = answer.fields.begin(); it != answer.fields.end(); ++it) {
        result->insert(it.key(), it.value());
    }
    *result = withFixedFields(*result, fields);
    lastDataType_ = result->value(pf::kDataType).toString();
    return true;
}

void PropertyOperations::addProperty() {
    QVariantMap form;
    if (!runPropForm(addDialogFields(), &form)) return;
    const QString name = form.value(pf::kName).toString();
    const QString dataType = form.value(pf::kDataType).toString();
    const QString value = form.value(pf::kValue).toString();
    const QString defaultValue = form.value(pf::kDefaultValue).toString();
    QString node = view_.selectedTypeName();
    if (node.isEmpty()) node = mainMod::kRootTypeName;

    view_.clearPropertySelection();
    const UndoStep step(host_, QStringLiteral("Add property"), name);
    const StatusWhile status(host_, QStringLiteral("Adding property..."));
    doc::TypeObject& root = host_.document().DefaultBrowser();
    root.AddParameter(name, dataType);
    undoOnFailure(
        [&] {
            applyToBranch(node, name, defaultValue, value, host_.document());
            host_.writeMergeRecord(kPropertyAdded, {name, node, dataType, defaultValue, value});
        },
        [&] { root.deleteProperty(name); });
    view_.addPropertyRow(name, host_.document().Path(node).Path(name), dataType.toLower());
    host_.setFilterDialogStale();
    host_.markModified();
}

void PropertyOperations::changeProperty(const QString& row) {
    Interaction& interaction = host_.interaction();
    if (mainMod::isSystemProperty(row)) {
        interaction.message(QStringLiteral("The property you are trying to change\r\n"
                                           "is a read-only system property."),
                            QStringLiteral("Property may not be changed"), MsgIcon::Information);
        return;
    }
    const QString node = view_.selectedTypeName();
    doc::TypeObject& type = host_.document().Path(node);
    QVariantMap form;
    if (!runPropForm(changeDialogFields(row, type.Path(row)), &form)) return;
    const QString value = form.value(pf::kValue).toString();
    const bool toChildren = form.value(pf::kApply).toBool();
    const QString stamp = host_.dateStamp();
    const UndoStep step(host_, QStringLiteral("Change property"), row);

    // The record depends on nothing the change does: written first, it cannot go missing.
    host_.writeMergeRecord(kValueChanged,
                           {node, row, value, toChildren ? kChildren : QString(), stamp});
    type.SetParamDefValue(row, value);
    type.SetParamDefValue(mainMod::kLastUpdateParam, stamp);
    view_.setPropertyRowValue(row, type.Path(row));
    if (toChildren) applyToSubtree(node, row, value);
    host_.markModified();
}

void PropertyOperations::applyToSubtree(const QString& top, const QString& property,
                                        const QString& value) {
    doc::Document& document = host_.document();
    const QString stamp = host_.dateStamp();
    for (const QString& name : document.types()) {
        if (!mainMod::isBrowserType(name) || !mainMod::isDescendant(top, name, document)) {
            continue;
        }
        doc::TypeObject& type = document.Path(name);
        if (isDeleted(type)) continue;
        type.SetParamDefValue(property, value);
        type.SetParamDefValue(mainMod::kLastUpdateParam, stamp);
    }
}

bool PropertyOperations::renameAllowed(const QString& oldName, const QString& newName) {
    Interaction& interaction = host_.interaction();
    if (mainMod::isProtectedProperty(oldName)) {
        interaction.message(QStringLiteral("The property you are trying to rename is a system\r\n"
                                           "property.  System properties can not be renamed."),
                            QStringLiteral("Can not rename this property"), MsgIcon::Exclamation);
        return false;
    }
    // The new name follows the property dialog's rule: a system name could never be changed
    // or removed again, and a name with blanks or punctuation could not be exported.
    if (!PropFormCheck::followsNameRule(newName)) {
        PropFormCheck::reportInvalidName(interaction);
        return false;
    }
    // Changing only the letter case of its own name is no clash.
    const bool caseOnly = newName.compare(oldName, Qt::CaseInsensitive) == 0;
    if (!caseOnly && host_.document().DefaultBrowser().hasParameter(newName)) {
        interaction.message(QStringLiteral("The new name for this property already exists."),
                            QStringLiteral("Property Already Exists"), MsgIcon::Exclamation);
        return false;
    }
    return true;
}

bool PropertyOperations::renameProperty(const QString& oldName, const QString& newName) {
    if (!renameAllowed(oldName, newName)) return false;
    const UndoStep step(host_, QStringLiteral("Rename property"), oldName);
    doc::TypeObject& root = host_.document().DefaultBrowser();
    root.Rename(oldName, newName);
    undoOnFailure(
        [&] {
            host_.writeMergeRecord(kPropertyRenamed, {oldName, newName, {}, {}, {}});
        },
        [&] { root.Rename(newName, oldName); });
    host_.setFilterDialogStale();
    renameFilters(oldName, newName);
    host_.markModified();
    return true;
}

void PropertyOperations::renameFilters(const QString& oldName, const QString& newName) {
    doc::FiltersArray& filters = host_.document().FiltersArray();
    bool any = false;
    for (int i = 0; i < filters.Count(); ++i) {
        if (filters[i].text(QStringLiteral("propToSet")).compare(oldName, Qt::CaseInsensitive) ==
            0) {
            filters[i].set(QStringLiteral("propToSet"), newName);
            any = true;
        }
    }
    if (any) view_.renameFilterRowProperty(oldName, newName);
}

void PropertyOperations::removeProperties() {
    const QStringList names = view_.selectedPropertyRows();
    if (names.isEmpty()) return;
    // The command is disabled for protected rows; the document's own properties stay.
    if (std::any_of(names.begin(), names.end(), &mainMod::isProtectedProperty)) return;
    if (names.size() > 1) {
        const MsgAnswer answer = host_.interaction().message(
            QStringLiteral("You have chosen to remove %1 properties from all defined browsers.\n"
                           "You can undo this with Edit > Undo.  Do you wish to procede?")
                .arg(names.size()),
            QStringLiteral("Remove multiple browser properties"), MsgIcon::Question,
            MsgButtons::OKCancel, 2);
        if (answer != MsgAnswer::OK) return;
    }
    const UndoStep step(host_, names.size() == 1
                                   ? QStringLiteral("Remove property '%1'").arg(names.front())
                                   : QStringLiteral("Remove %1 properties").arg(names.size()));
    host_.setFilterDialogStale();
    removeEach(
        names, [this](const QString& name) { removeProperty(name); },
        [this](const QStringList& removed) {
            view_.removePropertyRows(removed);
            host_.markModified();
        });
}

void PropertyOperations::removeProperty(const QString& name) {
    // A removed property's values cannot be put back: the record goes first.
    host_.writeMergeRecord(kRemoved, {name, {}, {}, {}, {}});
    host_.document().DefaultBrowser().deleteProperty(name);
    removeFiltersOf(name);
}

void PropertyOperations::removeFiltersOf(const QString& property) {
    doc::FiltersArray& filters = host_.document().FiltersArray();
    // Property names are matched without regard to case, so a filter that names the
    // property in another case sets it all the same and goes with it.
    for (int i = filters.Count() - 1; i >= 0; --i) {
        if (filters[i].text(QStringLiteral("propToSet")).compare(property, Qt::CaseInsensitive) ==
            0) {
            view_.removeFilterRow(filterRowKey(filters[i].number(QStringLiteral("uId"))));
            filters.Remove(i);
        }
    }
}

}  // namespace sentrel::editing
