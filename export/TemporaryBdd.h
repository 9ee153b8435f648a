#pragma once

#include <QString>

namespace sentrel::detect {
class DefinitionsCache;
}

namespace sentrel::exporting {

// The Hit Tester's own BDD, "temp.bdd" in the base directory. Whoever replaces or removes it
// goes through here, so the detection library never serves definitions it loaded from the
// file before (it looks at a file at most once a second).
class TemporaryBdd {
  public:
    TemporaryBdd(const QString& baseDirectory, detect::DefinitionsCache& cache);

    const QString& path() const { return path_; }
    bool exists() const;
    // Replaces temp.bdd whole by a copy of `source`. Throws AppError; temp.bdd is then as it
    // was.
    void copyFrom(const QString& source);
    // Deletes temp.bdd; a missing file is no error. False when it could not be deleted.
    bool remove();
    // To be called after temp.bdd was written by someone else (the export).
    void rewritten();

    static inline const QString kFileName = QStringLiteral("temp.bdd");

  private:
    QString path_;
    detect::DefinitionsCache& cache_;
};

}  // namespace sentrel::exporting
