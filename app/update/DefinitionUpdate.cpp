#include "app/update/DefinitionUpdate.h"

#include <QFile>
#include <QFileInfo>

#include "app/update/Downloader.h"
#include "app/update/UpdateKeys.h"
#include "app/update/UpdateLock.h"
#include "app/update/UpdateSource.h"
#include "document/Document.h"
#include "document/DocumentLock.h"
#include "document/DocumentReader.h"
#include "document/FileAccess.h"
#include "document/FilterOrder.h"
#include "document/merge/MergeReplay.h"
#include "editor/lifecycle/PendingMerge.h"
#include "export/BddVersion.h"
#include "export/BddWriter.h"
#include "shell/AppError.h"

namespace sentrel::update {

namespace {

constexpr int kCurrentStructure = 3;
const QString kDefinitionsName = QStringLiteral("maindefs.bdf");
const QString kWhatsNewName = QStringLiteral("whatsnew.txt");

UpdateOutcome failed(const QString& reason) {
    UpdateOutcome outcome;
    outcome.status = UpdateOutcome::Status::Failed;
    outcome.reason = reason;
    return outcome;
}

std::optional<QByteArray> readIfPresent(const QString& path) {
    if (!QFileInfo::exists(path)) return std::nullopt;
    return doc::file_access::readAll(path);
}

// Puts a file back as it was before the update: its old content, or no file.
void restore(const QString& path, const std::optional<QByteArray>& before) {
    if (before)
        doc::file_access::writeAll(path, *before);
    else
        QFile::remove(path);
}

}  // namespace

DefinitionUpdate::DefinitionUpdate(UpdateKeys& keys, Downloader& downloader, StepSink steps)
    : keys_(keys), downloader_(downloader), steps_(std::move(steps)) {}

void DefinitionUpdate::step(const QString& text) const {
    if (steps_) steps_(text);
}

InstalledFiles DefinitionUpdate::installedFiles() const {
    const QString base = keys_.baseDirectory();
    if (base.isEmpty()) {
        throw AppError(AppError::kPathNotFound,
                       QStringLiteral("No installation folder is registered (\"basedir\" in the "
                                      "key store); run sentrel-editor --register-basedir FOLDER "
                                      "first."));
    }
    return {base};
}

UpdateOutcome DefinitionUpdate::check() {
    try {
        Offer offer = download(UpdateSource(keys_.updateSource()));
        UpdateOutcome outcome = compare(offer);
        if (outcome.status == UpdateOutcome::Status::Updated)
            outcome.status = UpdateOutcome::Status::NewerAvailable;
        return outcome;
    } catch (const AppError& error) {
        return failed(error.description());
    }
}

UpdateOutcome DefinitionUpdate::run() {
    try {
        const InstalledFiles files = installedFiles();
        const UpdateSource source(keys_.updateSource());
        const UpdateLock lock = holdDefinitions(files);
        Offer offer = download(source);
        UpdateOutcome outcome = compare(offer);
        if (outcome.status == UpdateOutcome::Status::Updated) {
            step(QStringLiteral("Downloading %1...").arg(kWhatsNewName));
            const std::optional<QByteArray> whatsNew =
                downloader_.fetchIfPresent(source.fileUrl(kWhatsNewName));
            outcome.replay = replayCustomizations(*offer.document, files);
            install(*offer.document, files, whatsNew);
            keys_.setInstalledRelease(offer.release);
        }
        // A check that found nothing newer is a check made all the same.
        keys_.scheduleNextCheck(QDateTime::currentDateTime());
        return outcome;
    } catch (const AppError& error) {
        return failed(error.description());
    }
}

// A definition file held by the editor (or another program) is not replaced under it.
UpdateLock DefinitionUpdate::holdDefinitions(const InstalledFiles& files) {
    try {
        return UpdateLock(files.definitions());
    } catch (const AppError& error) {
        if (error.number() != doc::kErrDocumentHeld && error.number() != doc::kErrLockedElsewhere)
            throw;
        throw AppError(error.number(),
                       QStringLiteral("%1 is open in the Sentrel editor or another program; "
                                      "close it there and run the update again. (%2)")
                           .arg(files.definitions(), error.description()));
    }
}

// Updated when the offer is newer than the installed release (or none is installed yet),
// else UpToDate; the caller decides what "Updated" means for it.
UpdateOutcome DefinitionUpdate::compare(Offer& offer) {
    UpdateOutcome outcome;
    outcome.offeredRelease = offer.release;
    outcome.installedRelease = keys_.installedRelease();
    const bool newer =
        !outcome.installedRelease.isValid() || offer.release > outcome.installedRelease;
    outcome.status = newer ? UpdateOutcome::Status::Updated : UpdateOutcome::Status::UpToDate;
    return outcome;
}

DefinitionUpdate::Offer DefinitionUpdate::download(const UpdateSource& source) {
    const QUrl url = source.fileUrl(kDefinitionsName);
    step(QStringLiteral("Downloading %1 from %2...").arg(kDefinitionsName, source.address()));
    const QByteArray bytes = downloader_.fetch(url);
    step(QStringLiteral("Checking the downloaded definitions..."));
    return loadOffer(bytes, url.toDisplayString(QUrl::PreferLocalFile));
}

// The download must load as a definition file of the current structure and name its release.
DefinitionUpdate::Offer DefinitionUpdate::loadOffer(const QByteArray& bytes,
                                                    const QString& shownName) {
    const auto refuse = [&](const QString& why) {
        return AppError(doc::kErrDocumentDamaged,
                        QStringLiteral("The downloaded %1 is not usable: %2").arg(shownName, why));
    };
    Offer offer;
    int structure = 0;
    try {
        offer.document = doc::DocumentReader::parse(bytes, shownName);
        if (offer.document->hasType(QStringLiteral("Internals"))) {
            structure = doc::internals::BDFStructure(*offer.document);
            offer.release = doc::internals::BDFLastUpdate(*offer.document);
        }
    } catch (const AppError& error) {
        throw refuse(error.description());
    }
    if (structure != kCurrentStructure) {
        throw refuse(QStringLiteral("its internal structure is %1, this program reads %2.")
                         .arg(structure)
                         .arg(kCurrentStructure));
    }
    if (!offer.release.isValid())
        throw refuse(QStringLiteral("it names no release date (BDFLastUpdate)."));
    return offer;
}

// The customizations: the installation's merge file, then the records still waiting in
// pending-merge/ for it (saved into maindefs.bdf, but not yet into its merge file).
doc::ReplayReport DefinitionUpdate::replayCustomizations(doc::Document& document,
                                                         const InstalledFiles& files) {
    QByteArray records;
    if (QFileInfo::exists(files.mergeFile()))
        records = doc::file_access::readAll(files.mergeFile());
    if (!records.isEmpty() && !records.endsWith('\n')) records += "\r\n";
    records += lifecycle::PendingMerge(files.baseDirectory).recordsFor(files.mergeFile());
    if (records.isEmpty()) return {};
    step(QStringLiteral("Replaying your customizations (%1)...")
             .arg(QFileInfo(files.mergeFile()).fileName()));
    doc::ReplayReport report = doc::MergeReplay(document).replay(records);
    doc::filter_order::sortByPriority(document);
    return report;
}

void DefinitionUpdate::install(doc::Document& document, const InstalledFiles& files,
                               const std::optional<QByteArray>& whatsNew) {
    step(QStringLiteral("Installing the new definitions..."));
    const QByteArray bdd =
        exporting::BddWriter(exporting::BddVersion::of(document)).scrambledText(document);
    const std::optional<QByteArray> oldDefinitions = readIfPresent(files.definitions());
    const std::optional<QByteArray> oldBdd = readIfPresent(files.bdd());
    if (oldDefinitions) doc::file_access::writeAll(files.backup(), *oldDefinitions);
    document.save(files.definitions());
    try {
        doc::file_access::writeAll(files.bdd(), bdd);
        if (whatsNew) doc::file_access::writeAll(files.whatsNew(), *whatsNew);
    } catch (const AppError&) {
        restore(files.definitions(), oldDefinitions);
        restore(files.bdd(), oldBdd);
        throw;
    }
}

}  // namespace sentrel::update
