#include "app/AppHost.h"

#include <QApplication>
#include <QRegularExpression>
#include <cstdlib>

#include "app/InstalledBaseDirectory.h"
#include "app/InternalData.h"
#include "app/UsedLibraries.h"
#include "app/wizard/SetupWizardCommand.h"
#include "codegen/CodeCutPasteCommand.h"
#include "codegen/properties/frmProperties.h"
#include "registry/KeyPaths.h"
#include "shell/AppError.h"

namespace sentrel::app {

AppHost::AppHost(Interaction& interaction, reg::mdlRegistry& registry, InternalData& internalData,
                 Desktop* desktop)
    : interaction_(interaction),
      registry_(registry),
      internalData_(internalData),
      firstRun_(registry),
      programs_(interaction, desktop ? *desktop : realDesktop_) {}

AppHost::~AppHost() = default;

// An installed program without a registered base directory works in the user's copy of its
// data folder; see InstalledBaseDirectory.
QString AppHost::readBaseDirectory() {
    const QString registered =
        registry_.GetKeyValue(reg::HKEY_LOCAL_MACHINE, reg::kProductKey, reg::kBaseDirValue)
            .toString();
    return InstalledBaseDirectory::resolve(registered, QCoreApplication::applicationDirPath());
}

void AppHost::setApplicationTitle(const QString& title) {
    QApplication::setApplicationName(title);
    QApplication::setOrganizationName(title);
}

void AppHost::showSplash() {
    splash_ = std::make_unique<frmSplash>(frmSplash::Mode::Startup);
    splash_->show();
    splash_->repaint();
    QApplication::processEvents();
}

void AppHost::createMainWindow() {
    main_ = std::make_unique<editor::frmMain>(interaction_);
    editor::frmMain::Hooks& hooks = main_->hooks();
    hooks.readNextCheck = [this] {
        return registry_.getString(reg::kOptionsKey, QStringLiteral("nextCheck"))
            .value_or(QString());
    };
    hooks.showAbout = [this] { frmSplash::showAbout(main_.get(), usedLibraries()); };
    hooks.releaseInternalData = [this] { releaseInternalData(); };
    joinFileAndViews();
}

// The file lifecycle (with the recent-files list of the internal data) and the views.
void AppHost::joinFileAndViews() {
    fileWindow_ = std::make_unique<lifecycle::MainWindowLifecycle>(
        interaction_, *main_, [this]() -> doc::StringArray* {
            doc::Document* internal = internalData_.document();
            return internal ? &internal->lru().bdfName : nullptr;
        });
    views_ = std::make_unique<views::MainWindowViews>(*main_, fileWindow_->lifecycle(),
                                                      fileWindow_->view(), interaction_,
                                                      QDateTime::currentDateTime());
    hitTester_ =
        std::make_unique<exporting::MainWindowHitTester>(interaction_, *main_, *fileWindow_);
    hitTester_->setBrowserViews(&views_->views());
    external_ = std::make_unique<lifecycle::ExternalCommands>(interaction_, *main_,
                                                              fileWindow_->lifecycle(), programs_);
}

// The recent-files list is lost when the internal data cannot be saved at exit; the user
// is told, and the document is released all the same so the next start is not refused.
void AppHost::releaseInternalData() {
    try {
        internalData_.release();
    } catch (const AppError& error) {
        interaction_.message(QStringLiteral("The internal data file could not be saved (Error #") +
                                 QString::number(error.number()) + QStringLiteral(": ") +
                                 error.description() +
                                 QStringLiteral("). The recent-files list of this session is "
                                                "lost."),
                             QApplication::applicationName(), MsgIcon::Exclamation);
    }
}

void AppHost::releaseInternalDataAtExit() {
    if (internalData_.isBound()) releaseInternalData();
}

void AppHost::loadMainWindow(const QString& baseDirectory) {
    main_->setBaseDirectory(baseDirectory);
    fileWindow_->setBaseDirectory(baseDirectory);
    programs_.setBaseDirectory(baseDirectory);
    main_->loadWindow();
    main_->ResetMenuLRU();
    main_->statusPanels().setText(QStringLiteral("Status"), QString());
}

void AppHost::showMainWindow() {
    main_->show();
    main_->repaint();
    QApplication::processEvents();
}

void AppHost::unloadSplash() {
    splash_.reset();
}

StartupOptions AppHost::loadOptions(const QString& baseDirectory) {
    options_ = std::make_unique<OptionStore>(registry_, baseDirectory);
    options_->load();
    fileWindow_->setOptionStore(options_.get());
    views_->setOptionStore(options_.get());
    createPreferences();
    return {options_->autoload, options_->autoloadBDF};
}

// The options dialog, reached through the main window's "&Preferences and options..."
// command; it shows the open file's version in the "Version" panel.
void AppHost::createPreferences() {
    preferences_ =
        std::make_unique<PreferencesDialog>(*options_, interaction_, wizardFlags_, main_.get());
    OptionsHost& host = preferences_->host();
    host.setVersionPanel = [this](const QString& text) {
        main_->statusPanels().setText(QStringLiteral("Version"), text);
    };
    host.processEvents = [] { QApplication::processEvents(); };
    host.openDocument = [this] { return fileWindow_->lifecycle().state().document(); };
    host.markModified = [this] { fileWindow_->lifecycle().markModified(); };
    host.editStep = [this](const std::function<void()>& change) {
        fileWindow_->lifecycle().runAsStep(QStringLiteral("Change version"), change);
    };
    host.showHelpTopic = [this](int topic) { programs_.ShowHelpTopic(topic); };
    host.selectProperties = [this](const QString& properties) {
        return codegen::frmProperties::choose(interaction_, options_->baseDirectory(), properties,
                                              &preferences_->dialog());
    };
    host.showCodeGenerator = [this](const QString& properties, const QString& url) {
        codegen::CodeCutPasteCommand{&interaction_, options_->baseDirectory(),
                                     &preferences_->dialog()}(properties, url);
    };
    preferences_->setRefreshSelected([this] { views_->refreshSelected(); });
    main_->dispatcher().registerOperation(QStringLiteral("miSpecialProgramOptions"),
                                          [this] { preferences_->runCommand(); });
    joinSetupWizard();
}

namespace {

// A path as one word of a shell command.
QString shellWord(const QString& text) {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./=+:-]+$"));
    if (plain.match(text).hasMatch()) return text;
    QString quoted = text;
    return QLatin1Char('\'') + quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''")) +
           QLatin1Char('\'');
}

}  // namespace

// The wizard's ties to the program and the "Run Setup Wizard" command.
void AppHost::joinSetupWizard() {
    wizardHost_.runAndWait = [this](const QString& program, const QString& text) {
        external_->runAndWait(program, text);
    };
    wizardHost_.showOptionsDialog = [this] { preferences_->showModal(); };
    wizardHost_.endProgram = [this] { endProgram(); };
    // Under sudo the editor would look at root's own key store: the command names ours.
    wizardHost_.elevatedCommand =
        QStringLiteral("sudo env SENTREL_REGISTRY=") + shellWord(registry_.store().rootFolder()) +
        QStringLiteral(" SENTREL_HOME=") + shellWord(options_->baseDirectory()) + QLatin1Char(' ') +
        shellWord(QCoreApplication::applicationFilePath());
    main_->dispatcher().registerOperation(QStringLiteral("miSpecialRunSetupWizard"), [this] {
        const wizard::SetupWizardCommand command{
            interaction_,
            registry_,
            *options_,
            [this] { return fileWindow_->lifecycle().state().hasDocument(); },
            [this] { return runSetupWizard().value_or(false); },
            [this](const QString& path) { main_->OpenFile(path); }};
        command();
    });
}

bool AppHost::runWizard() {
    wizard::SetupWizard wizard(interaction_, registry_, *options_, wizardFlags_, programs_,
                               wizardHost_);
    return wizard.run();
}

// The user leaves to start the editor again as root: the main window unloads as on Exit
// (the internal data is saved and released), then the program ends at once.
void AppHost::endProgram() {
    if (main_->close()) std::exit(0);
}

bool AppHost::isFirstRun() {
    return firstRun_.isFirstRun();
}

std::optional<bool> AppHost::runSetupWizard() {
    if (!wizardEnabled_) return std::nullopt;
    const bool openDefinitions = wizard_ ? wizard_() : runWizard();
    firstRun_.markDone();
    return openDefinitions;
}

void AppHost::openFile(const QString& path, bool busy) {
    if (busy) QApplication::setOverrideCursor(Qt::WaitCursor);
    main_->OpenFile(path);
    if (busy) QApplication::restoreOverrideCursor();
}

}  // namespace sentrel::app
