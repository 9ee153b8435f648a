#include "export/HitTester.h"

#include <QFile>
#include <QFileInfo>

#include "detect/BrowserObj.h"
#include "detect/DetectError.h"
#include "document/Document.h"
#include "document/Vocabulary.h"
#include "export/BddExport.h"
#include "export/HitTesterHost.h"
#include "export/HitTesterMessages.h"
#include "export/UserAgentFileReader.h"
#include "shell/AppError.h"
#include "shell/Interaction.h"

namespace sentrel::exporting {

namespace {

const QString kSystemPrefix = QStringLiteral("i__");

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// Hides the wait window however the rebuild ends.
class WaitWindowScope {
  public:
    WaitWindowScope(HitTesterHost& host, const QString& message) : host_(host) {
        host_.showWaitWindow(message);
        host_.processEvents();
    }
    ~WaitWindowScope() { host_.hideWaitWindow(); }
    WaitWindowScope(const WaitWindowScope&) = delete;
    WaitWindowScope& operator=(const WaitWindowScope&) = delete;

  private:
    HitTesterHost& host_;
};

// The busy pointer and a status text while a list loads.
class StatusScope {
  public:
    StatusScope(HitTesterHost& host, const QString& text) : host_(host) {
        host_.setBusy(true);
        host_.setStatusText(text);
    }
    ~StatusScope() {
        host_.setStatusText(QString());
        host_.setBusy(false);
    }
    StatusScope(const StatusScope&) = delete;
    StatusScope& operator=(const StatusScope&) = delete;

  private:
    HitTesterHost& host_;
};

}  // namespace

HitTester::HitTester(Interaction& interaction, HitTesterHost& host, detect::DefinitionsCache& cache)
    : interaction_(interaction),
      host_(host),
      cache_(cache),
      temporaryBdd_(host.baseDirectory(), cache) {}

void HitTester::load() {
    host_.setTemporaryBddOutOfDate(true);
    if (host_.hasUnsavedChanges() || host_.currentFile().isEmpty()) return;
    const QString beside = BddExport::bddPathFor(host_.currentFile());
    const QFileInfo bdd(beside);
    // A BDD older than its definition file (its export after the last save failed, or the
    // file was changed elsewhere) does not hold these definitions.
    if (!bdd.isFile() || bdd.lastModified() < QFileInfo(host_.currentFile()).lastModified()) return;
    try {
        temporaryBdd_.copyFrom(beside);
        host_.setTemporaryBddOutOfDate(false);
    } catch (const AppError& error) {
        interaction_.message(hit_messages::copyFailed(host_.currentFile(), error.description()));
    }
}

void HitTester::unload() {
    temporaryBdd_.remove();
}

void HitTester::testCurrent() {
    host_.processEvents();
    const QString text = list_.currentText();
    if (!text.isEmpty() && !list_.IsListedUserAgent(text)) list_.append(text);
    TestUserAgent(text);
}

void HitTester::TestUserAgent(const QString& userAgent) {
    if (userAgent.isEmpty()) {
        interaction_.message(hit_messages::nothingToTest());
        return;
    }
    if (!host_.document()) return;
    host_.sortPendingFilters();
    if (!refreshTemporaryBdd()) return;
    detect::BrowserObj* browser = detectionObject();
    if (!browser || !detect(*browser, userAgent)) return;
    fillResult(*browser);
    if (resultShown_) resultShown_();
    followMatch(result_.internalName);
}

// Rebuilds temp.bdd when the definitions changed since it was written (or it is gone).
// Answers false, having told the user, when no temp.bdd could be made.
bool HitTester::refreshTemporaryBdd() {
    if (!host_.temporaryBddOutOfDate() && temporaryBdd_.exists()) return true;
    rebuildTemporaryBdd();
    if (!temporaryBdd_.exists()) {
        interaction_.message(hit_messages::bddNotAvailable());
        return false;
    }
    host_.setTemporaryBddOutOfDate(false);
    return true;
}

// Failures here are reported by the export; the caller then finds no temp.bdd.
void HitTester::rebuildTemporaryBdd() {
    WaitWindowScope wait(host_, hit_messages::kMakingTemporaryBdd);
    temporaryBdd_.remove();
    try {
        host_.exportTo(temporaryBdd_.path());
    } catch (...) {
    }
    temporaryBdd_.rewritten();
}

// The detection object of the open file, created on the first test with temp.bdd as its
// data file; null, having told the user, when it cannot be made.
detect::BrowserObj* HitTester::detectionObject() {
    std::shared_ptr<void>& slot = host_.detectionObject();
    if (slot) return static_cast<detect::BrowserObj*>(slot.get());
    auto browser = std::make_shared<detect::BrowserObj>(cache_);
    try {
        browser->DataFile(QFile::encodeName(temporaryBdd_.path()).toStdString());
    } catch (const detect::DetectError& error) {
        interaction_.message(hit_messages::objectCreationFailed(fromStd(error.description())));
        return nullptr;
    }
    slot = browser;
    return browser.get();
}

bool HitTester::detect(detect::BrowserObj& browser, const QString& userAgent) {
    try {
        browser.Initialize(userAgent.toStdString());
        return true;
    } catch (const detect::DetectError& error) {
        interaction_.message(hit_messages::detectionFailed(fromStd(error.description())));
        return false;
    }
}

void HitTester::fillResult(const detect::BrowserObj& browser) {
    result_ = HitTestResult();
    result_.internalName = fromStd(browser.InternalName());
    for (const std::string& name : browser.propertyNames()) {
        const QString property = fromStd(name);
        if (property.startsWith(kSystemPrefix)) continue;
        result_.rows.append({property, fromStd(browser.value(name))});
    }
    result_.description = documentValue(result_.internalName, mainMod::kDescriptionParam,
                                        fromStd(browser.value("i__description")));
    result_.matchString = documentValue(result_.internalName, mainMod::kUserAgentParam,
                                        fromStd(browser.value("i__matchString")));
}

// The matched entry's value as the open document holds it; the detection object's own
// value when the document has no such entry (temp.bdd copied from an older BDD).
QString HitTester::documentValue(const QString& entry, const QString& parameter,
                                 const QString& fallback) const {
    doc::Document* document = host_.document();
    if (!document || !document->hasType(entry)) return fallback;
    try {
        return document->PathValue(entry + u'.' + parameter);
    } catch (const AppError&) {
        return fallback;
    }
}

// The tree follows a new match; the same match again leaves the user's selection alone
// until the tester window was left.
void HitTester::followMatch(const QString& name) {
    if (name == lastMatchedName_) return;
    if (host_.selectedTreeKey() != name) host_.showTreeNode(name);
    lastMatchedName_ = name;
}

void HitTester::LoadUserAgentFile() {
    FileRequest request;
    request.filters = QStringList{QStringLiteral("User agent text files (*.txt)")};
    const QString path = interaction_.chooseOpenFile(request).value_or(QString());
    host_.processEvents();
    if (path.isEmpty()) return;
    try {
        const QStringList lines = readList(path);
        list_.append(lines);
        list_.selectFirst();
    } catch (const AppError& error) {
        interaction_.message(hit_messages::listUnreadable(path, error.description()));
    }
}

// The whole file or nothing, so a failed read adds no part of it.
QStringList HitTester::readList(const QString& path) {
    StatusScope status(host_, hit_messages::kLoadingList);
    UserAgentFileReader reader(path);
    QStringList lines;
    while (const std::optional<QString> line = reader.ReadUserAgentLine()) lines.append(*line);
    return lines;
}

}  // namespace sentrel::exporting
