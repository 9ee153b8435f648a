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
#include "shell/AppError.h"
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
    DialogRequest request{pf::kDialogName, fields, [&interaction](const QVariantMap& answer) {
                              return PropFormCheck::accept(answer, interaction);
                          }};
    const DialogResult answer = interaction.runDialog(request);
    if (!answer.accepted) return false;
    *result = fields;
    for (auto it = answer.fields.begin(); it != answer.fields.end(); ++it) {
        result->insert(it.key(), it.value());
    }
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
    host_.setStatusText(kStatusPanel, QStringLiteral("Adding property..."));
    doc::Document& document = host_.document();
    document.DefaultBrowser().AddParameter(name, dataType);
    host_.writeMergeRecord(kPropertyAdded, {name, node, dataType, defaultValue, value});
    applyToBranch(node, name, defaultValue, value, document);
    view_.addPropertyRow(name, document.Path(node).Path(name), dataType.toLower());
    host_.setFilterDialogStale();
    host_.markModified();
    host_.setStatusText(kStatusPanel, QString());
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

    type.SetParamDefValue(row, value);
    type.SetParamDefValue(mainMod::kLastUpdateParam, stamp);
    host_.writeMergeRecord(kValueChanged,
                           {node, row, value, toChildren ? kChildren : QString(), stamp});
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

bool PropertyOperations::renameProperty(const QString& oldName, const QString& newName) {
    if (mainMod::isProtectedProperty(oldName)) {
        host_.interaction().message(
            QStringLiteral("The property you are trying to rename is a system\r\n"
                           "property.  System properties can not be renamed."),
            QStringLiteral("Can not rename this property"), MsgIcon::Exclamation);
        return false;
    }
    try {
        host_.document().DefaultBrowser().Rename(oldName, newName);
    } catch (const AppError&) {
        // The document refused the name (it exists, or it cannot be a name): nothing changed.
        return false;
    }
    host_.writeMergeRecord(kPropertyRenamed, {oldName, newName, {}, {}, {}});
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
                           "This operation can not be undone.  Do you wish to procede?")
                .arg(names.size()),
            QStringLiteral("Remove multiple browser properties"), MsgIcon::Question,
            MsgButtons::OKCancel, 2);
        if (answer != MsgAnswer::OK) return;
    }
    host_.setFilterDialogStale();
    for (const QString& name : names) {
        host_.document().DefaultBrowser().deleteProperty(name);
        host_.writeMergeRecord(kRemoved, {name, {}, {}, {}, {}});
        removeFiltersOf(name);
    }
    view_.removePropertyRows(names);
    host_.markModified();
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
