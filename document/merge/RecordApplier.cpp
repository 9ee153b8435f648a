#include "document/merge/RecordApplier.h"

#include <algorithm>

#include "document/Document.h"
#include "document/Vocabulary.h"
#include "document/merge/FilterValueField.h"
#include "shell/AppError.h"

namespace sentrel::doc {

namespace {

const QString kChildren = QStringLiteral("children");
const QString kPropToSet = QStringLiteral("propToSet");
const QString kUId = QStringLiteral("uId");

Verdict applied() {
    return {ReplayOutcome::Applied, {}};
}

Verdict alreadySo() {
    return {ReplayOutcome::AlreadySo, {}};
}

Verdict conflict(const QString& reason) {
    return {ReplayOutcome::Conflict, reason};
}

bool same(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool isDeleted(const TypeObject& type) {
    return type.Path(mainMod::kTypeParam) == mainMod::kTypeDeleted;
}

// The property's declared name as the root carries it, in its own letter case.
QString declaredName(const TypeObject& root, const QString& name) {
    for (const QString& parameter : root.Parameters()) {
        if (same(parameter, name)) return parameter;
    }
    return {};
}

QString dataTypeDisplayName(const QString& name) {
    for (const QString& display : mainMod::dataTypeDisplayNames()) {
        if (same(display, name)) return display;
    }
    return {};
}

bool sameFilter(const FilterElement& filter, const QString& property, const QString& match,
                const FilterValueField& values, int priority) {
    return same(filter.text(kPropToSet), property) &&
           filter.text(QStringLiteral("matchStr")) == match &&
           filter.text(QStringLiteral("valToSet")) == values.value &&
           filter.number(QStringLiteral("priority")) == priority &&
           filter.number(QStringLiteral("filterType")) == values.kind &&
           filter.text(QStringLiteral("DataField")) == values.data;
}

void store(FilterElement& filter, const QString& property, const QString& match,
           const FilterValueField& values, int priority) {
    filter.set(kPropToSet, property);
    filter.set(QStringLiteral("matchStr"), match);
    filter.set(QStringLiteral("valToSet"), values.value);
    filter.set(QStringLiteral("priority"), priority);
    filter.set(QStringLiteral("filterType"), values.kind);
    filter.set(QStringLiteral("DataField"), values.data);
}

}  // namespace

Verdict RecordApplier::apply(int code, const Fields& f) {
    switch (code) {
        case 1:
            return addType(f, false);
        case 2:
            return setTypeText(f, mainMod::kDescriptionParam);
        case 3:
            return deleteType(f);
        case 4:
            return addType(f, true);
        case 5:
            return setTypeText(f, mainMod::kUserAgentParam);
        case 6:
            return addProperty(f);
        case 7:
            return renameProperty(f);
        case 8:
            return changeValue(f);
        case 9:
            return removeProperty(f);
        case 10:
            return addFilter(f);
        case 11:
            return changeFilter(f);
        case 12:
            return removeFilter(f);
        case 13:
            return restoreType(f);
        default:
            return conflict(QStringLiteral("unknown record code %1").arg(code));
    }
}

TypeObject* RecordApplier::liveType(const QString& name, Verdict* why) const {
    if (!mainMod::isBrowserType(name) || !document_.hasType(name)) {
        *why = conflict(QStringLiteral("the browser or folder \"%1\" does not exist").arg(name));
        return nullptr;
    }
    TypeObject& type = document_.Path(name);
    if (isDeleted(type)) {
        *why = conflict(QStringLiteral("the browser or folder \"%1\" was deleted").arg(name));
        return nullptr;
    }
    return &type;
}

bool RecordApplier::hasLiveChildren(const QString& name) const {
    for (const QString& other : document_.types()) {
        if (!mainMod::isBrowserType(other)) continue;
        const TypeObject& type = document_.Path(other);
        if (type.getbasetype() && same(type.getbasetype()->Name(), name) && !isDeleted(type)) {
            return true;
        }
    }
    return false;
}

QStringList RecordApplier::liveDescendants(const QString& top) const {
    QStringList names;
    for (const QString& name : document_.types()) {
        if (!mainMod::isBrowserType(name) || !mainMod::isDescendant(top, name, document_)) {
            continue;
        }
        if (!isDeleted(document_.Path(name))) names << name;
    }
    return names;
}

// 1 folder created, 4 browser added: type name, parent, description, icon or pattern, date.
Verdict RecordApplier::addType(const Fields& f, bool browser) {
    const QString& name = f[0];
    const QString& parent = f[1];
    if (document_.hasType(name)) {
        const TypeObject* base = document_.Path(name).getbasetype();
        if (mainMod::isBrowserType(name) && base && same(base->Name(), parent)) return alreadySo();
        return conflict(QStringLiteral("a type named \"%1\" already exists").arg(name));
    }
    if (!mainMod::isValidPropertyName(name) || !mainMod::isBrowserType(name)) {
        return conflict(QStringLiteral("\"%1\" is no valid browser or folder name").arg(name));
    }
    Verdict why;
    if (!liveType(parent, &why)) return conflict(QStringLiteral("its parent: ") + why.reason);
    if (f[2].trimmed().isEmpty()) return conflict(QStringLiteral("the description is empty"));
    if (mainMod::descriptionExists(f[2], document_)) {
        return conflict(QStringLiteral("the description \"%1\" is already used").arg(f[2]));
    }
    TypeObject& type = document_.AddInheritedType(name, parent);
    type.SetParamDefValue(mainMod::kDescriptionParam, f[2]);
    type.SetParamDefValue(mainMod::kLastUpdateParam, f[4]);
    type.SetParamDefValue(mainMod::kTypeParam,
                          browser ? mainMod::kTypeBrowser : mainMod::kTypeFolder);
    if (browser) type.SetParamDefValue(mainMod::kUserAgentParam, f[3]);
    return applied();
}

// 2 description changed, 5 user agent set: type name, empty, new text, empty, date.
Verdict RecordApplier::setTypeText(const Fields& f, const QString& parameter) {
    Verdict why;
    TypeObject* type = liveType(f[0], &why);
    if (!type) return why;
    const QString current = type->Path(parameter);
    if (current == f[2]) return alreadySo();
    if (parameter == mainMod::kDescriptionParam) {
        if (f[2].trimmed().isEmpty()) return conflict(QStringLiteral("the description is empty"));
        if (!same(current, f[2]) && mainMod::descriptionExists(f[2], document_)) {
            return conflict(QStringLiteral("the description \"%1\" is already used").arg(f[2]));
        }
    }
    type->SetParamDefValue(parameter, f[2]);
    type->SetParamDefValue(mainMod::kLastUpdateParam, f[4]);
    return applied();
}

// 3 browser or folder deleted: type name.
Verdict RecordApplier::deleteType(const Fields& f) {
    const QString& name = f[0];
    if (!mainMod::isBrowserType(name) || !document_.hasType(name)) return alreadySo();
    TypeObject& type = document_.Path(name);
    if (isDeleted(type)) return alreadySo();
    if (!type.getbasetype()) return conflict(QStringLiteral("the root type cannot be deleted"));
    if (hasLiveChildren(name)) {
        return conflict(QStringLiteral("\"%1\" still has browsers or folders below it").arg(name));
    }
    type.SetParamDefValue(mainMod::kTypeParam, mainMod::kTypeDeleted);
    return applied();
}

// 13 deleted browser or folder brought back: type name, empty, kind ("0" or "2").
Verdict RecordApplier::restoreType(const Fields& f) {
    const QString& name = f[0];
    if (!mainMod::isBrowserType(name) || !document_.hasType(name)) {
        return conflict(QStringLiteral("the browser or folder \"%1\" does not exist").arg(name));
    }
    TypeObject& type = document_.Path(name);
    if (!isDeleted(type)) return alreadySo();
    if (f[2] != mainMod::kTypeBrowser && f[2] != mainMod::kTypeFolder) {
        return conflict(QStringLiteral("unknown kind \"%1\"").arg(f[2]));
    }
    Verdict why;
    const TypeObject* parent = type.getbasetype();
    if (!parent || !liveType(parent->Name(), &why)) {
        return conflict(QStringLiteral("its parent: ") + why.reason);
    }
    const QString description = type.Path(mainMod::kDescriptionParam);
    if (mainMod::descriptionExists(description, document_)) {
        return conflict(QStringLiteral("the description \"%1\" is already used").arg(description));
    }
    type.SetParamDefValue(mainMod::kTypeParam, f[2]);
    return applied();
}

// 6 property added: property, browser type, data type, default value, value. The type and
// its descendants get the value, every other browser the default value.
Verdict RecordApplier::addProperty(const Fields& f) {
    const QString& name = f[0];
    TypeObject& root = document_.DefaultBrowser();
    const QString dataType = dataTypeDisplayName(f[2]);
    if (root.hasParameter(name)) {
        const bool sameValue = document_.hasType(f[1]) && document_.Path(f[1]).Path(name) == f[4];
        if (same(root.GetPropertyType(name), f[2]) && sameValue) return alreadySo();
        return conflict(QStringLiteral("a property named \"%1\" already exists").arg(name));
    }
    if (!mainMod::isValidPropertyName(name) || mainMod::isProtectedProperty(name)) {
        return conflict(QStringLiteral("\"%1\" is no valid property name").arg(name));
    }
    if (dataType.isEmpty()) return conflict(QStringLiteral("unknown data type \"%1\"").arg(f[2]));
    for (const QString& value : {f[3], f[4]}) {
        if (!value.isEmpty() && !mainMod::isValidValue(value, dataType)) {
            return conflict(QStringLiteral("\"%1\" is no valid %2 value").arg(value, dataType));
        }
    }
    const bool atRoot = same(f[1], mainMod::kRootTypeName);
    Verdict why;
    if (!atRoot && !liveType(f[1], &why)) return why;
    root.AddParameter(name, dataType);
    for (const QString& typeName : document_.types()) {
        if (!mainMod::isBrowserType(typeName)) continue;
        TypeObject& type = document_.Path(typeName);
        if (!type.hasParameter(name)) continue;
        const bool inBranch =
            atRoot || same(typeName, f[1]) || mainMod::isDescendant(f[1], typeName, document_);
        type.SetParamDefValue(name, inBranch ? f[4] : f[3]);
    }
    return applied();
}

// 7 property renamed: old name, new name. Filters setting the property follow the name.
Verdict RecordApplier::renameProperty(const Fields& f) {
    const QString& oldName = f[0];
    const QString& newName = f[1];
    TypeObject& root = document_.DefaultBrowser();
    const bool caseOnly = same(oldName, newName);
    if (!root.hasParameter(oldName)) {
        if (root.hasParameter(newName)) return alreadySo();
        return conflict(QStringLiteral("the property \"%1\" does not exist").arg(oldName));
    }
    if (caseOnly && declaredName(root, oldName) == newName) return alreadySo();
    if (!caseOnly && root.hasParameter(newName)) {
        return conflict(QStringLiteral("both \"%1\" and \"%2\" exist").arg(oldName, newName));
    }
    if (mainMod::isProtectedProperty(oldName)) {
        return conflict(QStringLiteral("\"%1\" is a system property").arg(oldName));
    }
    if (!mainMod::isValidPropertyName(newName) || mainMod::isProtectedProperty(newName)) {
        return conflict(QStringLiteral("\"%1\" is no valid property name").arg(newName));
    }
    root.Rename(oldName, newName);
    if (!document_.hasProperty(QStringLiteral("FiltersArray"))) return applied();
    doc::FiltersArray& filters = document_.FiltersArray();
    for (int i = 0; i < filters.Count(); ++i) {
        if (same(filters[i].text(kPropToSet), oldName)) filters[i].set(kPropToSet, newName);
    }
    return applied();
}

// 8 property value changed: browser type, property, value, "children" or empty, date.
Verdict RecordApplier::changeValue(const Fields& f) {
    Verdict why;
    TypeObject* type = liveType(f[0], &why);
    if (!type) return why;
    const QString& property = f[1];
    TypeObject& root = document_.DefaultBrowser();
    if (!root.hasParameter(property)) {
        return conflict(QStringLiteral("the property \"%1\" does not exist").arg(property));
    }
    if (mainMod::isSystemProperty(property)) {
        return conflict(QStringLiteral("\"%1\" is a system property").arg(property));
    }
    if (!f[3].isEmpty() && f[3] != kChildren) {
        return conflict(QStringLiteral("unknown flag \"%1\"").arg(f[3]));
    }
    const QString dataType = root.GetPropertyType(property);
    if (!f[2].isEmpty() && !mainMod::isValidValue(f[2], dataType)) {
        return conflict(QStringLiteral("\"%1\" is no valid %2 value").arg(f[2], dataType));
    }
    QList<TypeObject*> targets{type};
    if (f[3] == kChildren) {
        for (const QString& name : liveDescendants(f[0])) targets << &document_.Path(name);
    }
    const bool done = std::all_of(targets.begin(), targets.end(),
                                  [&](const TypeObject* t) { return t->Path(property) == f[2]; });
    if (done) return alreadySo();
    for (TypeObject* target : targets) {
        target->SetParamDefValue(property, f[2]);
        target->SetParamDefValue(mainMod::kLastUpdateParam, f[4]);
    }
    return applied();
}

// 9 property removed: property. Filters setting it go with it.
Verdict RecordApplier::removeProperty(const Fields& f) {
    const QString& name = f[0];
    TypeObject& root = document_.DefaultBrowser();
    if (!root.hasParameter(name)) return alreadySo();
    if (mainMod::isProtectedProperty(name)) {
        return conflict(QStringLiteral("\"%1\" is a system property").arg(name));
    }
    root.deleteProperty(name);
    if (!document_.hasProperty(QStringLiteral("FiltersArray"))) return applied();
    doc::FiltersArray& filters = document_.FiltersArray();
    for (int i = filters.Count() - 1; i >= 0; --i) {
        if (same(filters[i].text(kPropToSet), name)) filters.Remove(i);
    }
    return applied();
}

int RecordApplier::filterIndex(int uId) const {
    const doc::FiltersArray& filters = document_.FiltersArray();
    for (int i = 0; i < filters.Count(); ++i) {
        if (filters[i].number(kUId) == uId) return i;
    }
    return -1;
}

bool RecordApplier::filterValues(const Fields& f, FilterValueField* values, int* priority,
                                 Verdict* why) const {
    if (!FilterValueField::unpack(f[3], values)) {
        *why = conflict(
            QStringLiteral("the value field \"%1\" can be read in more than one way").arg(f[3]));
        return false;
    }
    bool number = false;
    *priority = f[4].trimmed().toInt(&number);
    if (!number) {
        *why = conflict(QStringLiteral("the priority \"%1\" is no number").arg(f[4]));
        return false;
    }
    const TypeObject& root = document_.DefaultBrowser();
    if (!root.hasParameter(f[1]) || mainMod::isSystemProperty(f[1])) {
        *why = conflict(QStringLiteral("the property \"%1\" does not exist").arg(f[1]));
        return false;
    }
    return true;
}

bool RecordApplier::changedLaterInTheFile(const FilterElement& filter) const {
    for (const Fields& f : laterFilterFields_) {
        FilterValueField values;
        bool number = false;
        const int priority = f[4].trimmed().toInt(&number);
        if (number && FilterValueField::unpack(f[3], &values) &&
            sameFilter(filter, f[1], f[2], values, priority)) {
            return true;
        }
    }
    return false;
}

// 10 filter added: unique id, property, match condition, value field, priority.
Verdict RecordApplier::addFilter(const Fields& f) {
    const int uId = f[0].toInt();
    FilterValueField values;
    int priority = 0;
    Verdict why;
    if (!filterValues(f, &values, &priority, &why)) return why;
    doc::FiltersArray& filters = document_.FiltersArray();
    const int existing = filterIndex(uId);
    if (existing >= 0) {
        if (sameFilter(filters[existing], f[1], f[2], values, priority) ||
            changedLaterInTheFile(filters[existing])) {
            return alreadySo();
        }
        return conflict(QStringLiteral("another filter has the unique id %1").arg(uId));
    }
    const int index = filters.Add();
    try {
        store(filters[index], f[1], f[2], values, priority);
        filters[index].set(kUId, uId);
    } catch (const AppError&) {
        filters.Remove(index);
        throw;
    }
    return applied();
}

// 11 filter changed: unique id, property, match condition, value field, priority.
Verdict RecordApplier::changeFilter(const Fields& f) {
    const int uId = f[0].toInt();
    const int index = filterIndex(uId);
    if (index < 0) return conflict(QStringLiteral("no filter has the unique id %1").arg(uId));
    FilterValueField values;
    int priority = 0;
    Verdict why;
    if (!filterValues(f, &values, &priority, &why)) return why;
    FilterElement& filter = document_.FiltersArray()[index];
    if (sameFilter(filter, f[1], f[2], values, priority)) return alreadySo();
    const FilterElement before = filter;
    try {
        store(filter, f[1], f[2], values, priority);
    } catch (const AppError&) {
        filter = before;
        throw;
    }
    return applied();
}

// 12 filter removed: unique id.
Verdict RecordApplier::removeFilter(const Fields& f) {
    const int index = filterIndex(f[0].toInt());
    if (index < 0) return alreadySo();
    document_.FiltersArray().Remove(index);
    return applied();
}

}  // namespace sentrel::doc
