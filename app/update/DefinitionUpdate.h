#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "app/update/InstalledFiles.h"
#include "app/update/UpdateLock.h"
#include "app/update/UpdateOutcome.h"

namespace sentrel::doc {
class Document;
}

namespace sentrel::update {

class Downloader;
class UpdateKeys;
class UpdateSource;

// Brings the installation's maindefs.bdf up to the release its update source offers, keeping
// the user's customizations. The update:
//  1. refuses while the editor (or anyone) holds maindefs.bdf open, and holds it meanwhile;
//  2. downloads the source's maindefs.bdf and checks that it loads as a current definition
//     file whose release (`BDFLastUpdate`) is newer than the release installed last (the
//     user's own file is never compared: every save changes its date);
//  3. downloads the source's whatsnew.txt, when it has one;
//  4. replays the installation's merge file (maindefs.mrg), and the records still waiting in
//     pending-merge/ for it, onto the new definitions;
//  5. keeps the installed file as maindefs.bdf.bak, replaces maindefs.bdf (rename, so it is
//     always the old or the new file whole) and writes its BDD and whatsnew.txt beside it;
//  6. records the new release as installed and the next check seven days on.
// Every failure before step 5 leaves every installed file as it was; a failure within step 5
// puts the old definitions and BDD back. Steps are told to `StepSink` as they start.
class DefinitionUpdate {
  public:
    using StepSink = std::function<void(const QString& step)>;

    DefinitionUpdate(UpdateKeys& keys, Downloader& downloader, StepSink steps = {});

    // Whether the source offers a newer release; changes nothing.
    UpdateOutcome check();
    // The update, as above.
    UpdateOutcome run();

  private:
    struct Offer {
        std::unique_ptr<doc::Document> document;
        QDateTime release;
    };

    InstalledFiles installedFiles() const;
    static UpdateLock holdDefinitions(const InstalledFiles& files);
    UpdateOutcome compare(Offer& offer);
    Offer download(const UpdateSource& source);
    static Offer loadOffer(const QByteArray& bytes, const QString& shownName);
    doc::ReplayReport replayCustomizations(doc::Document& document, const InstalledFiles& files);
    void install(doc::Document& document, const InstalledFiles& files,
                 const std::optional<QByteArray>& whatsNew);
    void step(const QString& text) const;

    UpdateKeys& keys_;
    Downloader& downloader_;
    StepSink steps_;
};

}  // namespace sentrel::update
