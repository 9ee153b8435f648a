#include "reporting/OptionsController.h"

#include "document/Document.h"
#include "reporting/OptionStore.h"
#include "reporting/OptionsMessages.h"
#include "reporting/OptionsTab.h"
#include "reporting/SrwsUrl.h"
#include "shell/AppError.h"

namespace sentrel {

namespace {

// Version numbers are stored as 16-bit integers.
constexpr int kLargestVersion = 32767;

template <class Hook, class... Args>
void call(const Hook& hook, Args&&... args) {
    if (hook) hook(std::forward<Args>(args)...);
}

doc::Document* documentOf(const OptionsHost& host) {
    return host.openDocument ? host.openDocument() : nullptr;
}

bool isVersionNumber(std::optional<int> number) {
    return number && *number >= 0 && *number <= kLargestVersion;
}

}  // namespace

OptionsController::OptionsController(OptionStore& options, Interaction& interaction,
                                     SetupWizardFlags& wizard, OptionsHost host)
    : options_(options),
      interaction_(interaction),
      wizard_(wizard),
      host_(std::move(host)),
      reportingTabs_(options, interaction, host_),
      tabs_(interaction, wizard) {
    tabs_.setEnumSQLServers([this] { reportingTabs_.enumSQLServers(); });
}

void OptionsController::reload() {
    options_.load();
    loadVersion();
    reportingTabs_.loaded();
}

void OptionsController::loadVersion() {
    doc::Document* document = documentOf(host_);
    if (!document) {
        options_.version.clear();
        return;
    }
    try {
        options_.version.show(doc::internals::BDFMajorVer(*document),
                              doc::internals::BDFMinorver(*document));
    } catch (const AppError&) {
        // A damaged version member: the boxes keep what the file's opening showed.
    }
}

int OptionsController::activate() {
    options_.version.recordShown();
    const int tab = int(optionsTabAt(wizard_.optionsTab));
    tabs_.tabEntered(tab, !options_.srwsRemote);
    return tab;
}

int OptionsController::tabSelected(int tab) {
    return tabs_.tabSelected(tab, !options_.srwsRemote);
}

OptionsController::OkResult OptionsController::ok() {
    if (!versionBoxesValid()) return {false, int(OptionsTab::General)};
    if (!wizard_.reportingDeclined && !reportingChecksPass()) return {};
    if (!options_.save([this] { applyVersion(); })) return {};
    reportingTabs_.CopySRWS();
    return {true, std::nullopt};
}

void OptionsController::closed() {
    call(host_.processEvents);
    reload();
}

void OptionsController::help(int tab) {
    call(host_.showHelpTopic, optionsTabHelpContext(optionsTabAt(tab)));
}

std::optional<CacheSettings> OptionsController::recommendCache() {
    return askCacheRecommendation(interaction_);
}

void OptionsController::showCacheTips() {
    interaction_.runDialog(DialogRequest{kCacheTipsDialog, {}, {}});
}

bool OptionsController::versionBoxesValid() {
    if (!documentOf(host_)) return true;
    const DocumentVersionFields& version = options_.version;
    if (!isVersionNumber(version.major())) {
        interaction_.message(
            options_messages::invalidVersion(QStringLiteral("major version"), version.majorText()));
        return false;
    }
    if (!isVersionNumber(version.minor())) {
        interaction_.message(
            options_messages::invalidVersion(QStringLiteral("minor version"), version.minorText()));
        return false;
    }
    return true;
}

bool OptionsController::reportingChecksPass() {
    ReportingTabs& tabs = reportingTabs_;
    if (tabs.verifyRptPropertiesSelected()) {
        tabs.selectPropertiesToLog();
        return false;
    }
    const ReportingFlags& flags = tabs.flags();
    if (flags.dbSettingsChanged && !tabs.VerifySQLSettings(false)) return false;
    ensureTrailingSlash(options_.srwsURL);
    if (options_.srwsURL != loadedUrl() || flags.rptSettingsChanged || flags.dbSettingsChanged) {
        interaction_.message(options_messages::newSettings());
    }
    return true;
}

void OptionsController::applyVersion() {
    doc::Document* document = documentOf(host_);
    if (!document) return;
    const std::function<void()> change = [this, document] {
        const int major = options_.version.major().value_or(0);
        const int minor = options_.version.minor().value_or(0);
        try {
            doc::internals::setBDFMajorVer(*document, major);
            doc::internals::setBDFMinorver(*document, minor);
        } catch (const AppError& error) {
            interaction_.message(
                options_messages::versionNotWritten(error.number(), error.description()));
            return;
        }
        call(host_.setVersionPanel, DocumentVersionFields::statusText(major, minor));
        if (options_.version.changedSinceShown()) call(host_.markModified);
    };
    if (host_.editStep) {
        host_.editStep(change);
    } else {
        change();
    }
}

}  // namespace sentrel
