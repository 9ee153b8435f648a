#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace sentrel::doc {
class StringArray;
}

namespace sentrel::lifecycle {

class LifecycleView;

// The recent-files list: the `lru.bdfName` array of the internal data document (full
// paths, oldest first) and the numbered File-menu entries built from it (newest first).
// The blank template is never listed.
class RecentFiles {
  public:
    // The list lives in the internal data document, which is bound after the window exists:
    // the source answers it, or null while there is none (the list then reads as empty).
    using ListSource = std::function<doc::StringArray*()>;

    static constexpr int kLimit = 9;

    RecentFiles(ListSource list, LifecycleView& view);

    // "ADD": the path becomes the newest entry (a path equal but for letter case replaces
    // its entry; the oldest entry falls off past nine; an entry already at the newest end of
    // a full list stays put). "REMOVE": every entry equal to the path, in any case, goes.
    // The menu entries are rebuilt.
    void manageLRU(const QString& path, const QString& action);
    // 1-based place of the path in the list (oldest first), in any letter case; 0 if absent.
    int posInLRU(const QString& path) const;
    // Rebuilds the menu entries from the list.
    void ResetMenuLRU();
    // Removes the menu entries.
    void removeAllLRUs();

    // The menu captions, newest first: "&1 path", "&2 path", ...
    QStringList captions() const;
    // The path a caption opens: the caption less its first three characters.
    static QString pathOfCaption(const QString& caption) { return caption.mid(3); }

    static bool isTemplate(const QString& path);

  private:
    void add(doc::StringArray& list, const QString& path);

    ListSource list_;
    LifecycleView& view_;
};

}  // namespace sentrel::lifecycle
