#include "document/merge/ChangeRecords.h"

#include <QHash>
#include <QSet>
#include <algorithm>

#include "document/Document.h"
#include "document/Vocabulary.h"
#include "document/merge/FilterValueField.h"

namespace sentrel::doc {

namespace {

const QString kFiltersArray = QStringLiteral("FiltersArray");
const QString kUId = QStringLiteral("uId");

bool isDeleted(TypeObject& type) {
    return type.Path(mainMod::kTypeParam) == mainMod::kTypeDeleted;
}

int depthOf(const TypeObject& type) {
    int depth = 0;
    for (const TypeObject* base = type.getbasetype(); base; base = base->getbasetype()) ++depth;
    return depth;
}

// The user's properties of a document's root (system properties are never added, renamed
// or removed), in declaration order.
QStringList userProperties(Document& document) {
    QStringList names = document.DefaultBrowser().Parameters();
    names.removeIf([](const QString& name) { return mainMod::isProtectedProperty(name); });
    return names;
}

QSet<QString> lowered(const QStringList& names) {
    QSet<QString> keys;
    for (const QString& name : names) keys.insert(name.toLower());
    return keys;
}

std::array<QString, 5> filterFields(const FilterElement& filter) {
    return {filter.text(kUId), filter.text(QStringLiteral("propToSet")),
            filter.text(QStringLiteral("matchStr")), FilterValueField::pack(filter),
            filter.text(QStringLiteral("priority"))};
}

// uId -> position of every filter of a document.
QHash<int, int> filtersById(Document& document) {
    QHash<int, int> positions;
    if (!document.hasProperty(kFiltersArray)) return positions;
    const FiltersArray& filters = document.FiltersArray();
    for (int i = 0; i < filters.Count(); ++i) positions.insert(filters[i].number(kUId), i);
    return positions;
}

class ChangeRecordsBuilder {
  public:
    ChangeRecordsBuilder(Document& from, Document& target, QString stamp)
        : from_(from), target_(target), stamp_(std::move(stamp)) {}

    std::vector<ChangeRecord> build() {
        properties();
        types();
        values();
        filters();
        return std::move(records_);
    }

  private:
    void add(int code, const std::array<QString, 5>& fields) { records_.push_back({code, fields}); }

    // 7 for names changed in place, then 9 for the properties gone, 6 for the new ones.
    void properties() {
        const QStringList before = userProperties(from_);
        const QStringList after = userProperties(target_);
        const QSet<QString> beforeKeys = lowered(before);
        const QSet<QString> afterKeys = lowered(after);
        TypeObject& fromRoot = from_.DefaultBrowser();
        TypeObject& targetRoot = target_.DefaultBrowser();
        QSet<QString> renamedFrom;
        if (before.size() == after.size()) {
            for (qsizetype i = 0; i < before.size(); ++i) {
                const QString& old = before[i];
                const QString& now = after[i];
                const bool caseOnly = old != now && old.compare(now, Qt::CaseInsensitive) == 0;
                const bool swapped =
                    !afterKeys.contains(old.toLower()) && !beforeKeys.contains(now.toLower()) &&
                    fromRoot.GetPropertyType(old) == targetRoot.GetPropertyType(now);
                if (!caseOnly && !swapped) continue;
                add(7, {old, now, {}, {}, {}});
                renamedFrom.insert(old.toLower());
                previousName_.insert(now.toLower(), old);
                nextName_.insert(old.toLower(), now);
            }
        }
        for (const QString& name : before) {
            if (!afterKeys.contains(name.toLower()) && !renamedFrom.contains(name.toLower())) {
                add(9, {name, {}, {}, {}, {}});
            }
        }
        for (const QString& name : after) {
            if (beforeKeys.contains(name.toLower()) || previousName_.contains(name.toLower())) {
                continue;
            }
            const QString rootValue = targetRoot.Path(name);
            add(6, {name, mainMod::kRootTypeName, targetRoot.GetPropertyType(name), rootValue,
                    rootValue});
            addedProperties_.insert(name.toLower());
        }
    }

    // 3 for types gone or deleted (deepest first), 13 for types back (parents first).
    void types() {
        std::vector<TypeObject*> gone;
        std::vector<TypeObject*> back;
        for (const QString& name : from_.types()) {
            if (!mainMod::isBrowserType(name)) continue;
            TypeObject& type = from_.Path(name);
            if (isDeleted(type)) {
                if (target_.hasType(name) && !isDeleted(target_.Path(name))) {
                    back.push_back(&target_.Path(name));
                }
            } else if (!target_.hasType(name) || isDeleted(target_.Path(name))) {
                gone.push_back(&type);
            }
        }
        const auto deeper = [](const TypeObject* a, const TypeObject* b) {
            return depthOf(*a) > depthOf(*b);
        };
        std::stable_sort(gone.begin(), gone.end(), deeper);
        std::stable_sort(back.begin(), back.end(),
                         [&](const TypeObject* a, const TypeObject* b) { return deeper(b, a); });
        for (const TypeObject* type : gone) add(3, {type->Name(), {}, {}, {}, {}});
        for (TypeObject* type : back) {
            add(13, {type->Name(), {}, type->Path(mainMod::kTypeParam), {}, {}});
        }
    }

    // The live types both documents have: 2 and 5 for their texts, 8 for their values.
    QList<QString> sharedLiveTypes() {
        QList<QString> names;
        for (const QString& name : target_.types()) {
            if (!mainMod::isBrowserType(name) || !from_.hasType(name)) continue;
            if (!isDeleted(target_.Path(name))) names << name;
        }
        return names;
    }

    void values() {
        const QList<QString> names = sharedLiveTypes();
        for (int code : {2, 5}) {
            const QString& parameter =
                code == 2 ? mainMod::kDescriptionParam : mainMod::kUserAgentParam;
            for (const QString& name : names) {
                const QString text = target_.Path(name).Path(parameter);
                if (from_.Path(name).Path(parameter) != text)
                    add(code, {name, {}, text, {}, stamp_});
            }
        }
        const QStringList properties = userProperties(target_);
        for (const QString& name : names) {
            for (const QString& property : properties) changedValue(name, property);
        }
    }

    // The value a replay of the records so far leaves, compared with the target's.
    void changedValue(const QString& typeName, const QString& property) {
        const QString key = property.toLower();
        const QString replayed =
            addedProperties_.contains(key)
                ? target_.DefaultBrowser().Path(property)
                : from_.Path(typeName).Path(previousName_.value(key, property));
        const QString value = target_.Path(typeName).Path(property);
        if (replayed != value) add(8, {typeName, property, value, {}, stamp_});
    }

    // A filter's fields once the renames (which filters follow) are replayed.
    std::array<QString, 5> replayedFields(const FilterElement& filter) const {
        std::array<QString, 5> fields = filterFields(filter);
        fields[1] = nextName_.value(fields[1].toLower(), fields[1]);
        return fields;
    }

    // 12 for filters gone, 11 for changed ones, 10 for new ones (in the target's order).
    void filters() {
        const QHash<int, int> before = filtersById(from_);
        const QHash<int, int> after = filtersById(target_);
        if (!before.isEmpty()) {
            const FiltersArray& old = from_.FiltersArray();
            for (int i = 0; i < old.Count(); ++i) {
                if (!after.contains(old[i].number(kUId)))
                    add(12, {old[i].text(kUId), {}, {}, {}, {}});
            }
        }
        if (after.isEmpty()) return;
        const FiltersArray& now = target_.FiltersArray();
        std::vector<std::array<QString, 5>> added;
        for (int i = 0; i < now.Count(); ++i) {
            const std::array<QString, 5> fields = filterFields(now[i]);
            const auto was = before.constFind(now[i].number(kUId));
            if (was == before.cend()) {
                added.push_back(fields);
            } else if (replayedFields(from_.FiltersArray()[*was]) != fields) {
                add(11, fields);
            }
        }
        for (const auto& fields : added) add(10, fields);
    }

    Document& from_;
    Document& target_;
    QString stamp_;
    std::vector<ChangeRecord> records_;
    QHash<QString, QString> previousName_;  // lower-cased new name -> name in `from`
    QHash<QString, QString> nextName_;      // lower-cased name in `from` -> new name
    QSet<QString> addedProperties_;         // lower-cased
};

}  // namespace

std::vector<ChangeRecord> changeRecords(Document& from, Document& target, const QString& stamp) {
    return ChangeRecordsBuilder(from, target, stamp).build();
}

}  // namespace sentrel::doc
