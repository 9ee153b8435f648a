#pragma once

#include <gtest/gtest.h>

#include <QDateTime>
#include <QMap>
#include <ostream>

#include "app/update/DefinitionUpdate.h"
#include "app/update/Downloader.h"
#include "app/update/InstalledFiles.h"
#include "app/update/UpdateKeys.h"
#include "registry/mdlRegistry.h"
#include "shell/ScriptedInteraction.h"
#include "support/TempDir.h"

// Readable failure output for Qt strings.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QByteArray& bytes, std::ostream* out) {
    *out << '"' << bytes.toStdString() << '"';
}

namespace sentrel::test {

// One merge record as the editor writes it: the code, then five quoted fields.
QByteArray record(int code, const QStringList& fields);

// Writes the sample definitions with `changes` (merge records) made and the release date
// `release` to `folder` as maindefs.bdf, as the maker publishes a release; answers its bytes.
QByteArray publishRelease(const QString& folder, const QDateTime& release,
                          const QByteArray& changes);

// An installation in a temporary base directory, registered in a key store of its own: the
// sample definitions as maindefs.bdf (release kInstalled, recorded as installed), the
// customizations kCustomizations in maindefs.mrg, its BDD and an old whatsnew.txt. The
// update source recorded is a second temporary folder, empty until publish().
class UpdateFixture : public ::testing::Test {
  protected:
    static inline const QDateTime kInstalled{QDate(2026, 12, 1), QTime(0, 0)};
    static inline const QDateTime kNewer{QDate(2027, 1, 15), QTime(8, 30)};
    // Applied onto any release; the second is made upstream too in the newer release, the
    // third names a browser the newer release drops.
    static const QByteArray kCustomizations;
    // The maker's changes in the newer release.
    static const QByteArray kUpstreamChanges;

    UpdateFixture();
    ~UpdateFixture() override;

    // publishRelease() to `folder`, by default the update source.
    QByteArray publish(const QDateTime& release, const QByteArray& changes = kUpstreamChanges,
                       const QString& folder = {});
    // The installed files and the installed release, by name.
    QMap<QString, QByteArray> installedState() const;
    QString keyValue(const QString& key, const QString& name) const;

    update::UpdateOutcome runUpdate();

    TempDir keysDir;
    const bool keysSet;
    TempDir base;
    TempDir source;
    ScriptedInteraction ui;
    reg::mdlRegistry registry{ui};
    update::UpdateKeys keys{registry, source.path()};
    update::Downloader downloader;
    update::InstalledFiles files{base.path()};
};

}  // namespace sentrel::test
