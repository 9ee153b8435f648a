#include "update/UpdateFixture.h"

#include <QDir>
#include <QFile>

#include "document/Document.h"
#include "document/merge/MergeReplay.h"
#include "export/BddVersion.h"
#include "export/BddWriter.h"
#include "registry/KeyPaths.h"

namespace sentrel::test {

QByteArray record(int code, const QStringList& fields) {
    QStringList quoted;
    for (const QString& field : fields) quoted << u'"' + field + u'"';
    return QByteArray::number(code) + ',' + quoted.join(u',').toUtf8() + "\r\n";
}

QByteArray publishRelease(const QString& folder, const QDateTime& release,
                          const QByteArray& changes) {
    auto document = doc::Document::load(QStringLiteral(SENTREL_SAMPLE_DEFINITIONS));
    doc::MergeReplay(*document).replay(changes);
    doc::internals::setBDFLastUpdate(*document, release);
    const QString target = QDir(folder).filePath(QStringLiteral("maindefs.bdf"));
    document->save(target);
    return TempDir::read(target);
}

const QByteArray UpdateFixture::kCustomizations =
    record(2, {"chrome124", "", "Chrome 124 (our build)", "", "2026-12-02T10:00:00"}) +
    record(2, {"chrome131", "", "Chrome 131 (current)", "", "2026-12-02T10:00:00"}) +
    record(5, {"chrome125", "", "*OurChrome/125*", "", "2026-12-02T10:00:00"}) +
    record(4, {"ourbrowser", "desktop", "Our own browser", "*OurBrowser/*", "2026-12-02T10:00"});

const QByteArray UpdateFixture::kUpstreamChanges =
    record(4, {"chrome999", "chrome", "Chrome 999", "*Chrome/999.*", "2027-01-15T08:30:00"}) +
    record(2, {"chrome131", "", "Chrome 131 (current)", "", "2027-01-15T08:30:00"}) +
    record(3, {"chrome125", "", "", "", ""});

UpdateFixture::UpdateFixture() : keysSet(qputenv("SENTREL_REGISTRY", keysDir.path().toUtf8())) {
    QFile::copy(QStringLiteral(SENTREL_SAMPLE_DEFINITIONS), files.definitions());
    base.write(QStringLiteral("maindefs.mrg"), kCustomizations);
    base.write(QStringLiteral("whatsnew.txt"), "The notes of the installed release.\n");
    auto installed = doc::Document::load(files.definitions());
    exporting::BddWriter(exporting::BddVersion::of(*installed)).writeFile(*installed, files.bdd());
    registry.setString(reg::kProductKey, reg::kBaseDirValue, base.path());
    keys.setInstalledRelease(kInstalled);
    keys.setUpdateSource(source.path());
}

UpdateFixture::~UpdateFixture() {
    qunsetenv("SENTREL_REGISTRY");
}

QByteArray UpdateFixture::publish(const QDateTime& release, const QByteArray& changes,
                                  const QString& folder) {
    return publishRelease(folder.isEmpty() ? source.path() : folder, release, changes);
}

QMap<QString, QByteArray> UpdateFixture::installedState() const {
    QMap<QString, QByteArray> state;
    for (const QString& name : QDir(base.path()).entryList(QDir::Files | QDir::Hidden))
        state[name] = TempDir::read(base.file(name));
    state[QStringLiteral("key installedRelease")] =
        keyValue(reg::kProductKey, QStringLiteral("installedRelease")).toUtf8();
    return state;
}

QString UpdateFixture::keyValue(const QString& key, const QString& name) const {
    return registry.getString(key, name).value_or(QStringLiteral("(none)"));
}

update::UpdateOutcome UpdateFixture::runUpdate() {
    return update::DefinitionUpdate(keys, downloader).run();
}

}  // namespace sentrel::test
