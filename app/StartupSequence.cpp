#include "app/StartupSequence.h"

#include <QRandomGenerator>

#include "app/FileToOpen.h"
#include "app/StartupErrorHandler.h"
#include "shell/AppError.h"

namespace sentrel::app {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
constexpr int kInternalError = 51;
constexpr int kRefreshDraw = 5;

int drawOneToFive() {
    return static_cast<int>(QRandomGenerator::global()->generateDouble() * 5 + 1);
}

}  // namespace

StartupSequence::StartupSequence(StartupHost& host, Interaction& interaction,
                                 InternalData& internalData)
    : host_(host), interaction_(interaction), internalData_(internalData), draw_(drawOneToFive) {}

StartupSequence::Outcome StartupSequence::run(const QString& commandLine) {
    try {
        steps(commandLine);
    } catch (const AppError& error) {
        return fail(error.number(), error.description());
    } catch (const std::exception& error) {
        return fail(kInternalError, QString::fromLocal8Bit(error.what()));
    }
    Outcome outcome;
    outcome.started = true;
    return outcome;
}

StartupSequence::Outcome StartupSequence::fail(int number, const QString& description) {
    Outcome outcome;
    outcome.errorNumber = number;
    outcome.failure = startupFailureMessage(number, description, lastPlace_);
    outcome.alreadyRunning = meansAlreadyRunning(number, lastPlace_);
    interaction_.message(outcome.failure);
    host_.unloadSplash();
    return outcome;
}

void StartupSequence::steps(const QString& commandLine) {
    readBaseDirectory();
    host_.setApplicationTitle(kTitle);
    lastPlace_ = marker::kAppNamingSet;
    startStamp_ = QDateTime::currentDateTime();

    showSplashAndSetHelpFile();
    bindInternalData();

    lastPlace_ = marker::kLoadMainUi;
    host_.loadMainWindow(baseDirectory_);
    lastPlace_ = marker::kDisplayingUi;
    host_.showMainWindow();
    lastPlace_ = marker::kAfterDisplayUi;
    host_.unloadSplash();
    chooseAndOpenFile(commandLine);
}

void StartupSequence::showSplashAndSetHelpFile() {
    lastPlace_ = marker::kShowSplash;
    host_.showSplash();
    host_.createMainWindow();
    if (baseDirectory_.size() >= 3) {
        host_.setHelpFile(baseDirectory_ + QStringLiteral("/docs/help"));
    } else {
        interaction_.message(
            QStringLiteral("Unable to read base directory information from registry."),
            QStringLiteral("Error reading registry"), MsgIcon::Critical);
    }
}

void StartupSequence::readBaseDirectory() {
    lastPlace_ = marker::kReadBaseDir;
    baseDirectory_ = host_.readBaseDirectory();
    // Paths use "/" here; a trailing separator of either kind is dropped once.
    if (baseDirectory_.endsWith(QLatin1Char('/')) || baseDirectory_.endsWith(QLatin1Char('\\')))
        baseDirectory_.chop(1);
}

void StartupSequence::bindInternalData() {
    lastPlace_ = marker::kLoadingInternalData;
    internalData_.bind(baseDirectory_);
    lastPlace_ = marker::kAfterInternalData;
    if (draw_() == kRefreshDraw) internalData_.refresh();
}

void StartupSequence::chooseAndOpenFile(const QString& commandLine) {
    const StartupOptions options = host_.loadOptions(baseDirectory_);
    std::optional<bool> wizard;
    if (host_.isFirstRun()) wizard = host_.runSetupWizard();
    QString file;
    if (wizard) {
        if (*wizard) file = baseDirectory_ + QStringLiteral("/maindefs.bdf");
    } else {
        file = chooseFileToOpen(options, commandLine);
    }
    if (!file.isEmpty()) host_.openFile(file, wizard.has_value());
    if (wizard) showWizardComplete(*wizard);
}

void StartupSequence::showWizardComplete(bool openedDefinitions) {
    const QString intro =
        openedDefinitions ? QStringLiteral(
                                "Please take a moment to look through the browser definition file "
                                "so you are familiar with the type of information it contains.") +
                                kCrLf + kCrLf + QStringLiteral("After doing so")
                          : QStringLiteral("As the next step in getting started");
    const QString text =
        intro +
        QStringLiteral(", we recommend that you run the Sentrel samples in your browser. ") +
        QStringLiteral(
            "This will ensure that the Sentrel component is working as expected. In "
            "addition, these samples are designed as a great ") +
        QStringLiteral(
            "learning aid. Be sure to review the source code of these samples, which "
            "is located in ") +
        baseDirectory_ + QStringLiteral("/samples.") + kCrLf + kCrLf +
        QStringLiteral(
            "To run the samples, choose Sentrel Samples in the desktop's application menu. If "
            "you elected not to install the samples, but wish to do so now, ") +
        QStringLiteral(
            "run the Sentrel installer again and choose the Modify option when "
            "presented.");
    interaction_.message(text, QStringLiteral("Setup Wizard Complete"), MsgIcon::Information);
}

}  // namespace sentrel::app
