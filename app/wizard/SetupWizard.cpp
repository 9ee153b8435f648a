#include "app/wizard/SetupWizard.h"

#include <QFile>

#include "app/wizard/WizardMessages.h"
#include "registry/KeyPaths.h"
#include "registry/mdlRegistry.h"
#include "reporting/OptionStore.h"

namespace sentrel::app::wizard {

SetupWizard::SetupWizard(Interaction& interaction, reg::mdlRegistry& registry, OptionStore& options,
                         SetupWizardFlags& flags, ExternalPrograms& programs, SetupWizardHost host)
    : interaction_(interaction),
      registry_(registry),
      options_(options),
      flags_(flags),
      programs_(programs),
      host_(std::move(host)) {}

bool SetupWizard::run() {
    flags_.reportingStepRunning = false;
    openKeysToEveryone();
    flags_.wizardRunning = true;
    if (interaction_.message(welcomeMessage()) == MsgAnswer::Cancel) {
        flags_.wizardRunning = false;
        return false;
    }
    if (!checkElevation()) return false;
    offerUpdates();
    offerCaching();
    reportingStep();
    flags_.wizardRunning = false;
    return ask(reviewDefinitionsQuestion());
}

// The detection library and the reports service read the product's keys under other
// accounts. Keys that do not exist are left alone.
void SetupWizard::openKeysToEveryone() {
    for (const QString& key :
         {reg::kMakerKey, reg::kProductFamilyKey, reg::kProductKey, reg::kBrowserDefsKey}) {
        if (registry_.keyExists(key)) registry_.OpenKeyToEveryone(key);
    }
}

bool SetupWizard::checkElevation() {
    if (runsElevated()) return true;
    if (!ask(needsAdministratorMessage(host_.elevatedCommand))) return true;
    if (host_.endProgram) host_.endProgram();
    return false;
}

// Only an account with administrative rights may create a file in the root folder. The
// test file is removed whatever happened.
bool SetupWizard::runsElevated() const {
    QFile test(host_.elevationTestPath);
    const bool written = test.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                         test.write("test") == 4 && test.flush();
    test.close();
    QFile::remove(host_.elevationTestPath);
    return written;
}

void SetupWizard::offerUpdates() {
    if (!ask(checkForUpdatesQuestion())) return;
    if (!programs_.updaterInstalled()) {
        programs_.showUpdaterMissing();
        return;
    }
    if (host_.runAndWait) host_.runAndWait(programs_.updaterPath(), updaterWaitText());
}

void SetupWizard::offerCaching() {
    if (!ask(enableCachingQuestion())) return;
    options_.perfMode = true;
    showOptions(kCacheTab);
}

// Chooses the SQLite reports database in the installation folder before asking, so that a
// user who declines still has a working default.
void SetupWizard::reportingStep() {
    flags_.reportingStepRunning = true;
    flags_.wizardRunning = true;
    registry_.SetKeyValue(reg::HKEY_LOCAL_MACHINE, reg::kOptionsKey, QStringLiteral("configSrws"),
                          qint32(1), reg::REG_DWORD, true);
    options_.srwsProviderType = SrwsProvider::Access;
    options_.srwsMDBPath = options_.baseDirectory() + QStringLiteral("/reports/SNReports.db");

    const bool setUp = ask(reportingSetupQuestion());
    flags_.reportingDeclined = !setUp;
    if (setUp) {
        interaction_.message(reportingInformation());
        showOptions(kReportingTab);
        const QString saved = options_.GetRegValStr(QStringLiteral("srwsMDBPath"));
        if (!saved.isEmpty() && !ask(changeDatabaseQuestion(saved))) showOptions(kDatabaseTab);
    }
    flags_.reportingStepRunning = false;
    flags_.wizardRunning = false;
}

void SetupWizard::showOptions(int tab) {
    flags_.optionsTab = tab;
    if (host_.showOptionsDialog) host_.showOptionsDialog();
}

bool SetupWizard::ask(const MessageRequest& request) {
    return interaction_.message(request) == MsgAnswer::Yes;
}

}  // namespace sentrel::app::wizard
