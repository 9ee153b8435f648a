#pragma once

#include <sys/types.h>
#include <QList>
#include <QString>
#include <QStringList>

namespace sentrel::webdirs {

// What the account Apache httpd runs the reports web service as must be able to do with a
// path: read a file, write a file, search a folder, write into a folder, or run a program.
struct AccessNeed {
    enum Kind { ReadFile, WriteFile, SearchFolder, WriteFolder, RunFile } kind;
    QString path;
    // The path belongs to the program (the key store, the reports file and its folder): when
    // the editor runs as root it may hand it to the account's group.
    bool ours = false;
};

// Checks the file modes of paths against Apache's account (its user, the group httpd runs
// under and the user's other groups) and, when this process is root, gives the account's
// group what it lacks on paths of ours: folders 2775, files 0664, group set to Apache's.
class ServiceAccountAccess {
  public:
    ServiceAccountAccess(const QString& user, const QString& group);

    // The needs a path brings along: search rights on every folder above it.
    static QList<AccessNeed> withFoldersAbove(const AccessNeed& need, const QString& ourRoot);

    // Grants what it may, then answers each need still unmet as "path (what)".
    QStringList ensure(const QList<AccessNeed>& needs) const;
    // "user (group group)".
    QString account() const;

  private:
    bool met(const AccessNeed& need) const;
    void grant(const AccessNeed& need) const;

    QString user_;
    QString group_;
    bool known_ = false;
    uid_t uid_ = 0;
    gid_t gid_ = 0;
    QList<gid_t> groups_;
};

}  // namespace sentrel::webdirs
