#include "editor/lifecycle/RecentFiles.h"

#include "document/StringArray.h"
#include "editor/lifecycle/LifecycleView.h"
#include "editor/lifecycle/PathNames.h"

namespace sentrel::lifecycle {

RecentFiles::RecentFiles(ListSource list, LifecycleView& view)
    : list_(std::move(list)), view_(view) {}

bool RecentFiles::isTemplate(const QString& path) {
    return path.toLower().endsWith(kTemplateName);
}

int RecentFiles::posInLRU(const QString& path) const {
    const doc::StringArray* list = list_ ? list_() : nullptr;
    if (!list) return 0;
    for (int i = 1; i <= list->Count(); ++i)
        if (list->item(i) == path) return i;
    return 0;
}

void RecentFiles::add(doc::StringArray& list, const QString& path) {
    const int pos = posInLRU(path);
    if (pos == kLimit) return;
    if (pos != 0) list.Remove(pos);
    list.setItem(list.Add(), path);
    if (list.Count() > kLimit) list.Remove(1);
}

void RecentFiles::manageLRU(const QString& path, const QString& action) {
    doc::StringArray* list = list_ ? list_() : nullptr;
    if (!list || isTemplate(path)) return;
    if (action == QLatin1String("ADD")) {
        add(*list, path);
    } else if (action == QLatin1String("REMOVE")) {
        for (int i = list->Count(); i >= 1; --i)
            if (list->item(i) == path) list->Remove(i);
    }
    ResetMenuLRU();
}

QStringList RecentFiles::captions() const {
    const doc::StringArray* list = list_ ? list_() : nullptr;
    QStringList result;
    if (!list) return result;
    for (int i = list->Count(), k = 1; i >= 1 && k <= kLimit; --i, ++k)
        result.append(u'&' + QString::number(k) + u' ' + list->item(i));
    return result;
}

void RecentFiles::ResetMenuLRU() {
    view_.setRecentFileEntries(captions());
}

void RecentFiles::removeAllLRUs() {
    view_.setRecentFileEntries({});
}

}  // namespace sentrel::lifecycle
